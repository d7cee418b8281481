#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "ObjectList.h"

namespace zantor {

class RomFile;

// What a list's document starts from: the levels whose pointers lead to it, and its objects as
// read (or why they could not be read).
struct ObjectListSource {
    QList<int> levels;
    std::vector<LevelObject> objects;
    QString error;
};

// The list of `level` in `rom`, with every level whose pointer is the same (they share it); a
// list that cannot be read is the level's own and says why. The objects are those
// ReadLevelObjects finds, read in one piece where the list's end comes soon enough. Throws
// RomFileError when the version byte or the pointer table cannot be read.
ObjectListSource ReadObjectListSource(const RomFile& rom, int level);

}  // namespace zantor
