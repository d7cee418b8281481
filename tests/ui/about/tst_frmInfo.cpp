#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include "ui/about/frmCredits.h"
#include "ui/about/frmInfo.h"
#include "ui/about/frmMusic.h"
#include "ui/about/frmOverworld.h"
#include "ui/about/frmRepoint.h"
#include "ui/about/frmSprite.h"
#include "ui/about/frmTileset.h"

using namespace zantor;

class TestFrmInfo : public QObject {
    Q_OBJECT

private slots:
    void aboutBox() {
        frmInfo info;
        QCOMPARE(info.windowTitle(), QString("About Zantor"));
        QCOMPARE(info.size(), QSize(312, 170));
        QCOMPARE(info.minimumSize(), info.maximumSize());
        QCOMPARE(info.Label3->text(), QString("v 0.1.45"));
        QCOMPARE(info.Label1->text(), QString("Zantor"));
        QCOMPARE(info.Label1->font().pointSizeF(), 26.25);
        QCOMPARE(info.Label1->palette().color(QPalette::WindowText), QColor(255, 128, 0));
        QCOMPARE(info.Label4->text(), QString("THX to:"));
        QVERIFY(info.Label4->font().bold());
        QCOMPARE(info.Label10->geometry(), QRect(72, 48, 193, 17));
        const int widths[] = {273, 161, 185, 161, 249};
        for (int i = 0; i < 5; ++i) {
            QLabel* line = info.thanks[size_t(i)];
            QCOMPARE(line->geometry(), QRect(32, 88 + 16 * i, widths[i], 17));
            QVERIFY(QRegularExpression("^- .+ \\(.+\\)$").match(line->text()).hasMatch());
            QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= widths[i]);
        }
    }

    void placeholderWindowsAreEmpty() {
        frmCredits credits;
        frmSprite sprite;
        frmOverworld overworld;
        frmMusic music;
        frmTileset tileset;
        frmRepoint repoint;
        const QList<std::pair<QWidget*, bool>> windows{{&credits, true},   {&sprite, true},
                                                       {&overworld, true}, {&music, false},
                                                       {&tileset, false},  {&repoint, false}};
        for (const auto& [window, sizable] : windows) {
            QCOMPARE(window->windowTitle(), QString("Form1"));
            QCOMPARE(window->size(), QSize(312, 206));
            QVERIFY(window->findChildren<QWidget*>().isEmpty());
            QCOMPARE(window->minimumSize() != window->maximumSize(), sizable);
        }
    }
};

QTEST_MAIN(TestFrmInfo)
#include "tst_frmInfo.moc"
