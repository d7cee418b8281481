#include "TiledTransfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

#include "document/LevelDocument.h"
#include "document/ObjectListDocument.h"
#include "map/MapTable.h"
#include "session/RomSession.h"
#include "tiled/TiledReader.h"
#include "tiled/TmxWriter.h"
#include "widgets/Dialogs.h"
#include "widgets/HandlerGuard.h"

namespace zantor {

namespace {
// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TiledTransfer)
};

// The level's object list as the editor has it (unsaved edits too), or null where the
// cartridge's object lists are not known or cannot be read: the map is still worth having.
ObjectListDocument* objectListOf(const LevelDocument& document) {
    ObjectListDocument* list = document.session()->objectList(document.mapIndex());
    return list && list->isLoaded() ? list : nullptr;
}

QString suggestedName(const LevelDocument& document, const QString& suffix) {
    QString name = MapNames()[document.mapIndex()].toLower();
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return QFileInfo(document.romPath()).dir().filePath(name + suffix);
}
}  // namespace

void TiledTransfer::addActions(QMenu* file, QMainWindow* window, LevelDocument* document) {
    file->addAction(Text::tr("Export to &Tiled…"), window,
                    [window, document] { exportLevel(window, *document); })
        ->setObjectName("mnuExportTiled");
    file->addAction(Text::tr("&Import from Tiled…"), window,
                    [window, document] { importLevel(window, *document); })
        ->setObjectName("mnuImportTiled");
}

void TiledTransfer::exportLevel(QMainWindow* window, LevelDocument& document) {
    if (!document.hasLevel())
        return;
    const std::optional<QString> chosen =
        Dialogs::chooseFile(window, Dialogs::FileKind::Save, Text::tr("Export to Tiled"),
                            Text::tr("Tiled maps (*.tmx)|*.tmx"), suggestedName(document, ".tmx"));
    if (!chosen)
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".tmx");
    Guarded(window, [&] {
        TiledLevel level;
        level.cells = document.cells();
        level.levelName = MapNames()[document.mapIndex()];
        level.levelNumber = document.mapIndex();
        if (const ObjectListDocument* list = objectListOf(document))
            level.objects = list->objects();
        WriteTmx(path, level, document.blockStrip());
        window->statusBar()->showMessage(
            Text::tr("Exported to %1 and %2")
                .arg(QFileInfo(path).fileName(), QFileInfo(TilesetPathFor(path)).fileName()),
            8000);
    });
}

void TiledTransfer::importLevel(QMainWindow* window, LevelDocument& document) {
    if (!document.hasLevel())
        return;
    const std::optional<QString> chosen =
        Dialogs::chooseFile(window, Dialogs::FileKind::Open, Text::tr("Import from Tiled"),
                            Text::tr("Tiled maps (*.tmx *.json)|*.tmx;*.json|All Files(*.*)|*.*"),
                            suggestedName(document, ".tmx"));
    if (!chosen)
        return;
    Guarded(window, [&] {
        const TiledLevel level = ReadTiledMap(*chosen);
        const int changed = document.replaceCells(level.cells, Text::tr("Import from Tiled"));
        QString status = Text::tr("Imported %1: %2 cells changed")
                             .arg(QFileInfo(*chosen).fileName())
                             .arg(changed);
        if (level.objects) {
            // The objects are a step in the object list's own history, beside the cells'.
            if (ObjectListDocument* list = objectListOf(document)) {
                list->replaceObjects(*level.objects, Text::tr("Import from Tiled"));
                status += QStringLiteral("; ") + Text::tr("%1 objects").arg(level.objects->size());
            } else {
                status += QStringLiteral("; ") +
                          Text::tr(
                              "the objects were not imported: this cartridge's object lists are "
                              "not known");
            }
        }
        window->statusBar()->showMessage(status, 8000);
    });
}

}  // namespace zantor
