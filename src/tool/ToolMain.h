#pragma once

#include <QStringList>

namespace zantor::tool {

// Runs `zantor-tool` with the arguments after the program name; returns the exit code.
// Messages go to stdout and stderr.
int RunTool(const QStringList& args);

}  // namespace zantor::tool
