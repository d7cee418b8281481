#include "TiledReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <cmath>

#include "StreamInflate.h"
#include "TiledError.h"
#include "base/FileError.h"
#include "map/BlockSet.h"

namespace zantor {

namespace {
// Far beyond any 256 × 48 map Tiled writes (about 300 KB as an XML tile list), far below
// memory trouble.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
constexpr qint64 kLargestGid = 0xFFFFFFFFll;
// Tiled keeps a cell's flips and rotation in the id's top bits.
constexpr quint32 kFlipBits = 0xF0000000u;

// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(TiledReader)
};

// What either format says, before it is checked against the level's layout.
struct TileLayer {
    QString name;
    int width = 0;
    int height = 0;
    QString encoding;  // "csv", "base64", or empty for a list of ids
    QString compression;
    QString text;
    std::vector<qint64> ids;  // JSON's array or TMX's <tile> list
    bool chunked = false;     // an infinite map's chunks
};

struct RawMap {
    QString orientation;
    int width = 0, height = 0, tileWidth = 0, tileHeight = 0;
    bool infinite = false;
    std::optional<qint64> firstGid;
    std::vector<TileLayer> layers;
    std::optional<std::vector<LevelObject>> objects;
    QString levelName;
    int levelNumber = 0;
};

// An object's type: the property "type", else a number in Tiled's own type (class) field.
struct ObjectFields {
    double x = 0, y = 0;
    QString id;
    std::optional<int> type;
    bool hidden = false;
};

class Parser {
public:
    explicit Parser(QString name) : name_(std::move(name)) {}

    [[noreturn]] void fail(TiledError::Kind kind, const QString& why) const {
        throw TiledError(kind, QStringLiteral("%1: %2").arg(name_, why));
    }

    std::optional<int> typeNumber(const QString& text) const {
        bool ok = false;
        const QString trimmed = text.trimmed();
        const int value = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                              ? trimmed.mid(2).toInt(&ok, 16)
                              : trimmed.toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    LevelObject objectOf(const ObjectFields& fields) const {
        if (!fields.type) {
            fail(TiledError::Kind::Malformed,
                 Text::tr("object %1 has no \"type\" property (0-127)").arg(fields.id));
        }
        if (*fields.type < 0 || *fields.type > 127) {
            fail(TiledError::Kind::Malformed, Text::tr("object %1 has type %2; types are 0-127")
                                                  .arg(fields.id)
                                                  .arg(*fields.type));
        }
        if (!std::isfinite(fields.x) || !std::isfinite(fields.y) || std::abs(fields.x) > 1e6 ||
            std::abs(fields.y) > 1e6) {
            fail(TiledError::Kind::Malformed, Text::tr("object %1 has no position").arg(fields.id));
        }
        return {int(std::lround(fields.x)), int(std::lround(fields.y)), *fields.type,
                fields.hidden};
    }

    RawMap parseTmx(const QByteArray& bytes) const;
    RawMap parseJson(const QByteArray& bytes) const;
    TiledLevel level(const RawMap& raw) const;

private:
    std::vector<quint32> idsOf(const TileLayer& layer) const;
    void tmxLayer(QXmlStreamReader& xml, RawMap& map) const;
    void tmxObjects(QXmlStreamReader& xml, RawMap& map) const;
    void tmxProperties(QXmlStreamReader& xml, RawMap& map) const;

    QString name_;
};

int intAttribute(const QXmlStreamReader& xml, const char* name) {
    return xml.attributes().value(QLatin1String(name)).toInt();
}

void Parser::tmxProperties(QXmlStreamReader& xml, RawMap& map) const {
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("property")) {
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            if (name == QLatin1String("level name"))
                map.levelName = value;
            else if (name == QLatin1String("level number"))
                map.levelNumber = value.toInt();
        }
        xml.skipCurrentElement();
    }
}

void Parser::tmxLayer(QXmlStreamReader& xml, RawMap& map) const {
    TileLayer layer;
    layer.name = xml.attributes().value(QLatin1String("name")).toString();
    layer.width = intAttribute(xml, "width");
    layer.height = intAttribute(xml, "height");
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("data")) {
            xml.skipCurrentElement();
            continue;
        }
        layer.encoding = xml.attributes().value(QLatin1String("encoding")).toString();
        layer.compression = xml.attributes().value(QLatin1String("compression")).toString();
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::EndElement)
                break;
            if (token == QXmlStreamReader::Characters) {
                layer.text += xml.text();
            } else if (token == QXmlStreamReader::StartElement) {
                if (xml.name() == QLatin1String("tile"))
                    layer.ids.push_back(xml.attributes().value(QLatin1String("gid")).toLongLong());
                else if (xml.name() == QLatin1String("chunk"))
                    layer.chunked = true;
                xml.skipCurrentElement();
            }
        }
    }
    map.layers.push_back(std::move(layer));
}

void Parser::tmxObjects(QXmlStreamReader& xml, RawMap& map) const {
    std::vector<LevelObject> objects;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("object")) {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        ObjectFields fields;
        fields.id = attributes.value(QLatin1String("id")).toString();
        fields.x = attributes.value(QLatin1String("x")).toDouble();
        fields.y = attributes.value(QLatin1String("y")).toDouble();
        for (const char* own : {"type", "class"}) {
            if (!fields.type && attributes.hasAttribute(QLatin1String(own)))
                fields.type = typeNumber(attributes.value(QLatin1String(own)).toString());
        }
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("properties")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement()) {
                const QString name = xml.attributes().value(QLatin1String("name")).toString();
                const QString value = xml.attributes().value(QLatin1String("value")).toString();
                if (name == QLatin1String("type"))
                    fields.type = typeNumber(value);
                else if (name == QLatin1String("hiddenInEasyMode"))
                    fields.hidden = value == QLatin1String("true");
                xml.skipCurrentElement();
            }
        }
        objects.push_back(objectOf(fields));
    }
    map.objects = std::move(objects);
}

RawMap Parser::parseTmx(const QByteArray& bytes) const {
    QXmlStreamReader xml(bytes);
    RawMap map;
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("map"))
        fail(TiledError::Kind::Malformed, Text::tr("not a TMX map"));
    map.orientation = xml.attributes().value(QLatin1String("orientation")).toString();
    map.width = intAttribute(xml, "width");
    map.height = intAttribute(xml, "height");
    map.tileWidth = intAttribute(xml, "tilewidth");
    map.tileHeight = intAttribute(xml, "tileheight");
    map.infinite = intAttribute(xml, "infinite") != 0;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("properties")) {
            tmxProperties(xml, map);
        } else if (name == QLatin1String("tileset")) {
            if (!map.firstGid)
                map.firstGid = xml.attributes().value(QLatin1String("firstgid")).toLongLong();
            xml.skipCurrentElement();
        } else if (name == QLatin1String("layer")) {
            tmxLayer(xml, map);
        } else if (name == QLatin1String("objectgroup") &&
                   xml.attributes().value(QLatin1String("name")) == QLatin1String("objects")) {
            tmxObjects(xml, map);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        fail(TiledError::Kind::Malformed, Text::tr("not a well-formed TMX map (line %1: %2)")
                                              .arg(xml.lineNumber())
                                              .arg(xml.errorString()));
    }
    return map;
}

RawMap Parser::parseJson(const QByteArray& bytes) const {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        fail(TiledError::Kind::Malformed, Text::tr("not well-formed JSON (at byte %1: %2)")
                                              .arg(error.offset)
                                              .arg(error.errorString()));
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("type")).toString() != QLatin1String("map"))
        fail(TiledError::Kind::Malformed, Text::tr("not a Tiled JSON map"));
    RawMap map;
    map.orientation = root.value(QLatin1String("orientation")).toString();
    map.width = root.value(QLatin1String("width")).toInt();
    map.height = root.value(QLatin1String("height")).toInt();
    map.tileWidth = root.value(QLatin1String("tilewidth")).toInt();
    map.tileHeight = root.value(QLatin1String("tileheight")).toInt();
    map.infinite = root.value(QLatin1String("infinite")).toBool();
    const QJsonArray tilesets = root.value(QLatin1String("tilesets")).toArray();
    if (!tilesets.isEmpty()) {
        const QJsonValue firstGid = tilesets.first().toObject().value(QLatin1String("firstgid"));
        if (firstGid.isDouble())
            map.firstGid = qint64(firstGid.toDouble());
    }
    for (const QJsonValue property : root.value(QLatin1String("properties")).toArray()) {
        const QJsonObject object = property.toObject();
        const QString name = object.value(QLatin1String("name")).toString();
        if (name == QLatin1String("level name"))
            map.levelName = object.value(QLatin1String("value")).toString();
        else if (name == QLatin1String("level number"))
            map.levelNumber = object.value(QLatin1String("value")).toInt();
    }
    for (const QJsonValue value : root.value(QLatin1String("layers")).toArray()) {
        const QJsonObject layer = value.toObject();
        const QString type = layer.value(QLatin1String("type")).toString();
        const QString name = layer.value(QLatin1String("name")).toString();
        if (type == QLatin1String("tilelayer")) {
            TileLayer tiles;
            tiles.name = name;
            tiles.width = layer.value(QLatin1String("width")).toInt();
            tiles.height = layer.value(QLatin1String("height")).toInt();
            tiles.encoding = layer.value(QLatin1String("encoding")).toString();
            tiles.compression = layer.value(QLatin1String("compression")).toString();
            tiles.chunked = layer.contains(QLatin1String("chunks"));
            const QJsonValue data = layer.value(QLatin1String("data"));
            if (data.isString()) {
                tiles.text = data.toString();
            } else {
                // An array is the JSON form of "csv", whatever the layer claims.
                tiles.encoding.clear();
                for (const QJsonValue id : data.toArray()) {
                    const double number = id.toDouble(-1);
                    tiles.ids.push_back(id.isDouble() && number == std::floor(number) &&
                                                number <= double(kLargestGid)
                                            ? qint64(number)
                                            : -1);
                }
            }
            map.layers.push_back(std::move(tiles));
        } else if (type == QLatin1String("objectgroup") && name == QLatin1String("objects")) {
            std::vector<LevelObject> objects;
            for (const QJsonValue entry : layer.value(QLatin1String("objects")).toArray()) {
                const QJsonObject object = entry.toObject();
                ObjectFields fields;
                fields.id = QString::number(object.value(QLatin1String("id")).toInt());
                fields.x = object.value(QLatin1String("x")).toDouble(NAN);
                fields.y = object.value(QLatin1String("y")).toDouble(NAN);
                for (const char* own : {"type", "class"}) {
                    if (!fields.type && object.contains(QLatin1String(own)))
                        fields.type = typeNumber(object.value(QLatin1String(own)).toString());
                }
                for (const QJsonValue property :
                     object.value(QLatin1String("properties")).toArray()) {
                    const QJsonObject p = property.toObject();
                    const QString name = p.value(QLatin1String("name")).toString();
                    const QJsonValue v = p.value(QLatin1String("value"));
                    if (name == QLatin1String("type"))
                        fields.type = v.isDouble() ? std::optional<int>(v.toInt(-1))
                                                   : typeNumber(v.toString());
                    else if (name == QLatin1String("hiddenInEasyMode"))
                        fields.hidden = v.toBool();
                }
                objects.push_back(objectOf(fields));
            }
            map.objects = std::move(objects);
        }
    }
    return map;
}

std::vector<quint32> Parser::idsOf(const TileLayer& layer) const {
    if (layer.chunked)
        fail(TiledError::Kind::WrongLayout, Text::tr("an infinite map; a level has a fixed size"));
    std::vector<qint64> numbers;
    const QString encoding = layer.encoding;
    if (encoding.isEmpty() && layer.text.trimmed().isEmpty()) {
        numbers = layer.ids;
    } else if (encoding == QLatin1String("csv")) {
        if (!layer.compression.isEmpty()) {
            fail(TiledError::Kind::UnknownEncoding,
                 Text::tr("CSV with compression \"%1\" is not a Tiled encoding")
                     .arg(layer.compression));
        }
        const QString text = layer.text.trimmed();
        for (const QStringView item : QStringView(text).split(QLatin1Char(','))) {
            bool ok = false;
            const qint64 value = item.trimmed().toLongLong(&ok);
            numbers.push_back(ok ? value : -1);
        }
    } else if (encoding == QLatin1String("base64")) {
        QByteArray base64 = layer.text.toLatin1();
        base64.removeIf([](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; });
        const auto decoded =
            QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            fail(TiledError::Kind::Malformed, Text::tr("the layer's base64 data is damaged"));
        QByteArray bytes = *decoded;
        const qsizetype expected = qsizetype(kMapCells) * 4;
        if (!layer.compression.isEmpty()) {
            DeflateContainer container;
            if (layer.compression == QLatin1String("zlib"))
                container = DeflateContainer::Zlib;
            else if (layer.compression == QLatin1String("gzip"))
                container = DeflateContainer::Gzip;
            else
                fail(TiledError::Kind::UnknownEncoding,
                     Text::tr("unknown compression \"%1\"; zlib and gzip are read")
                         .arg(layer.compression));
            const std::optional<QByteArray> inflated = InflateStream(bytes, container, expected);
            if (!inflated) {
                fail(TiledError::Kind::Malformed,
                     Text::tr("the layer's %1 data is damaged or too long").arg(layer.compression));
            }
            bytes = *inflated;
        }
        if (bytes.size() % 4 != 0)
            fail(TiledError::Kind::Malformed, Text::tr("the layer's data is not whole tile ids"));
        for (qsizetype i = 0; i < bytes.size(); i += 4) {
            const auto byte = [&](qsizetype k) { return quint32(uint8_t(bytes[i + k])); };
            numbers.push_back(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
        }
    } else {
        fail(TiledError::Kind::UnknownEncoding,
             Text::tr("unknown layer encoding \"%1\"; CSV and base64 are read").arg(encoding));
    }
    if (numbers.size() != size_t(kMapCells)) {
        fail(TiledError::Kind::Malformed, Text::tr("the layer holds %1 cells; a level has %2")
                                              .arg(numbers.size())
                                              .arg(kMapCells));
    }
    std::vector<quint32> ids;
    ids.reserve(numbers.size());
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 0 || numbers[i] > kLargestGid) {
            fail(TiledError::Kind::Malformed, Text::tr("cell (%1, %2) holds no tile id")
                                                  .arg(i % kMapColumns)
                                                  .arg(i / kMapColumns));
        }
        ids.push_back(quint32(numbers[i]));
    }
    return ids;
}

TiledLevel Parser::level(const RawMap& raw) const {
    if (raw.infinite)
        fail(TiledError::Kind::WrongLayout, Text::tr("an infinite map; a level has a fixed size"));
    if (raw.orientation != QLatin1String("orthogonal")) {
        fail(TiledError::Kind::WrongLayout,
             Text::tr("a map of orientation \"%1\"; a level is orthogonal").arg(raw.orientation));
    }
    if (raw.width != kMapColumns || raw.height != kMapRows || raw.tileWidth != kTiledCellSize ||
        raw.tileHeight != kTiledCellSize) {
        fail(TiledError::Kind::WrongLayout,
             Text::tr(
                 "a map of %1 × %2 cells of %3 × %4 pixels; a level is %5 × %6 cells of %7 × %7")
                 .arg(raw.width)
                 .arg(raw.height)
                 .arg(raw.tileWidth)
                 .arg(raw.tileHeight)
                 .arg(kMapColumns)
                 .arg(kMapRows)
                 .arg(kTiledCellSize));
    }
    const TileLayer* layer = nullptr;
    for (const TileLayer& candidate : raw.layers) {
        if (candidate.name == QLatin1String("map"))
            layer = &candidate;
    }
    if (!layer && raw.layers.size() == 1)
        layer = &raw.layers.front();
    if (!layer) {
        fail(TiledError::Kind::Malformed,
             raw.layers.empty() ? Text::tr("the map has no tile layer")
                                : Text::tr("the map has %1 tile layers and none is named \"map\"")
                                      .arg(raw.layers.size()));
    }
    if (layer->width != kMapColumns || layer->height != kMapRows) {
        fail(TiledError::Kind::WrongLayout,
             Text::tr("the layer \"%1\" is %2 × %3 cells; a level is "
                      "%4 × %5")
                 .arg(layer->name)
                 .arg(layer->width)
                 .arg(layer->height)
                 .arg(kMapColumns)
                 .arg(kMapRows));
    }
    if (!raw.firstGid || *raw.firstGid < 1 || *raw.firstGid > kLargestGid - kBlockCount)
        fail(TiledError::Kind::Malformed, Text::tr("the map has no tileset for the blocks"));
    const qint64 firstGid = *raw.firstGid;
    const std::vector<quint32> ids = idsOf(*layer);

    TiledLevel level;
    for (int i = 0; i < kMapCells; ++i) {
        const quint32 id = ids[size_t(i)];
        const int x = i % kMapColumns, y = i / kMapColumns;
        if (id == 0) {
            fail(TiledError::Kind::NotABlock,
                 Text::tr("cell (%1, %2) is empty; every cell of a level holds a block")
                     .arg(x)
                     .arg(y));
        }
        if (id & kFlipBits) {
            fail(TiledError::Kind::NotABlock,
                 Text::tr("cell (%1, %2) holds a flipped or rotated tile; blocks cannot be turned")
                     .arg(x)
                     .arg(y));
        }
        if (id < firstGid || id >= firstGid + kBlockCount) {
            fail(TiledError::Kind::NotABlock,
                 Text::tr("cell (%1, %2) holds tile id %3, outside the blocks' ids %4-%5")
                     .arg(x)
                     .arg(y)
                     .arg(id)
                     .arg(firstGid)
                     .arg(firstGid + kBlockCount - 1));
        }
        level.cells[size_t(i)] = uint8_t(id - firstGid);
    }
    level.objects = raw.objects;
    level.levelName = raw.levelName;
    level.levelNumber = raw.levelNumber;
    return level;
}
}  // namespace

TiledLevel ParseTiledMap(const QByteArray& bytes, const QString& name) {
    const Parser parser(name);
    // Editors on Windows may start either format with a UTF-8 byte order mark.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QByteArray start = text.left(64).trimmed();
    if (start.startsWith('{'))
        return parser.level(parser.parseJson(text));
    if (start.startsWith('<'))
        return parser.level(parser.parseTmx(text));
    parser.fail(TiledError::Kind::Malformed, Text::tr("neither a TMX nor a Tiled JSON map"));
}

TiledLevel ReadTiledMap(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(FileError::Kind::Read, path, file.errorString());
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes) {
        throw TiledError(TiledError::Kind::Malformed,
                         Text::tr("%1: larger than any map of a level").arg(path));
    }
    return ParseTiledMap(bytes, path);
}

}  // namespace zantor
