#include "AppOptions.h"

#include <QCoreApplication>

namespace zantor {

AppOptions AppOptions::parse(const QStringList& arguments) {
    AppOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--screenshot") {
            if (i + 1 >= arguments.size()) {
                options.error =
                    QCoreApplication::translate("zantor", "--screenshot needs a file name");
                return options;
            }
            options.screenshot = arguments[++i];
        } else if (arg.startsWith("-") && arg != "-") {
            options.error = QCoreApplication::translate("zantor", "unknown option %1").arg(arg);
            return options;
        } else if (options.rom.isEmpty()) {
            options.rom = arg;
        } else {
            options.error = QCoreApplication::translate("zantor", "give at most one ROM");
            return options;
        }
    }
    if (options.demo && !options.rom.isEmpty()) {
        options.error = QCoreApplication::translate(
            "zantor", "--demo opens the sample cartridge; give no ROM with it");
    }
    return options;
}

QString AppOptions::usage() {
    return QCoreApplication::translate(
        "zantor",
        "Usage: zantor [ROM]\n"
        "       zantor --demo\n"
        "A map editor for Super Mario Land 2 ROM images (.gb, .gbc).\n\n"
        "  ROM             open this ROM image at start\n"
        "  --demo          write the built-in sample cartridge to a new temporary folder\n"
        "                  and open it\n"
        "  --screenshot F  render the main window to the PNG file F and quit\n"
        "  --version       print the version\n"
        "  --help          print this help\n");
}

}  // namespace zantor
