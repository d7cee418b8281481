#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QString>
#include <optional>
#include <vector>

#include "ObjectList.h"

namespace zantor {

// Objects as JSON, the form `zantor-tool objects --json` prints, `import-objects` reads and
// the clipboard carries: [{"x": px, "y": px, "type": N, "hiddenInEasyMode": bool}, ...].
QJsonArray ObjectsToJson(const std::vector<LevelObject>& objects);
QByteArray ObjectListToJson(int level, const std::vector<LevelObject>& objects);

// The objects of a document {"objects": [...]} (or of a bare array). Positions and types are
// taken as they are, for ObjectListProblem to judge; a missing or mistyped field is an error.
// Returns nothing and sets `error` when the text is not such a document.
std::optional<std::vector<LevelObject>> ObjectsFromJson(const QByteArray& json,
                                                        QString* error = nullptr);

}  // namespace zantor
