#pragma once

#include <QJsonObject>
#include <QString>

namespace zantor {
class RomFile;
}

namespace zantor::tool {

// The object lists' part of `zantor-tool space`: the table, each region, each list's start,
// slot, length and levels, and the levels whose lists cannot be read.
QString ObjectSpaceText(const RomFile& rom);
QJsonObject ObjectSpaceJson(const RomFile& rom);

}  // namespace zantor::tool
