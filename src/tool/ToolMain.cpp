#include "ToolMain.h"

#include <QCoreApplication>
#include <cstdio>

#include "ToolCommand.h"
#include "base/Error.h"

namespace zantor::tool {

namespace {
void printErr(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}
void printOut(const QString& text) {
    std::fprintf(stdout, "%s\n", qPrintable(text));
}

QString overview() {
    QString text = QCoreApplication::translate(
        "zantor-tool",
        "Usage: zantor-tool COMMAND [ARGS...]\n"
        "Reads and writes the maps and graphics of a Super Mario Land 2 ROM image.\n"
        "MAP is a map index 0-31 or an exact map name (\"Tree Zone 1\").\n\nCommands:\n");
    for (const ToolCommand& command : AllCommands()) {
        text += QStringLiteral("  %1 %2\n").arg(command.name, command.synopsis);
    }
    text +=
        QCoreApplication::translate("zantor-tool",
                                    "\n`zantor-tool COMMAND --help` tells more about one command.\n"
                                    "Exit status: 0 done, 1 the operation failed, 2 usage error.");
    return text;
}

QString commandHelp(const ToolCommand& command) {
    return QCoreApplication::translate("zantor-tool", "Usage: zantor-tool %1 %2\n%3")
        .arg(command.name, command.synopsis, command.help);
}
}  // namespace

int RunTool(const QStringList& args) {
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.isEmpty() ? printErr : printOut)(overview());
        return args.isEmpty() ? kExitUsage : kExitOk;
    }
    const QString name = args[0];
    const QStringList rest = args.mid(1);
    for (const ToolCommand& command : AllCommands()) {
        if (command.name != name) {
            continue;
        }
        if (rest.contains("--help") || rest.contains("-h")) {
            printOut(commandHelp(command));
            return kExitOk;
        }
        try {
            return command.run(rest);
        } catch (const UsageError& error) {
            printErr(QStringLiteral("zantor-tool %1: %2").arg(name, error.message));
            printErr(commandHelp(command));
            return kExitUsage;
        } catch (const Error& error) {
            printErr(QStringLiteral("zantor-tool %1: %2").arg(name, error.text()));
            return kExitFailed;
        }
    }
    printErr(QCoreApplication::translate("zantor-tool", "zantor-tool: unknown command \"%1\"\n")
                 .arg(name) +
             overview());
    return kExitUsage;
}

}  // namespace zantor::tool
