// The main window's sharing and safety: patches made from and applied to the open ROM,
// restore points, and the comparison with an original cartridge.
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

#include "MainWindow.h"
#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "codec/RomFile.h"
#include "document/LevelDocument.h"
#include "patch/Patch.h"
#include "patch/PatchError.h"
#include "session/RomSession.h"
#include "widgets/Dialogs.h"
#include "widgets/HandlerGuard.h"

namespace zantor {

namespace {
const QString kRomFilter = QStringLiteral("Gameboy roms(*.gb;*.gbc)|*.gb;*.gbc|All Files(*.*)|*.*");
const QString kPatchFilter = QStringLiteral(
    "Patches (*.bps;*.ips)|*.bps;*.ips|BPS patch (*.bps)|*.bps|IPS patch (*.ips)|*.ips");

QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(FileError::Kind::Read, path, file.errorString());
    if (file.size() > Patch::kMaxImageSize)
        throw FileError(FileError::Kind::Read, path,
                        MainWindow::tr("files over 16 MiB are not read"));
    return file.readAll();
}

// Why `patch` cannot be applied to `rom` (both file names). The file opened fine, so "could
// not open" would mislead; a patch for another cartridge says which one did not fit.
QString patchRefusal(const PatchError& error, const QString& patch, const QString& rom) {
    if (error.kind() == PatchError::Kind::SourceMismatch)
        return MainWindow::tr("The patch \"%1\" is made for another cartridge, not for \"%2\": %3.")
            .arg(patch, rom, error.detail());
    return MainWindow::tr("The patch \"%1\" cannot be applied to \"%2\": %3.")
        .arg(patch, rom, error.text());
}

void writeWhole(const QString& path, const QByteArray& bytes) {
    QString reason;
    if (!AtomicFileWriter::write(path, bytes, &reason))
        throw FileError(FileError::Kind::Write, path, reason);
}
}  // namespace

void MainWindow::addShareActions(QMenu* file) {
    file->addSeparator();
    file->addAction(tr("Create &patch…"), this, &MainWindow::createPatch)
        ->setObjectName("mnuCreatePatch");
    file->addAction(tr("&Apply patch…"), this, &MainWindow::applyPatch)
        ->setObjectName("mnuApplyPatch");
    file->addAction(tr("Restore &backup…"), this, &MainWindow::restoreBackup)
        ->setObjectName("mnuRestoreBackup");
}

void MainWindow::createPatch() {
    if (document_->romPath().isEmpty())
        return;
    // A patch carries what the file holds: unsaved work is saved first, or left out.
    if (!maybeSaveAll())
        return;
    QSettings settings;
    const std::optional<QString> original =
        Dialogs::chooseFile(this, Dialogs::FileKind::Open, tr("The original cartridge"), kRomFilter,
                            settings.value("patch/original").toString());
    if (!original)
        return;
    settings.setValue("patch/original", *original);
    const QFileInfo rom(document_->romPath());
    const std::optional<QString> chosen =
        Dialogs::chooseFile(this, Dialogs::FileKind::Save, tr("Create patch"), kPatchFilter,
                            rom.dir().filePath(rom.completeBaseName() + QStringLiteral(".bps")));
    if (!chosen)
        return;
    QString out = *chosen;
    if (QFileInfo(out).suffix().isEmpty())
        out += QStringLiteral(".bps");
    Guarded(this, [&] {
        const std::optional<PatchFormat> format = Patch::formatForFileName(out);
        if (!format)
            throw FileError(FileError::Kind::Write, out, tr("a patch file ends in .bps or .ips"));
        try {
            const QByteArray patch =
                Patch::create(readWhole(*original), session_->read().bytes(), *format);
            writeWhole(out, patch);
            statusBar()->showMessage(tr("Wrote the patch %1 (%2 bytes)")
                                         .arg(QFileInfo(out).fileName(),
                                              QLocale(QLocale::English).toString(patch.size())),
                                     8000);
        } catch (const PatchError& error) {
            throw FileError(FileError::Kind::Write, out, error.text());
        }
    });
}

void MainWindow::applyPatch() {
    if (document_->romPath().isEmpty())
        return;
    const std::optional<QString> patchPath =
        Dialogs::chooseFile(this, Dialogs::FileKind::Open, tr("Apply patch"), kPatchFilter,
                            QFileInfo(document_->romPath()).path());
    if (!patchPath)
        return;
    const QFileInfo rom(document_->romPath());
    // The patch goes onto the file as saved. It is tried before anything else is asked, so
    // that nobody picks a place for a file that cannot be made.
    QByteArray romBytes;
    QByteArray patched;
    auto patchRom = [&] {
        std::optional<QString> refusal;
        const bool read = Guarded(this, [&] {
            romBytes = session_->read().bytes();
            const QByteArray patch = readWhole(*patchPath);
            try {
                patched = Patch::apply(romBytes, patch);
            } catch (const PatchError& error) {
                refusal = patchRefusal(error, QFileInfo(*patchPath).fileName(), rom.fileName());
            }
        });
        if (refusal)
            Dialogs::message(this, *refusal, {}, Dialogs::Icon::Critical);
        return read && !refusal;
    };
    if (!patchRom())
        return;
    const std::optional<QString> chosen = Dialogs::chooseFile(
        this, Dialogs::FileKind::Save, tr("Write the patched cartridge as"), kRomFilter,
        rom.dir().filePath(rom.completeBaseName() + QStringLiteral("-patched.gb")));
    if (!chosen)
        return;
    const QString out = *chosen;
    const bool overwritesOpenRom = QFileInfo(out).absoluteFilePath() == rom.absoluteFilePath();
    if (overwritesOpenRom &&
        Dialogs::ask(this,
                     tr("This replaces the open ROM \"%1\" with the patched one. Go on?")
                         .arg(rom.fileName()),
                     {}, {Dialogs::Answer::Yes, Dialogs::Answer::No}) != Dialogs::Answer::Yes)
        return;
    if (overwritesOpenRom) {
        if (!maybeSaveAll())
            return;
        // Saved just now: the patch goes onto the file as it is now.
        const QByteArray tried = romBytes;
        bool changed = true;
        if (!Guarded(this, [&] { changed = session_->read().bytes() != tried; }) ||
            (changed && !patchRom()))
            return;
        // Over the open ROM it is one of the session's writes: after its restore point, and
        // every window re-reads the result.
        if (!Guarded(this, [&] { session_->replaceContents(patched); }))
            return;
    } else if (!Guarded(this, [&] { writeWhole(out, patched); })) {
        return;
    }
    if (overwritesOpenRom) {
        Guarded(this, [&] { document_->loadLevel(document_->mapIndex()); });
        return;
    }
    if (Dialogs::ask(this, tr("Wrote \"%1\". Open it now?").arg(QDir::toNativeSeparators(out)), {},
                     {Dialogs::Answer::Yes, Dialogs::Answer::No}) == Dialogs::Answer::Yes)
        openRom(out);
}

void MainWindow::restoreBackup() {
    if (document_->romPath().isEmpty())
        return;
    const QList<BackupStore::Backup> backups = session_->restorePoints();
    if (backups.isEmpty()) {
        Dialogs::message(this, tr("There are no backups of this ROM yet. Zantor "
                                  "makes one before the first save after opening."));
        return;
    }
    QStringList items;
    for (const BackupStore::Backup& backup : backups)
        items << QLocale().toString(backup.time.toLocalTime(), QLocale::LongFormat);
    bool ok = false;
    const QString picked = QInputDialog::getItem(
        this, tr("Restore backup"), tr("Put the ROM back as it was on:"), items, 0, false, &ok);
    if (!ok || !maybeSaveAll())
        return;
    const BackupStore::Backup& chosen = backups[items.indexOf(picked)];
    Guarded(this, [&] {
        session_->restore(chosen);
        document_->loadLevel(document_->mapIndex());
        // The short form: the long one does not fit the status bar.
        statusBar()->showMessage(
            tr("Restored the ROM as it was on %1")
                .arg(QLocale().toString(chosen.time.toLocalTime(), QLocale::ShortFormat)),
            8000);
    });
}

void MainWindow::toggleComparison() {
    if (document_->isComparing()) {
        document_->stopComparing();
        return;
    }
    QSettings settings;
    const std::optional<QString> original =
        Dialogs::chooseFile(this, Dialogs::FileKind::Open, tr("Compare with original"), kRomFilter,
                            settings.value("patch/original").toString());
    if (!original)
        return;
    settings.setValue("patch/original", *original);
    Guarded(this, [&] { document_->compareWith(*original); });
}

}  // namespace zantor
