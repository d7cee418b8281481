#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "ToolCommand.h"
#include "codec/RomFile.h"
#include "map/MapTable.h"
#include "map/ObjectList.h"

namespace zantor::tool {

namespace {
QString typeText(int type) {
    return "0x" + QString::number(type, 16).toUpper().rightJustified(2, '0');
}

int objects(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--json"}, {});
    RequireCount(args, 2);
    const int index = ParseMapIndex(args.positional[1]);
    const RomFile rom = RomFile::open(args.positional[0]);
    const StoredObjectList list = ReadLevelObjects(rom, index);
    if (args.flags.contains("--json")) {
        QJsonArray entries;
        for (const LevelObject& object : list.objects) {
            entries.append(QJsonObject{{"x", object.x},
                                       {"y", object.y},
                                       {"type", object.type},
                                       {"hiddenInEasyMode", object.hiddenInEasyMode}});
        }
        const QJsonObject root{{"level", index}, {"objects", entries}};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitOk;
    }
    std::printf(qPrintable(QCoreApplication::translate("zantor-tool",
                                                       "%d %s: %d objects at 0x%s (%d bytes)\n")),
                index, qPrintable(MapNames()[index]), int(list.objects.size()),
                qPrintable(QString::number(list.offset, 16).toUpper()), list.consumed);
    for (const LevelObject& object : list.objects) {
        std::printf(
            qPrintable(QCoreApplication::translate("zantor-tool", "  x %4d  y %3d  type %s%s\n")),
            object.x, object.y, qPrintable(typeText(object.type)),
            object.hiddenInEasyMode
                ? qPrintable(QCoreApplication::translate("zantor-tool", "  hidden in Easy mode"))
                : "");
    }
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> ObjectCommands() {
    return {
        {"objects", "ROM MAP [--json]",
         QCoreApplication::translate(
             "zantor-tool",
             "Prints the level's object list (its enemies and items) in the stored order: each\n"
             "object's position in level pixels, its type (0-127) and whether it is hidden in\n"
             "Easy mode. --json prints {\"level\": N, \"objects\": [{\"x\", \"y\", \"type\",\n"
             "\"hiddenInEasyMode\"}, ...]}. A level whose list pointer lies outside its bank "
             "fails\n"
             "with a message naming the pointer."),
         objects}};
}

}  // namespace zantor::tool
