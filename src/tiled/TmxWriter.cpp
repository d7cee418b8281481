#include "TmxWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamWriter>

#include "base/AtomicFileWriter.h"
#include "base/FileError.h"
#include "base/ImageFiles.h"
#include "map/BlockSet.h"

namespace zantor {

namespace {
constexpr int kTilesetRows = kBlockCount / kTilesetColumns;

// Tiled shows a long strip as one row it cannot fit on screen; 16 a row reads like our palette.
Picture tilesetPicture(const Picture& blockStrip) {
    Picture picture(kTilesetColumns * kTiledCellSize, kTilesetRows * kTiledCellSize);
    for (int block = 0; block < kBlockCount; ++block) {
        BitBlt(picture, block % kTilesetColumns * kTiledCellSize,
               block / kTilesetColumns * kTiledCellSize, kTiledCellSize, kTiledCellSize, blockStrip,
               block * kTiledCellSize, 0);
    }
    return picture;
}

// Tiled's own CSV layout: one row a line, each line but the last ending in a comma.
QString csvOf(const MapCells& cells) {
    QString text = QStringLiteral("\n");
    text.reserve(kMapCells * 4);
    for (int y = 0; y < kMapRows; ++y) {
        for (int x = 0; x < kMapColumns; ++x) {
            text += QString::number(cells[size_t(y * kMapColumns + x)] + kBlockFirstGid);
            if (x + 1 < kMapColumns || y + 1 < kMapRows)
                text += QLatin1Char(',');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void property(QXmlStreamWriter& xml, const QString& name, const QString& type,
              const QString& value) {
    xml.writeStartElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), name);
    if (!type.isEmpty())
        xml.writeAttribute(QStringLiteral("type"), type);
    xml.writeAttribute(QStringLiteral("value"), value);
    xml.writeEndElement();
}

void objectGroup(QXmlStreamWriter& xml, const std::vector<LevelObject>& objects) {
    xml.writeStartElement(QStringLiteral("objectgroup"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("2"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("objects"));
    int id = 1;
    for (const LevelObject& object : objects) {
        xml.writeStartElement(QStringLiteral("object"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
        // The type as the label Tiled shows on the map.
        xml.writeAttribute(QStringLiteral("name"),
                           QStringLiteral("0x%1").arg(object.type, 2, 16, QLatin1Char('0')));
        xml.writeAttribute(QStringLiteral("x"), QString::number(object.x));
        xml.writeAttribute(QStringLiteral("y"), QString::number(object.y));
        xml.writeAttribute(QStringLiteral("width"), QString::number(kTiledCellSize));
        xml.writeAttribute(QStringLiteral("height"), QString::number(kTiledCellSize));
        xml.writeStartElement(QStringLiteral("properties"));
        property(xml, QStringLiteral("hiddenInEasyMode"), QStringLiteral("bool"),
                 object.hiddenInEasyMode ? QStringLiteral("true") : QStringLiteral("false"));
        property(xml, QStringLiteral("type"), QStringLiteral("int"), QString::number(object.type));
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
}
}  // namespace

QString TilesetPathFor(const QString& tmxPath) {
    const QFileInfo info(tmxPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("-blocks.png"));
}

QByteArray TmxText(const TiledLevel& level, const QString& tilesetFile) {
    const int objectCount = level.objects ? int(level.objects->size()) : 0;
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("map"));
    const auto number = [&](const char* name, int value) {
        xml.writeAttribute(QLatin1String(name), QString::number(value));
    };
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.8"));
    xml.writeAttribute(QStringLiteral("orientation"), QStringLiteral("orthogonal"));
    xml.writeAttribute(QStringLiteral("renderorder"), QStringLiteral("right-down"));
    number("width", kMapColumns);
    number("height", kMapRows);
    number("tilewidth", kTiledCellSize);
    number("tileheight", kTiledCellSize);
    number("infinite", 0);
    number("nextlayerid", 3);
    number("nextobjectid", objectCount + 1);

    xml.writeStartElement(QStringLiteral("properties"));
    property(xml, QStringLiteral("level name"), {}, level.levelName);
    property(xml, QStringLiteral("level number"), QStringLiteral("int"),
             QString::number(level.levelNumber));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("tileset"));
    number("firstgid", kBlockFirstGid);
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("blocks"));
    number("tilewidth", kTiledCellSize);
    number("tileheight", kTiledCellSize);
    number("tilecount", kBlockCount);
    number("columns", kTilesetColumns);
    xml.writeStartElement(QStringLiteral("image"));
    xml.writeAttribute(QStringLiteral("source"), tilesetFile);
    number("width", kTilesetColumns * kTiledCellSize);
    number("height", kTilesetRows * kTiledCellSize);
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("layer"));
    number("id", 1);
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("map"));
    number("width", kMapColumns);
    number("height", kMapRows);
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("csv"));
    xml.writeCharacters(csvOf(level.cells));
    xml.writeEndElement();
    xml.writeEndElement();

    if (level.objects)
        objectGroup(xml, *level.objects);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

void WriteTmx(const QString& path, const TiledLevel& level, const Picture& blockStrip) {
    const QString tilesetPath = TilesetPathFor(path);
    QString reason;
    if (!ImageFiles::SavePicture(tilesetPicture(blockStrip), tilesetPath, "PNG", &reason))
        throw FileError(FileError::Kind::Write, tilesetPath, reason);
    if (!AtomicFileWriter::write(path, TmxText(level, QFileInfo(tilesetPath).fileName()),
                                 &reason)) {
        throw FileError(FileError::Kind::Write, path, reason);
    }
}

}  // namespace zantor
