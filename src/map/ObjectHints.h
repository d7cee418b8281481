#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "ObjectList.h"

namespace zantor {

// Something about a list the game allows but the user may not want: no error, saving goes on.
struct ObjectHint {
    QString text;
    QList<int> objects;  // the indices it is about
};

// The game keeps at most 16 objects alive, and spawns one when the column 112 pixels ahead of
// the camera's centre reaches it: more than 16 in a stretch of 336 pixels (the screen and the
// spawn distance on both sides) may leave some unspawned, and those left of the camera's start
// X + 112 never appear when the level starts.
std::vector<ObjectHint> ObjectHints(const std::vector<LevelObject>& objects, int cameraStartX);

}  // namespace zantor
