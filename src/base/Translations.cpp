#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zantor {

bool LoadTranslation(QTranslator& translator, const QLocale& locale) {
    // The .qm files are embedded by the build (qt_add_lrelease + qt_add_resources).
    return translator.load(locale, QStringLiteral("zantor"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
}

bool InstallTranslations(const QLocale& locale) {
    QCoreApplication* app = QCoreApplication::instance();
    auto* ours = new QTranslator(app);
    if (!LoadTranslation(*ours, locale)) {
        // English: the source texts are shown, and Qt's own stay English to match.
        delete ours;
        return false;
    }
    QCoreApplication::installTranslator(ours);
    auto* qt = new QTranslator(app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

}  // namespace zantor
