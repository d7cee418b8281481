#include <QCoreApplication>

#include "ToolMain.h"
#include "base/Translations.h"

int main(int argc, char** argv) {
    // The tool draws pictures (QImage) but shows no window, so it needs no display.
    QCoreApplication app(argc, argv);
    zantor::InstallTranslations();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return zantor::tool::RunTool(args);
}
