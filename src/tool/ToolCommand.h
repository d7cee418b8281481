#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zantor::tool {

// Exit codes of zantor-tool.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;  // the operation failed; the message names the file
constexpr int kExitUsage = 2;

// A usage error: the words of the call are off.
struct UsageError {
    QString message;
};

// One sub-command: `zantor-tool NAME ARGS...`.
struct ToolCommand {
    QString name;
    QString synopsis;  // the arguments, e.g. "ROM MAP OUT.bin"
    QString help;      // what it does, a few lines
    std::function<int(const QStringList& args)> run;
};

// Every command, in the order `--help` lists them.
const std::vector<ToolCommand>& AllCommands();

// Helpers for the commands' argument handling.
struct ParsedArgs {
    QStringList positional;
    QStringList flags;  // "--json", ...
    QStringList option(const QString& name) const;
};
// Splits args into positionals and --flags; `withValue` names options that take a value
// ("--version 2"). Throws UsageError for an unknown flag.
ParsedArgs ParseArgs(const QStringList& args, const QStringList& flags,
                     const QStringList& withValue);
// The positional count must be exactly n.
void RequireCount(const ParsedArgs& args, int n);
// MAP: an index 0..31 or an exact map name.
int ParseMapIndex(const QString& text);

// The command lists registered by each file.
// The first `maxBytes` bytes of an input file; throws FileError when it cannot be opened or
// read.
QByteArray ReadInputFile(const QString& path, qint64 maxBytes);

std::vector<ToolCommand> SampleCommands();
std::vector<ToolCommand> InfoCommands();
std::vector<ToolCommand> MapCommands();
std::vector<ToolCommand> RenderCommands();
std::vector<ToolCommand> TitleCommands();
std::vector<ToolCommand> PatchCommands();
std::vector<ToolCommand> SpaceCommands();
std::vector<ToolCommand> ObjectCommands();
std::vector<ToolCommand> TiledCommands();
std::vector<ToolCommand> ScreenCommands();
std::vector<ToolCommand> TileSetCommands();

}  // namespace zantor::tool
