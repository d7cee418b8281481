#include <QCoreApplication>

#include "ToolCommand.h"
#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "sample/SampleCartridge.h"

namespace zantor::tool {

namespace {
int makeSample(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {"--version"});
    RequireCount(args, 1);
    uint8_t version = 0;
    if (const QStringList values = args.option("--version"); !values.isEmpty()) {
        const QString& text = values.last();
        if (text != "0" && text != "1" && text != "2") {
            throw UsageError{
                QCoreApplication::translate("zantor-tool", "--version takes 0, 1 or 2, not \"%1\"")
                    .arg(text)};
        }
        version = uint8_t(text.toInt());
    }
    const QString& out = args.positional[0];
    QString reason;
    if (!AtomicFileWriter::write(out, BuildSampleCartridge(version), &reason)) {
        throw FileError(FileError::Kind::Write, out, reason);
    }
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> SampleCommands() {
    return {
        {"make-sample", "OUT.gb [--version 0|1|2]",
         QCoreApplication::translate(
             "zantor-tool",
             "Writes the built-in sample cartridge (512 KiB, made by Zantor itself) to OUT.gb.\n"
             "--version sets the cartridge's version byte; the tables that depend on it move."),
         makeSample}};
}

}  // namespace zantor::tool
