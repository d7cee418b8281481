#include <QApplication>
#include <QStyleFactory>
#include <QtTest>

#include "widgets/DeferredIconStyle.h"

using namespace zantor;

class TestDeferredIconStyle : public QObject {
    Q_OBJECT

private slots:
    // The deferred icons are the style's own, pixel for pixel, in every size and mode asked.
    void iconsLookAsTheStylesOwn() {
        QStyle* plain = QStyleFactory::create("Fusion");
        DeferredIconStyle deferred(QStyleFactory::create("Fusion"));
        for (const QStyle::StandardPixmap which :
             {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_TitleBarCloseButton,
              QStyle::SP_MessageBoxWarning, QStyle::SP_DialogOpenButton}) {
            const QIcon mine = deferred.standardIcon(which);
            const QIcon theirs = plain->standardIcon(which);
            QCOMPARE(mine.isNull(), theirs.isNull());
            QCOMPARE(mine.availableSizes(), theirs.availableSizes());
            for (const int size : {16, 32}) {
                for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                    QCOMPARE(mine.pixmap(size, mode).toImage(),
                             theirs.pixmap(size, mode).toImage());
                }
            }
        }
        delete plain;
    }
};

QTEST_MAIN(TestDeferredIconStyle)
#include "tst_DeferredIconStyle.moc"
