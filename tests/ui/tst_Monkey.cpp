// A monkey: random input on the main window and the title screen editor (reached through
// "mnuTitle"), every dialog answered at random, for ZANTOR_MONKEY_SECONDS (30) with the seed
// ZANTOR_MONKEY_SEED. The program must not crash or end itself, and the ROM must still load.
#include <QtTest>
#include <QtWidgets>
#include <optional>
#include <type_traits>
#include <utility>

#include "codec/RomFile.h"
#include "document/CartridgeCheck.h"
#include "document/LevelDocument.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "services/EmulatorLauncher.h"
#include "support/TempRom.h"
#include "ui/main/MainWindow.h"
#include "widgets/Dialogs.h"

using namespace zantor;

namespace {

int monkeySeconds() {
    const int seconds = qEnvironmentVariableIntValue("ZANTOR_MONKEY_SECONDS");
    return seconds > 0 ? seconds : 30;
}

// F5 or a random Preferences entry must never start a real program.
void keepEmulatorHarmless() {
    QSettings settings;
    if (settings.value(EmulatorLauncher::kSettingsKey).toString() != "true")
        settings.setValue(EmulatorLauncher::kSettingsKey, "true");
}

// The offscreen platform says on nearly every popup what it cannot do; nothing to see.
QtMessageHandler testLog = nullptr;
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith("This plugin does not support"))
        testLog(type, context, text);
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void randomInputLeavesTheRomLoadable() {
        // Settings of their own, never the user's; a closed main window is started again.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("zantor-monkey");
        QCoreApplication::setApplicationName("tst_monkey");
        QSettings().clear();
        keepEmulatorHarmless();
        QApplication::setQuitOnLastWindowClosed(false);
        const int seconds = monkeySeconds();
        bool ok = false;
        quint32 seed = qgetenv("ZANTOR_MONKEY_SEED").trimmed().toUInt(&ok);
        seed = ok ? seed : 20240618;
        random_.seed(seed);
        qInfo("monkey: seed %u for %d s (repeat: ZANTOR_MONKEY_SEED=%u ZANTOR_MONKEY_SECONDS=%d)",
              seed, seconds, seed, seconds);

        // The ROM, files to open in its place, and pictures in the title's greys and in any
        // colours.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray sample = BuildSampleCartridge(0);
        folder_ = dir.path();
        rom_ = QFileInfo(WriteFile(dir, "rom.gb", sample)).absoluteFilePath();
        WriteFile(dir, "copy.gb", sample);
        WriteFile(dir, "cut-short.gb", sample.left(0x3000));
        const QRgb greys[] = {0xFFFFFFFF, 0xFFAAAAAA, 0xFF555555, 0xFF000000};
        QImage tiles(128, 128, QImage::Format_RGB32), photo(37, 23, QImage::Format_RGB32);
        for (int i = 0; i < 128 * 128; ++i)
            tiles.setPixel(i % 128, i / 128, pick(greys));
        for (int i = 0; i < 37 * 23; ++i)
            photo.setPixel(i % 37, i / 37, random_.generate() | 0xFF000000u);
        QVERIFY(tiles.save(dir.filePath("tiles.bmp"), "BMP"));
        QVERIFY(photo.save(dir.filePath("photo.png"), "PNG"));

        {
            const Dialogs::ScopedScript script(Dialogs::Script{
                [](auto&&...) {},
                [this](auto kind, auto&, auto& filter, auto&) { return chooseFile(kind, filter); },
                [this](auto&, auto&, auto& answers) { return pick(answers); }});
            testLog = qInstallMessageHandler(quietOffscreen);
            deadline_ = QDeadlineTimer(seconds * 1000);
            QTimer::singleShot(kTendMs, this, &TestMonkey::tendModal);
            while (!deadline_.hasExpired()) {
                ensureMainWindow();
                keepEmulatorHarmless();
                QWidget* window = pickWindow();
                for (int roll = below(100); const auto& [weight, act] : kActions) {
                    if ((roll -= weight) < 0 && window) {
                        (this->*act)(window);
                        break;
                    }
                }
                ++inputs_;
                // Paints, timers and deferred deletes, as between real inputs.
                QTest::qWait(chance(2) ? below(40) : 0);
            }
            stopped_ = true;
            releaseButtons();
            delete window_.data();
            qInstallMessageHandler(testLog);
        }
        qInfo("monkey: seed %u, %lld inputs", seed, inputs_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // The ROM on disk: whole, still a cartridge, and every level loads.
        QCOMPARE(ReadFile(rom_).size(), sample.size());
        QCOMPARE(CartridgeCheck::problems(RomFile::open(rom_)), QString());
        for (int level = 0; level < kMapCount; ++level) {
            LevelDocument document;
            QVERIFY_THROWS_NO_EXCEPTION(document.load(rom_, level));
            QVERIFY(document.hasLevel());
        }
    }

private:
    using Act = void (TestMonkey::*)(QWidget*);

    int below(int n) { return n > 0 ? int(random_.bounded(quint32(n))) : 0; }
    bool chance(int percent) { return below(100) < percent; }
    template <class List>
    auto pick(const List& list) -> std::decay_t<decltype(list[0])> {
        return list[below(int(std::size(list)))];
    }

    // Cancel, a file that is there, or a new name with one of the filter's suffixes (never
    // ".ips": a patch without checksums applied to another ROM state may rightly break it).
    std::optional<QString> chooseFile(Dialogs::FileKind kind, const QString& filter) {
        const int roll = below(100);
        if (roll < 25)
            return std::nullopt;
        QStringList existing = QDir(folder_).entryList(QDir::Files);
        if (kind == Dialogs::FileKind::Save)
            existing.removeAll("rom.gb");  // writing over it would destroy what the end checks
        if (roll < 60 && !existing.isEmpty())
            return QDir(folder_).filePath(pick(existing));
        QStringList suffixes{QString()};
        for (const auto& match : QRegularExpression(R"(\*(\.\w+))").globalMatch(filter)) {
            if (match.captured(1) != ".ips")
                suffixes << match.captured(1);
        }
        return QDir(folder_).filePath(QString("new-%1%2").arg(++newFiles_).arg(pick(suffixes)));
    }

    // A closed main window is started again, as a user would.
    void ensureMainWindow() {
        if (window_ && window_->isVisible())
            return;
        delete window_.data();
        window_ = new MainWindow();
        window_->resize(700 + below(500), 500 + below(400));
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_))
            qFatal("the main window was not exposed");
        level(window_);
        if (chance(85))
            window_->openRom(rom_);
    }

    // The main window mostly, else any visible window or dialog a user could click.
    QWidget* pickWindow() {
        if (window_ && window_->isVisible() && chance(60))
            return window_;
        QList<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = widget->windowType();
            if (widget->isVisible() && (type == Qt::Window || type == Qt::Dialog))
                windows << widget;
        }
        return windows.isEmpty() ? nullptr : pick(windows);
    }

    // What lies under a random point, or any visible control, and a point in it (now and then
    // a little beyond its edges, as during drags).
    using Spot = std::pair<QPointer<QWidget>, QPoint>;
    Spot pickSpot(QWidget* window) {
        if (chance(50)) {
            const QPoint point(below(window->width()), below(window->height()));
            QWidget* child = window->childAt(point);
            return child ? Spot{child, child->mapFrom(window, point)} : Spot{window, point};
        }
        QList<QWidget*> widgets{window};
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && !child->size().isEmpty())
                widgets << child;
        }
        QWidget* widget = pick(widgets);
        const int margin = chance(5) ? 12 : 0;
        return {widget, QPoint(below(widget->width() + 2 * margin) - margin,
                               below(widget->height() + 2 * margin) - margin)};
    }

    // Keys go to the focus, and shortcuts only reach the active window.
    QWidget* keyTarget(QWidget* window) {
        if (QApplication::activeWindow() != window) {
            window->activateWindow();
            QCoreApplication::processEvents();
        }
        return chance(80) && window->focusWidget() ? window->focusWidget()
                                                   : pickSpot(window).first.data();
    }

    Qt::KeyboardModifiers modifiers(int percent) {
        static const Qt::KeyboardModifiers all[] = {Qt::ControlModifier, Qt::ShiftModifier,
                                                    Qt::AltModifier,
                                                    Qt::ControlModifier | Qt::ShiftModifier};
        return chance(percent) ? pick(all) : Qt::NoModifier;
    }
    Qt::MouseButton button() {
        return chance(60) ? Qt::LeftButton : chance(60) ? Qt::RightButton : Qt::MiddleButton;
    }

    // A button QTest still holds (its widget went away mid-drag) is let go.
    static void releaseButtons() { QTestPrivate::qtestMouseButtons = Qt::NoButton; }

    // A click, now and then a double click (which presses without letting go, so the window
    // system's release follows) or a bare move.
    void click(QWidget* window) {
        auto [target, at] = pickSpot(window);
        const Qt::MouseButton pressed = button();
        const Qt::KeyboardModifiers held = modifiers(15);
        if (chance(70)) {
            QTest::mouseClick(target, pressed, held, at);
        } else if (chance(50)) {
            QTest::mouseDClick(target, pressed, held, at);
            if (target)
                QTest::mouseRelease(target, pressed, held, at);
        } else {
            QTest::mouseMove(target, at);
        }
        releaseButtons();
    }

    // Press, moves with the button held (short steps and jumps), release: the pressed widget
    // gets them all, as under a mouse grab, with now and then another input in between.
    void drag(QWidget* window) {
        QPointer<QWidget> owner = window;
        auto [target, at] = pickSpot(window);
        const Qt::MouseButton pressed = button();
        const Qt::KeyboardModifiers held = modifiers(10);
        QTest::mousePress(target, pressed, held, at);
        for (int i = 2 + below(14); i > 0 && target && target->isVisible(); --i) {
            const int reach = chance(15) ? 400 : 40;
            at += QPoint(below(2 * reach + 1) - reach, below(2 * reach + 1) - reach);
            QTest::mouseMove(target, at);
            if (chance(3))
                QTest::qWait(below(40));
            if (chance(4) && owner && owner->isVisible())
                (this->*pick(kMidStroke))(owner);
        }
        if (target)
            QTest::mouseRelease(target, pressed, held, at);
        releaseButtons();
    }

    // Notches of a wheel or the small steps of a touchpad, either way, with Ctrl and Shift.
    void wheel(QWidget* window) {
        const auto [target, at] = pickSpot(window);
        const int amount =
            (chance(70) ? 120 * (1 + below(3)) : 1 + below(40)) * (chance(50) ? 1 : -1);
        const QPoint angle = chance(85) ? QPoint(0, amount) : QPoint(amount, 0);
        QWheelEvent event(at, target->mapToGlobal(at), chance(20) ? angle / 4 : QPoint(), angle,
                          Qt::NoButton, modifiers(50) & ~Qt::AltModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    // Single keys, the shortcuts, F5 and the mnemonics of the menus and tabs.
    void key(QWidget* window) {
        static const QList<QKeySequence> keys = QKeySequence::listFromString(
            "Left; Right; Up; Down; Esc; Del; Space; Tab; Backtab; Return; Enter; PgUp; PgDown; "
            "Home; End; Backspace; Shift+Left; Shift+Up; Ctrl+Z; Ctrl+Y; Ctrl+Shift+Z; Ctrl+S; "
            "Ctrl+G; Ctrl+=; Ctrl++; Ctrl+-; Ctrl+0; Ctrl+R; Ctrl+O; Ctrl+Q; Ctrl+W; F5; Alt+F; "
            "Alt+E; Alt+V; Alt+D; Alt+T; Alt+O; Alt+M; Alt+B; Alt+H");
        QTest::keySequence(keyTarget(window), pick(keys));
    }

    // Letters, digits and signs, or hex bytes, numbers and words, now and then confirmed.
    void typing(QWidget* window) {
        static const char* const texts[] = {"3F", "ff", "00",    "1",    "900", "901", "-5",
                                            "zz", "E4", "12345", "0x10", " ",   "abc"};
        static const char chars[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-=";
        QPointer<QWidget> target = keyTarget(window);
        const char single[] = {chars[below(int(sizeof chars) - 1)], 0};
        for (const char* c = chance(60) ? single : pick(texts); *c && target; ++c)
            QTest::keyClick(target, *c);
        if (target && chance(20))
            QTest::keyClick(target, chance(70) ? Qt::Key_Return : Qt::Key_Tab);
    }

    // Any enabled entry of the menu bar (filled as when it opens) or of the window's own
    // actions, but the program's end.
    void menuAction(QWidget* window) {
        QList<QAction*> found = window->actions();
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            for (QMenu* menu : bar->findChildren<QMenu*>()) {
                emit menu->aboutToShow();
                found << menu->actions();
            }
        }
        found.removeIf([](QAction* action) {
            return action->menu() || action->isSeparator() || !action->isEnabled() ||
                   action->menuRole() == QAction::QuitRole;
        });
        if (!found.isEmpty())
            pick(found)->trigger();
    }

    // A random entry of a tab or combo box of the window.
    template <class Control>
    void setIndex(QWidget* window) {
        QList<Control*> usable = window->findChildren<Control*>();
        usable.removeIf(
            [](Control* c) { return !c->isVisible() || !c->isEnabled() || !c->count(); });
        if (Control* control = usable.isEmpty() ? nullptr : pick(usable))
            control->setCurrentIndex(below(control->count()));
    }
    void tabs(QWidget* window) { setIndex<QTabWidget>(window); }
    void combos(QWidget* window) { setIndex<QComboBox>(window); }
    void level(QWidget*) {
        if (auto* levels = window_ ? window_->findChild<QComboBox*>("cmbMap") : nullptr)
            levels->setCurrentIndex(below(levels->count()));
    }
    void titleEditor(QWidget*) {
        QAction* action = window_ ? window_->findChild<QAction*>("mnuTitle") : nullptr;
        if (action && action->isEnabled())
            action->trigger();
    }
    void resize(QWidget* window) { window->resize(150 + below(1300), 120 + below(1000)); }
    void close(QWidget* window) { window->close(); }

    // A dialog's exec() or a popup runs its own event loop where the monkey's loop waits: a
    // timer gives it a few random inputs, or closes it (always once the time is up).
    void tendModal() {
        if (stopped_)
            return;
        // Armed first, so that a dialog opened from this one is tended too.
        QTimer::singleShot(kTendMs, this, &TestMonkey::tendModal);
        QWidget* popup = QApplication::activePopupWidget();
        QPointer<QWidget> modal = popup ? popup : QApplication::activeModalWidget();
        if (!modal)
            return;
        if (deadline_.hasExpired() || chance(25)) {
            if (!deadline_.hasExpired() && chance(50))
                QTest::keyClick(modal, Qt::Key_Escape);
            else if (auto* dialog = qobject_cast<QDialog*>(modal.data()))
                dialog->reject();
            else
                modal->close();
        } else {
            // The Preferences may take a random emulator command on the way.
            for (int i = 1 + below(4); i > 0 && modal && modal->isVisible(); --i) {
                (this->*pick(kInModal))(modal);
                keepEmulatorHarmless();
            }
        }
        keepEmulatorHarmless();
    }

    static constexpr int kTendMs = 10;
    using M = TestMonkey;
    // Weights add up to 100.
    static constexpr std::pair<int, Act> kActions[] = {
        {30, &M::click}, {14, &M::drag},       {10, &M::wheel}, {17, &M::key},
        {8, &M::typing}, {6, &M::menuAction},  {3, &M::tabs},   {3, &M::combos},
        {3, &M::level},  {3, &M::titleEditor}, {2, &M::resize}, {1, &M::close}};
    // What comes in the middle of a drag, and what a modal dialog gets before its answer.
    static constexpr Act kMidStroke[] = {&M::key,  &M::key,        &M::wheel, &M::level,
                                         &M::tabs, &M::menuAction, &M::close};
    static constexpr Act kInModal[] = {&M::click, &M::drag,   &M::wheel,
                                       &M::key,   &M::typing, &M::combos};

    QRandomGenerator random_;
    QString folder_;
    QString rom_;
    QDeadlineTimer deadline_;
    QPointer<MainWindow> window_;
    bool stopped_ = false;
    qint64 inputs_ = 0;
    int newFiles_ = 0;
};

int main(int argc, char** argv) {
    // QtTest ends a test function after five minutes; a long run needs longer.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number((monkeySeconds() + 120) * 1000));
    QApplication app(argc, argv);
    TestMonkey test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Monkey.moc"
