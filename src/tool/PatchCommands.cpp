#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "ToolCommand.h"
#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "codec/RomFile.h"
#include "patch/Patch.h"
#include "patch/PatchError.h"

namespace zantor::tool {

namespace {
// A patch is never much larger than the image it makes; past this it is no patch of ours.
constexpr qint64 kMaxPatchSize = 2 * Patch::kMaxImageSize;

QByteArray readPatch(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(FileError::Kind::Read, path, file.errorString());
    }
    const QByteArray bytes = file.read(kMaxPatchSize + 1);
    if (file.error() != QFileDevice::NoError) {
        throw FileError(FileError::Kind::Read, path, file.errorString());
    }
    if (bytes.size() > kMaxPatchSize) {
        throw FileError(
            FileError::Kind::Read, path,
            QCoreApplication::translate("zantor-tool",
                                        "larger than 32 MiB, which is no patch for a ROM image"));
    }
    return bytes;
}

void writeOut(const QString& out, const QByteArray& bytes) {
    QString reason;
    if (!AtomicFileWriter::write(out, bytes, &reason)) {
        throw FileError(FileError::Kind::Write, out, reason);
    }
}

QString shown(const QString& path) {
    return '"' + QDir::toNativeSeparators(path) + '"';
}

int makePatch(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const QString& out = args.positional[2];
    const std::optional<PatchFormat> format = Patch::formatForFileName(out);
    if (!format) {
        throw UsageError{
            QCoreApplication::translate("zantor-tool", "%1 ends in neither .bps nor .ips")
                .arg(out)};
    }
    const QByteArray original = RomFile::open(args.positional[0]).bytes();
    const QByteArray modified = RomFile::open(args.positional[1]).bytes();
    try {
        writeOut(out, Patch::create(original, modified, *format));
    } catch (const PatchError& error) {
        std::fprintf(stderr,
                     qPrintable(QCoreApplication::translate("zantor-tool",
                                                            "zantor-tool make-patch: %s: %s\n")),
                     qPrintable(shown(out)), qPrintable(error.text()));
        return kExitFailed;
    }
    return kExitOk;
}

int applyPatch(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const QString& romPath = args.positional[0];
    const QString& patchPath = args.positional[1];
    const QByteArray rom = RomFile::open(romPath).bytes();
    const QByteArray patch = readPatch(patchPath);
    QByteArray patched;
    try {
        patched = Patch::apply(rom, patch);
    } catch (const PatchError& error) {
        const QString where = error.kind() == PatchError::Kind::SourceMismatch
                                  ? QCoreApplication::translate("zantor-tool", "%1 does not fit %2")
                                        .arg(shown(patchPath), shown(romPath))
                                  : shown(patchPath);
        std::fprintf(stderr,
                     qPrintable(QCoreApplication::translate("zantor-tool",
                                                            "zantor-tool apply-patch: %s: %s\n")),
                     qPrintable(where), qPrintable(error.text()));
        return kExitFailed;
    }
    writeOut(args.positional[2], patched);
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> PatchCommands() {
    return {
        {"make-patch", "ORIGINAL MODIFIED OUT.bps|OUT.ips",
         QCoreApplication::translate(
             "zantor-tool",
             "Writes a patch that turns ORIGINAL into MODIFIED: BPS when OUT ends in .bps\n"
             "(with the CRC32 of both files, so that it only applies to ORIGINAL), IPS when it\n"
             "ends in .ips."),
         makePatch},
        {"apply-patch", "ROM PATCH OUT",
         QCoreApplication::translate(
             "zantor-tool",
             "Applies a BPS or IPS patch (told by its first bytes) to ROM and writes the result\n"
             "to OUT; ROM is not changed. A BPS made for another file, or a damaged patch, is\n"
             "refused (exit 1) and nothing is written."),
         applyPatch}};
}

}  // namespace zantor::tool
