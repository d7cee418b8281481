#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zantor {

// What the command line asks of the editor.
struct AppOptions {
    QString rom;         // open this ROM at start (as "Open ROM..." would)
    bool demo = false;   // write the sample cartridge to a fresh folder and open it
    QString screenshot;  // render the window to this PNG and quit
    bool help = false;
    bool version = false;
    QString error;  // a usage error, for stderr

    static AppOptions parse(const QStringList& arguments);
    static QString usage();
};

}  // namespace zantor
