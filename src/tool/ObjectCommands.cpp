#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "ToolCommand.h"
#include "base/FileError.h"
#include "codec/RomFile.h"
#include "map/HeaderTexts.h"
#include "map/MapTable.h"
#include "map/ObjectList.h"
#include "map/ObjectListJson.h"
#include "map/ObjectListWriter.h"
#include "map/ObjectSpace.h"
#include "map/RepackError.h"

namespace zantor::tool {

namespace {
QString typeText(int type) {
    return "0x" + QString::number(type, 16).toUpper().rightJustified(2, '0');
}

QString levelList(const QList<int>& levels) {
    QStringList numbers;
    for (int level : levels) {
        numbers << QString::number(level);
    }
    return numbers.isEmpty() ? QStringLiteral("-") : numbers.join(", ");
}

int objects(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--json"}, {});
    RequireCount(args, 2);
    const int index = ParseMapIndex(args.positional[1]);
    const RomFile rom = RomFile::open(args.positional[0]);
    const StoredObjectList list = ReadLevelObjects(rom, index);
    if (args.flags.contains("--json")) {
        std::fputs(ObjectListToJson(index, list.objects).constData(), stdout);
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
// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ObjectCommands)
};

int importObjects(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--repack"}, {});
    RequireCount(args, 3);
    const int index = ParseMapIndex(args.positional[1]);
    const QString& in = args.positional[2];
    QString why;
    const std::optional<std::vector<LevelObject>> objects =
        ObjectsFromJson(ReadInputFile(in, 1 << 20), &why);
    if (!objects) {
        std::fprintf(stderr, "zantor-tool import-objects: %s: %s\n", qPrintable(in),
                     qPrintable(why));
        return kExitFailed;
    }
    RomFile rom = RomFile::open(args.positional[0]);
    const ObjectSpace space = ObjectSpace::read(rom);
    const bool repack = args.flags.contains("--repack");
    ObjectWritePlan plan;
    try {
        plan = ObjectListWriter::plan(space, index, *objects, repack);
    } catch (const ObjectListError& error) {
        std::fprintf(stderr, "zantor-tool import-objects: %s: %s\n", qPrintable(rom.path()),
                     qPrintable(error.text()));
        if (error.kind() == ObjectListError::Kind::DoesNotFit) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(Text::tr("To repack, run the same command with --repack.")));
        }
        return kExitFailed;
    }
    ObjectListWriter::apply(rom, plan);
    rom.commit();
    if (plan.repacked) {
        std::printf("%s\n",
                    qPrintable(Text::tr("Repacked the object lists at %1-%2; moved the lists "
                                        "of levels %3")
                                   .arg(OffsetText(plan.start), OffsetText(plan.end - 1))
                                   .arg(levelList(plan.movedLevels()))));
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
         objects},
        {"import-objects", "ROM MAP IN.json [--repack]",
         QCoreApplication::translate(
             "zantor-tool",
             "Writes MAP's object list from JSON in the form `objects --json` prints, sorted by X\n"
             "(objects of the same X keep their order) and ended with 0xFF. A shorter list keeps\n"
             "its slot, the rest filled with 0xFF. Refused (exit 1, nothing written) for more "
             "than\n"
             "84 objects, one outside the level or off the 8-pixel grid, type 0x78-0x7F in the\n"
             "last screen, or a list longer than its slot; --repack then lays the lists of its\n"
             "region back to back and rewrites the pointers of those that move."),
         importObjects}};
}

}  // namespace zantor::tool
