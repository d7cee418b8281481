#include "ToolCommand.h"

#include <QCoreApplication>
#include <QFile>

#include "base/FileError.h"
#include "map/MapTable.h"

namespace zantor::tool {

const std::vector<ToolCommand>& AllCommands() {
    static const std::vector<ToolCommand> commands = [] {
        std::vector<ToolCommand> all;
        for (auto part : {SampleCommands(), InfoCommands(), MapCommands(), TiledCommands(),
                          SpaceCommands(), ObjectCommands(), ScreenCommands(), TileSetCommands(),
                          RenderCommands(), TitleCommands(), PatchCommands()}) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }();
    return commands;
}

QStringList ParsedArgs::option(const QString& name) const {
    QStringList values;
    for (const QString& flag : flags) {
        if (flag.startsWith(name + '=')) {
            values << flag.mid(name.size() + 1);
        }
    }
    return values;
}

ParsedArgs ParseArgs(const QStringList& args, const QStringList& flags,
                     const QStringList& withValue) {
    ParsedArgs parsed;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith("--") || arg == "--") {
            parsed.positional << arg;
            continue;
        }
        if (flags.contains(arg)) {
            parsed.flags << arg;
        } else if (withValue.contains(arg)) {
            if (i + 1 >= args.size()) {
                throw UsageError{
                    QCoreApplication::translate("zantor-tool", "%1 needs a value").arg(arg)};
            }
            parsed.flags << arg + '=' + args[++i];
        } else {
            throw UsageError{
                QCoreApplication::translate("zantor-tool", "unknown option %1").arg(arg)};
        }
    }
    return parsed;
}

void RequireCount(const ParsedArgs& args, int n) {
    if (args.positional.size() != n) {
        throw UsageError{QCoreApplication::translate("zantor-tool", "expected %1 arguments, got %2")
                             .arg(n)
                             .arg(args.positional.size())};
    }
}

int ParseMapIndex(const QString& text) {
    const int index = MapIndexFromText(text);
    if (index < 0) {
        throw UsageError{
            QCoreApplication::translate("zantor-tool",
                                        "no map \"%1\": give an index 0-31 or an exact map name")
                .arg(text)};
    }
    return index;
}

QByteArray ReadInputFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(FileError::Kind::Read, path, file.errorString());
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw FileError(FileError::Kind::Read, path, file.errorString());
    return bytes;
}

}  // namespace zantor::tool
