#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <set>

#include "ToolCommand.h"
#include "base/FileError.h"
#include "codec/RomFile.h"
#include "map/Checkpoint.h"
#include "map/ExitScript.h"
#include "map/HeaderTexts.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/ScreenArrays.h"
#include "map/ScreenFacts.h"

namespace zantor::tool {

namespace {
// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ScreenCommands)
};

// A file that cannot be imported: the command exits 1 and writes nothing.
class ImportRefused : public Error {
public:
    explicit ImportRefused(QString text) : Error(std::move(text)) {}
};

QJsonObject pointJson(QPoint point) {
    return QJsonObject{{"x", point.x()}, {"y", point.y()}};
}

template <size_t N>
QJsonArray numbersJson(const std::array<uint8_t, N>& values) {
    QJsonArray array;
    for (uint8_t value : values)
        array.append(value);
    return array;
}

QString checkpointText(const RomFile& rom, uint8_t version, int level) {
    if (!ScreenFactsFor(version))
        return UnknownCheckpointsText(version);
    const std::optional<int32_t> offset = CheckpointOffset(version, level);
    if (!offset)
        return Text::tr("none (only levels 0-30 have one)");
    const Checkpoint c = ReadCheckpoint(rom, *offset);
    return Text::tr("player x %1, y %2; camera x %3, y %4 (at %5)")
        .arg(c.player.x())
        .arg(c.player.y())
        .arg(c.camera.x())
        .arg(c.camera.y())
        .arg(OffsetText(*offset));
}

void printScripts(const RomFile& rom, uint8_t version, const ScreenArrays& arrays) {
    std::set<int> used;
    for (uint8_t exit : arrays.exits) {
        if (exit != 0)
            used.insert(exit);
    }
    if (used.empty())
        return;
    const std::optional<ScreenFacts> facts = ScreenFactsFor(version);
    if (!facts) {
        std::printf("%s\n", qPrintable(UnknownScriptsText(version)));
        return;
    }
    std::printf("%s\n", qPrintable(Text::tr("exit scripts:")));
    for (int number : used) {
        try {
            const ExitScript script = ReadExitScript(rom, *facts, number);
            std::printf("  %d at %s: %s\n    %s\n", number, qPrintable(OffsetText(script.offset)),
                        qPrintable(HexBytesText(script.bytes)),
                        qPrintable(DescribeExitScript(script.bytes).join("; ")));
        } catch (const ScreenArraysError& error) {
            std::printf("  %d: %s\n", number, qPrintable(error.text()));
        }
    }
}

int screens(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--json"}, {});
    RequireCount(args, 2);
    const int level = ParseMapIndex(args.positional[1]);
    const RomFile rom = RomFile::open(args.positional[0]);
    const uint8_t version = ReadRomVersion(rom);
    const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, level));
    const ScreenArraysPlace place = ScreenArraysPlaceOf(rom, header);
    const ScreenArrays arrays = ReadScreenArrays(rom, place);
    const QPoint camera(header.cameraX(), header.cameraY());
    const std::optional<int32_t> checkpointOffset = CheckpointOffset(version, level);
    if (args.flags.contains("--json")) {
        QJsonValue checkpoint = QJsonValue::Null;
        if (checkpointOffset) {
            const Checkpoint c = ReadCheckpoint(rom, *checkpointOffset);
            checkpoint =
                QJsonObject{{"player", pointJson(c.player)}, {"camera", pointJson(c.camera)}};
        }
        const QJsonObject root{{"level", level},
                               {"boxes", numbersJson(arrays.boxes)},
                               {"exits", numbersJson(arrays.exits)},
                               {"boxesOffset", place.boxesOffset},
                               {"exitsOffset", place.exitsOffset},
                               {"camera", pointJson(camera)},
                               {"checkpoint", checkpoint}};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitOk;
    }
    std::printf("%s\n",
                qPrintable(Text::tr("%1 %2: bank %3, index %4; scroll boxes at %5, exits at %6")
                               .arg(level)
                               .arg(MapNames()[level], BankText(place.bank))
                               .arg(place.index)
                               .arg(OffsetText(place.boxesOffset), OffsetText(place.exitsOffset))));
    std::printf("%s\n",
                qPrintable(Text::tr("camera start: x %1, y %2").arg(camera.x()).arg(camera.y())));
    std::printf("%s\n",
                qPrintable(Text::tr("checkpoint: %1").arg(checkpointText(rom, version, level))));
    std::printf("%s\n",
                qPrintable(Text::tr("scroll boxes (bit 0 right, 1 left, 2 top, 3 bottom) and "
                                    "exits, by screen row:")));
    for (int row = 0; row < kScreenRows; ++row) {
        QStringList boxes, exits;
        for (int column = 0; column < kScreenColumns; ++column) {
            boxes << HexText2(arrays.boxes[size_t(row * kScreenColumns + column)]);
            exits << HexText2(arrays.exits[size_t(row * kScreenColumns + column)]);
        }
        std::printf("  %d  boxes %s\n     exits %s\n", row, qPrintable(boxes.join(' ')),
                    qPrintable(exits.join(' ')));
    }
    printScripts(rom, version, arrays);
    return kExitOk;
}

// Reads `key`: `count` whole numbers 0..maximum.
std::vector<int> numbersFrom(const QJsonObject& root, const QString& key, int count, int maximum) {
    const QJsonValue value = root.value(key);
    if (!value.isArray() || value.toArray().size() != count)
        throw ImportRefused(Text::tr("\"%1\" must be a list of %2 numbers").arg(key).arg(count));
    std::vector<int> numbers;
    for (const QJsonValue& item : value.toArray()) {
        const double number = item.toDouble(-1);
        if (!item.isDouble() || number != double(int(number)) || number < 0 || number > maximum)
            throw ImportRefused(
                Text::tr("\"%1\" holds %2: each must be a whole number 0-%3")
                    .arg(key, QString::fromUtf8(
                                  QJsonDocument(QJsonArray{item}).toJson(QJsonDocument::Compact))
                                  .mid(1)
                                  .chopped(1))
                    .arg(maximum));
        numbers.push_back(int(number));
    }
    return numbers;
}

QPoint pointFrom(const QJsonValue& value, const QString& what) {
    if (!value.isObject())
        throw ImportRefused(Text::tr("\"%1\" must be an object with \"x\" and \"y\"").arg(what));
    const QJsonObject object = value.toObject();
    QPoint point;
    for (const char* axis : {"x", "y"}) {
        const QJsonValue v = object.value(axis);
        const double number = v.toDouble(-1);
        if (!v.isDouble() || number != double(int(number)) || number < 0 || number > 0xFFFF)
            throw ImportRefused(Text::tr("\"%1\" needs \"%2\" as a whole number 0-65535")
                                    .arg(what, QLatin1String(axis)));
        (axis[0] == 'x' ? point.rx() : point.ry()) = int(number);
    }
    return point;
}

int importScreens(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {}, {});
    RequireCount(args, 3);
    const int level = ParseMapIndex(args.positional[1]);
    const QString& in = args.positional[2];
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(ReadInputFile(in, 1 << 20), &parseError);
    if (!json.isObject())
        throw ImportRefused(Text::tr("%1 is no JSON object: %2").arg(in, parseError.errorString()));
    const QJsonObject root = json.object();
    ScreenArrays arrays;
    const std::vector<int> boxes = numbersFrom(root, "boxes", kScreenCount, 255);
    const std::vector<int> exits = numbersFrom(root, "exits", kScreenCount, 255);
    std::copy(boxes.begin(), boxes.end(), arrays.boxes.begin());
    std::copy(exits.begin(), exits.end(), arrays.exits.begin());
    std::optional<QPoint> camera;
    if (root.contains("camera"))
        camera = pointFrom(root.value("camera"), "camera");
    std::optional<Checkpoint> checkpoint;
    if (root.contains("checkpoint") && !root.value("checkpoint").isNull()) {
        const QJsonObject entry = root.value("checkpoint").toObject();
        checkpoint = Checkpoint{pointFrom(entry.value("player"), "checkpoint.player"),
                                pointFrom(entry.value("camera"), "checkpoint.camera")};
    }

    RomFile rom = RomFile::open(args.positional[0]);
    const uint8_t version = ReadRomVersion(rom);
    const int32_t headerOffset = HeaderOffset(rom, level);
    MapHeader header = MapHeader::read(rom, headerOffset);
    std::optional<int32_t> checkpointOffset;
    if (checkpoint) {
        checkpointOffset = CheckpointOffset(version, level);
        if (!checkpointOffset)
            throw ImportRefused(ScreenFactsFor(version)
                                    ? Text::tr("Level %1 has no checkpoint entry").arg(level)
                                    : UnknownCheckpointsText(version));
    }
    WriteScreenArrays(rom, ScreenArraysPlaceOf(rom, header), arrays);
    if (camera) {
        const MapHeader before = header;
        header.setCameraX(camera->x());
        header.setCameraY(camera->y());
        for (int i = 0; i < MapHeader::kSize; ++i) {
            if (header.bytes[size_t(i)] != before.bytes[size_t(i)])
                rom.WriteRomByte(headerOffset + i, header.bytes[size_t(i)]);
        }
    }
    if (checkpoint)
        WriteCheckpoint(rom, *checkpointOffset, *checkpoint);
    rom.commit();
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> ScreenCommands() {
    return {
        {"screens", "ROM MAP [--json]",
         "Prints the level's 16 x 3 screens: each one's scroll box (the edges the camera may\n"
         "not cross: bit 0 right, 1 left, 2 top, 3 bottom) and exit (0 none, n exit script n),\n"
         "the camera start, the checkpoint and the exit scripts the level uses, decoded.\n"
         "--json prints {\"level\": N, \"boxes\": [48], \"exits\": [48], \"boxesOffset\",\n"
         "\"exitsOffset\", \"camera\": {\"x\", \"y\"}, \"checkpoint\": {\"player\", \"camera\"} "
         "or\n"
         "null}. A base word outside its bank fails with a message naming it.",
         screens},
        {"import-screens", "ROM MAP IN.json",
         "Writes the \"boxes\" and \"exits\" of IN.json (as `screens --json` prints them: 48\n"
         "numbers 0-255 each) over the level's arrays, in place, and its \"camera\" and\n"
         "\"checkpoint\" when given. Anything else is refused (exit 1) and nothing is written.\n"
         "Levels of the same map bank and index share their arrays.",
         importScreens},
    };
}

}  // namespace zantor::tool
