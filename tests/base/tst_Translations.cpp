// The German translation as the user gets it: picked by the locale, holding the old program's
// texts, and never losing a placeholder or mnemonic the code fills in.
#include <QDirIterator>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "base/Translations.h"
#include "codec/RomAccessError.h"
#include "map/HeaderTexts.h"

using namespace zantor;

namespace {
// The %N a text fills in, sorted; the printf conversions the tool's formats take, in order (a
// translation that changes them reads the wrong arguments); and whether it has a mnemonic
// ampersand ("&&" is a literal one).
QString Fillings(const QString& text) {
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%L?\\d+").globalMatch(text);
    while (it.hasNext())
        found << it.next().captured().remove('L');
    found.sort();
    it = QRegularExpression("%[-+ #0]*\\d*(?:\\.\\d+)?(?:hh|h|ll|l|z)?[sdiuxXc]").globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    const qsizetype mnemonics = QString(text).remove("&&").count('&');
    return found.join(',') + QStringLiteral(" &%1").arg(qMin<qsizetype>(mnemonics, 1));
}
}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void theLocalePicksTheLanguage() {
        for (const char* german : {"de_DE", "de_AT", "de_CH"}) {
            QTranslator translator;
            QVERIFY2(LoadTranslation(translator, QLocale(german)), german);
        }
        for (const QLocale& english :
             {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
              QLocale(QLocale::French, QLocale::France)}) {
            QTranslator translator;
            QVERIFY2(!LoadTranslation(translator, english), qPrintable(english.name()));
        }
    }

    void bothLanguagesThroughOneTranslator() {
        QCOMPARE(HeaderOffsetCaption(0x5700), QString("Map header offset: 0x5700"));
        QCOMPARE(RomAccessError(RomAccessError::Kind::Read).text(),
                 QString("Error reading the file."));

        QTranslator german;
        QVERIFY(LoadTranslation(german, QLocale(QLocale::German, QLocale::Germany)));
        QVERIFY(QCoreApplication::installTranslator(&german));
        // The old program's own texts, as its users know them.
        QCOMPARE(HeaderOffsetCaption(0x5700), QString("Offset des Mapheaders: 0x5700"));
        const RomAccessError readError(RomAccessError::Kind::Read);
        QCOMPARE(readError.text(), QString("Fehler beim Lesen der Datei."));
        QCOMPARE(readError.title(), QString("Fehler"));

        QVERIFY(QCoreApplication::removeTranslator(&german));
        QCOMPARE(HeaderOffsetCaption(0x5700), QString("Map header offset: 0x5700"));
    }

    // A translation that drops or doubles a %N shows the wrong number, or none; one that loses
    // a menu's & loses its Alt key.
    void translationsKeepWhatTheCodeFillsIn() {
        QFile file(ZANTOR_SOURCE_DIR "/translations/zantor_de.ts");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int finished = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const bool unfinished = xml.attributes().value("type") == u"unfinished";
                // A plural entry holds one form for each number as child elements; each form
                // fills in what the source does.
                QStringList forms;
                QString text;
                while (!(xml.readNext() == QXmlStreamReader::EndElement &&
                         xml.name() == u"translation")) {
                    if (xml.isStartElement() && xml.name() == u"numerusform")
                        forms << xml.readElementText();
                    else if (xml.isCharacters())
                        text += xml.text();
                }
                if (forms.isEmpty())
                    forms << text;
                for (const QString& translation : forms) {
                    if (unfinished || translation.trimmed().isEmpty())
                        continue;
                    ++finished;
                    QVERIFY2(Fillings(source) == Fillings(translation),
                             qPrintable(source + " -> " + translation));
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(finished > 0);
    }

    // lupdate files a tr() call under the class or namespace it stands in. A text looked up
    // under a context of the code's own choosing (translate("X", ...), Q_DECLARE_TR_FUNCTIONS)
    // is translated only where the .ts holds that context; a free function called tr() that
    // picks one is filed elsewhere, and its texts are never translated.
    void everyContextTheCodeLooksUpIsInTheTranslation() {
        QFile ts(ZANTOR_SOURCE_DIR "/translations/zantor_de.ts");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QString translation = QString::fromUtf8(ts.readAll());
        const QRegularExpression chosen(
            "QCoreApplication::translate\\(\"([^\"]+)\"|Q_DECLARE_TR_FUNCTIONS\\((\\w+)\\)");
        const QRegularExpression freeTr("^\\s*(?:inline\\s+)?QString\\s+tr\\s*\\(",
                                        QRegularExpression::MultilineOption);
        QDirIterator files(ZANTOR_SOURCE_DIR "/src", {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        int contexts = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(file.readAll());
            QVERIFY2(!freeTr.match(code).hasMatch(), qPrintable(file.fileName()));
            for (auto it = chosen.globalMatch(code); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                const QString context = match.captured(1) + match.captured(2);
                ++contexts;
                QVERIFY2(translation.contains("<name>" + context + "</name>"),
                         qPrintable(file.fileName() + ": " + context));
            }
        }
        QVERIFY(contexts > 0);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_Translations.moc"
