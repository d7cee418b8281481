#include <QPaintEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QtTest>

#include "widgets/QuietScrollBar.h"

using namespace zantor;

namespace {
// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Where the style puts the slider for a value, with the bar's own options.
struct ProbedBar : QuietScrollBar {
    using QuietScrollBar::QuietScrollBar;
    QRect sliderAt(int value) const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.sliderPosition = option.sliderValue = value;
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                       this);
    }
};

void setUp(QScrollBar& bar) {
    bar.resize(bar.orientation() == Qt::Horizontal ? QSize(600, 16) : QSize(16, 400));
    bar.setRange(0, 3500);
    bar.setPageStep(600);
}
}  // namespace

class TestQuietScrollBar : public QObject {
    Q_OBJECT

private slots:
    // The images the bar paints from must give the style's own pixels, at the ends too (where
    // the arrow buttons overlap the slider's edge) and after the slider moved.
    void looksLikeThePlainBar_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<bool>("ownBackground");
        for (const char* style : {"Fusion", "Windows"}) {
            for (bool own : {false, true}) {
                const char* fill = own ? "filled" : "transparent";
                QTest::addRow("%s horizontal %s", style, fill) << style << Qt::Horizontal << own;
                QTest::addRow("%s vertical %s", style, fill) << style << Qt::Vertical << own;
            }
        }
    }
    void looksLikeThePlainBar() {
        QFETCH(QString, style);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(bool, ownBackground);
        std::unique_ptr<QStyle> theStyle(QStyleFactory::create(style));
        QScrollBar plain(orientation);
        QuietScrollBar quiet(orientation);
        for (QScrollBar* bar : std::initializer_list<QScrollBar*>{&plain, &quiet}) {
            bar->setStyle(theStyle.get());
            bar->setAutoFillBackground(ownBackground);
            setUp(*bar);
        }
        for (int value : {0, 1, 1000, 1004, 2900, 3499, 3500, 17}) {
            plain.setValue(value);
            quiet.setValue(value);
            QCOMPARE(quiet.grab().toImage(), plain.grab().toImage());
        }
    }

    void aStepThatLeavesTheSliderInPlaceRepaintsNothing() {
        // In a window, as in the editor, and away from the pointer: a hovered bar is drawn by the
        // style alone.
        QWidget window;
        ProbedBar bar(Qt::Horizontal, &window);
        setUp(bar);
        window.resize(640, 40);
        window.move(300, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
        PaintCounter counter;
        bar.installEventFilter(&counter);

        bar.setValue(1000);
        QApplication::processEvents();
        counter.paints = 0;
        const QRect before = bar.sliderAt(1000);
        int last = 1000;  // the last value that leaves the slider where it is drawn
        while (bar.sliderAt(last + 1) == before)
            ++last;
        QVERIFY(last > 1000);
        bar.setValue(last);
        QApplication::processEvents();
        QCOMPARE(counter.paints, 0);

        bar.setValue(last + 40);
        QApplication::processEvents();
        QCOMPARE(counter.paints, 1);
    }
};

QTEST_MAIN(TestQuietScrollBar)
#include "tst_QuietScrollBar.moc"
