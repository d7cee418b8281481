// A monkey: random clicks, drags, wheel turns, keys, shortcuts, menu actions, tab and level
// changes on the main window and the title screen editor, every dialog answered at random, for
// ZANTOR_MONKEY_SECONDS (30) with the seed ZANTOR_MONKEY_SEED. Whatever it does, the program must
// not crash (the sanitizers watch memory), must never end itself, and the ROM must still load.
//
// Windows are found as a user sees them (the visible top-level widgets), so the monkey does not
// depend on how the windows are built; the title screen editor is reached through the main
// window's "mnuTitle" action.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <exception>
#include <functional>
#include <optional>

#include "services/EmulatorLauncher.h"
#include "codec/RomFile.h"
#include "document/CartridgeCheck.h"
#include "document/LevelDocument.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "ui/main/MainWindow.h"
#include "widgets/Dialogs.h"

using namespace zantor;

namespace {

constexpr int kDefaultSeconds = 30;
constexpr quint32 kDefaultSeed = 20240618;
// Play-testing runs this instead of an emulator: a random Preferences entry or F5 must never
// start a real program.
const QString kHarmlessEmulator = QStringLiteral("true");
// How often open dialogs and popups get their random answer.
constexpr int kModalTendMs = 10;

int monkeySeconds() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("ZANTOR_MONKEY_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : kDefaultSeconds;
}

quint32 monkeySeed() {
    bool ok = false;
    const quint32 seed = qgetenv("ZANTOR_MONKEY_SEED").trimmed().toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

// Qt's offscreen platform warns about what it cannot do (grab the keyboard, raise a window) on
// nearly every popup. During the run each warning is shown the first time only (it may be what
// led to a crash) and counted; the counts come at the end.
QMap<QString, int> warningCounts;
QtMessageHandler testLogHandler = nullptr;

void countWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtWarningMsg || type == QtDebugMsg) && ++warningCounts[text] > 1)
        return;
    testLogHandler(type, context, text);
}

void keepEmulatorHarmless() {
    QSettings settings;
    if (settings.value(EmulatorLauncher::kSettingsKey).toString() != kHarmlessEmulator)
        settings.setValue(EmulatorLauncher::kSettingsKey, kHarmlessEmulator);
}

class Monkey : public QObject {
public:
    Monkey(const QString& folder, const QString& romPath, quint32 seed)
        : folder_(folder), romPath_(romPath), random_(seed) {}

    ~Monkey() override {
        stopped_ = true;
        delete window_.data();
    }

    // Sends random input until `milliseconds` have passed (or the program tried to end).
    void run(int milliseconds) {
        deadline_ = QDeadlineTimer(milliseconds);
        QTimer::singleShot(kModalTendMs, this, &Monkey::tendModal);
        while (!deadline_.hasExpired()) {
            ensureMainWindow();
            keepEmulatorHarmless();
            step();
            ++actions_;
            // Paints, coalesced updates, timers and deferred deletes, as between real inputs.
            QTest::qWait(chance(2) ? below(40) : 0);
        }
        stopped_ = true;
        releaseButtons();
    }

    qint64 events() const { return events_; }
    qint64 actions() const { return actions_; }
    int questions() const { return questions_; }
    int messages() const { return messages_; }
    int filesChosen() const { return filesChosen_; }

    Dialogs::Script script() {
        return Dialogs::Script{
            [this](const QString&, const QString&, Dialogs::Icon) { ++messages_; },
            [this](Dialogs::FileKind kind, const QString&, const QString& filter, const QString&) {
                return chooseFile(kind, filter);
            },
            [this](const QString&, const QString&, const QList<Dialogs::Answer>& answers) {
                ++questions_;
                return answers[below(int(answers.size()))];
            }};
    }

private:
    enum class Action {
        Click,
        DoubleClick,
        Drag,
        Hover,
        Wheel,
        Key,
        Typing,
        Shortcut,
        MenuAction,
        Tab,
        Level,
        ComboItem,
        TitleEditor,
        Resize,
        Close
    };

    int below(int n) { return n > 0 ? int(random_.bounded(quint32(n))) : 0; }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    T pick(const QList<T>& list) {
        return list[below(int(list.size()))];
    }

    // --- Files ---

    // Cancel, a file that is there (the ROM, its copy, the pictures, whatever the editor wrote),
    // or a new name with one of the filter's suffixes.
    std::optional<QString> chooseFile(Dialogs::FileKind kind, const QString& filter) {
        ++filesChosen_;
        const int roll = below(100);
        if (roll < 25)
            return std::nullopt;
        QStringList existing;
        for (const QFileInfo& info : QDir(folder_).entryInfoList(QDir::Files)) {
            // Writing an export or a patch over the ROM would destroy what the end checks,
            // as the user asked; every other file is fair game.
            if (kind == Dialogs::FileKind::Save && info.absoluteFilePath() == romPath_)
                continue;
            existing << info.absoluteFilePath();
        }
        if (roll < 60 && !existing.isEmpty())
            return pick(existing);
        return QDir(folder_).filePath(QStringLiteral("new-%1%2")
                                          .arg(++newFiles_)
                                          .arg(chance(10) ? QString() : suffixFrom(filter)));
    }

    // ".png" from "PNG pictures (*.png)|*.png". Never ".ips": an IPS patch has no checksums, so
    // one applied to another state of the ROM may rightly leave a broken cartridge.
    QString suffixFrom(const QString& filter) {
        const QStringList parts = filter.split('|');
        QStringList suffixes;
        for (int i = 1; i < parts.size(); i += 2) {
            for (const QString& pattern : parts[i].split(';', Qt::SkipEmptyParts)) {
                if (pattern.startsWith(QLatin1String("*.")) && pattern != QLatin1String("*.*") &&
                    pattern != QLatin1String("*.ips"))
                    suffixes << pattern.mid(1);
            }
        }
        return suffixes.isEmpty() ? QString() : pick(suffixes);
    }

    // --- Windows and widgets ---

    // A closed main window is started again, as a user would start the editor again.
    void ensureMainWindow() {
        if (window_ && window_->isVisible())
            return;
        delete window_.data();
        window_ = new MainWindow();
        window_->resize(700 + below(500), 500 + below(400));
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_))
            qFatal("the main window was not exposed");
        if (auto* levels = window_->findChild<QComboBox*>("cmbMap"))
            levels->setCurrentIndex(below(kMapCount));
        if (chance(85))
            window_->openRom(romPath_);
    }

    // The windows a user could click: visible, not a popup or a tooltip.
    QList<QWidget*> windows() const {
        QList<QWidget*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = widget->windowType();
            if (widget->isVisible() && (type == Qt::Window || type == Qt::Dialog))
                found << widget;
        }
        return found;
    }

    QWidget* pickWindow() {
        if (window_ && window_->isVisible() && chance(60))
            return window_;
        const QList<QWidget*> all = windows();
        return all.isEmpty() ? window_.data() : pick(all);
    }

    // A point a little beyond the edges now and then: widgets get those during drags.
    QPoint pointIn(const QWidget* widget) {
        const int margin = chance(5) ? 12 : 0;
        return QPoint(below(widget->width() + 2 * margin) - margin,
                      below(widget->height() + 2 * margin) - margin);
    }

    // Either what lies under a random point of the window, as a user hits it, or any visible
    // control of it. `at` is the point in the returned widget.
    QWidget* pickWidget(QWidget* window, QPoint* at) {
        if (chance(50)) {
            const QPoint point(below(window->width()), below(window->height()));
            QWidget* child = window->childAt(point);
            if (!child) {
                *at = point;
                return window;
            }
            *at = child->mapFrom(window, point);
            return child;
        }
        QList<QWidget*> widgets{window};
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && child->width() > 0 && child->height() > 0)
                widgets << child;
        }
        QWidget* widget = pick(widgets);
        *at = pointIn(widget);
        return widget;
    }

    // Keys go where the window's focus is, and shortcuts only reach the active window.
    QWidget* keyTarget(QWidget* window) {
        if (QApplication::activeWindow() != window) {
            window->activateWindow();
            QCoreApplication::processEvents();
        }
        if (chance(80) && window->focusWidget())
            return window->focusWidget();
        QPoint unused;
        return pickWidget(window, &unused);
    }

    Qt::MouseButton randomButton() {
        const int roll = below(100);
        return roll < 60 ? Qt::LeftButton : roll < 85 ? Qt::RightButton : Qt::MiddleButton;
    }

    Qt::KeyboardModifiers randomModifiers(int percent) {
        if (!chance(percent))
            return Qt::NoModifier;
        const Qt::KeyboardModifier all[] = {Qt::ControlModifier, Qt::ShiftModifier,
                                            Qt::AltModifier};
        Qt::KeyboardModifiers modifiers = all[below(3)];
        if (chance(20))
            modifiers |= all[below(3)];
        return modifiers;
    }

    // A button QTest still holds (its widget went away during a drag) is let go, so later moves
    // are not drags.
    static void releaseButtons() { QTestPrivate::qtestMouseButtons = Qt::NoButton; }

    // --- The actions ---

    void step() {
        static const std::pair<Action, int> weights[] = {
            {Action::Click, 20},      {Action::DoubleClick, 3}, {Action::Drag, 14},
            {Action::Hover, 4},       {Action::Wheel, 10},      {Action::Key, 12},
            {Action::Typing, 3},      {Action::Shortcut, 10},   {Action::MenuAction, 6},
            {Action::Tab, 3},         {Action::Level, 2},       {Action::ComboItem, 2},
            {Action::TitleEditor, 2}, {Action::Resize, 1},      {Action::Close, 1},
        };
        int total = 0;
        for (const auto& [action, weight] : weights)
            total += weight;
        int roll = below(total);
        Action chosen = Action::Click;
        for (const auto& [action, weight] : weights) {
            if (roll < weight) {
                chosen = action;
                break;
            }
            roll -= weight;
        }
        QWidget* window = pickWindow();
        if (!window)
            return;
        perform(chosen, window);
    }

    void perform(Action action, QWidget* window) {
        switch (action) {
            case Action::Click:
                return click(window, false);
            case Action::DoubleClick:
                return click(window, true);
            case Action::Drag:
                return drag(window);
            case Action::Hover:
                return hover(window);
            case Action::Wheel:
                return wheel(window);
            case Action::Key:
                return key(window);
            case Action::Typing:
                return typing(window);
            case Action::Shortcut:
                return shortcut(window);
            case Action::MenuAction:
                return menuAction(window);
            case Action::Tab:
                return switchTab(window);
            case Action::Level:
                return switchLevel();
            case Action::ComboItem:
                return comboItem(window);
            case Action::TitleEditor:
                return openTitleEditor();
            case Action::Resize:
                window->resize(150 + below(1300), 120 + below(1000));
                return;
            case Action::Close:
                ++events_;
                window->close();
                return;
        }
    }

    void click(QWidget* window, bool twice) {
        QPoint at;
        QPointer<QWidget> target = pickWidget(window, &at);
        const Qt::MouseButton button = randomButton();
        const Qt::KeyboardModifiers modifiers = randomModifiers(15);
        ++events_;
        if (twice) {
            QTest::mouseDClick(target, button, modifiers, at);
            // A double click presses without letting go; the window system's release follows.
            if (target)
                QTest::mouseRelease(target, button, modifiers, at);
        } else {
            QTest::mouseClick(target, button, modifiers, at);
        }
        releaseButtons();
    }

    // Press, several moves with the button held (short steps and jumps, pauses for the
    // timers), release: where the press landed gets them all, as under a mouse grab. Now and
    // then a key, a shortcut, the wheel or a menu entry comes in the middle of the stroke.
    void drag(QWidget* window) {
        static const Action midStroke[] = {Action::Key,        Action::Shortcut, Action::Shortcut,
                                           Action::Wheel,      Action::Level,    Action::Tab,
                                           Action::MenuAction, Action::Close};
        QPointer<QWidget> owner = window;
        QPoint at;
        QPointer<QWidget> target = pickWidget(window, &at);
        const Qt::MouseButton button = randomButton();
        const Qt::KeyboardModifiers modifiers = randomModifiers(10);
        QTest::mousePress(target, button, modifiers, at);
        ++events_;
        const int moves = 2 + below(14);
        for (int i = 0; i < moves && target && target->isVisible(); ++i) {
            const int reach = chance(15) ? 400 : 40;
            at += QPoint(below(2 * reach + 1) - reach, below(2 * reach + 1) - reach);
            QTest::mouseMove(target, at);
            ++events_;
            if (chance(3))
                QTest::qWait(below(40));
            if (chance(4) && owner && owner->isVisible())
                perform(midStroke[below(int(std::size(midStroke)))], owner);
        }
        if (target) {
            QTest::mouseRelease(target, button, modifiers, at);
            ++events_;
        }
        releaseButtons();
    }

    void hover(QWidget* window) {
        QPoint at;
        QWidget* target = pickWidget(window, &at);
        QTest::mouseMove(target, at);
        ++events_;
    }

    void wheel(QWidget* window) {
        QPoint at;
        QWidget* target = pickWidget(window, &at);
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        const int roll = below(100);
        if (roll < 25)
            modifiers = Qt::ControlModifier;
        else if (roll < 45)
            modifiers = Qt::ShiftModifier;
        else if (roll < 50)
            modifiers = Qt::ControlModifier | Qt::ShiftModifier;
        // Notches of a wheel, or the small steps of a touchpad.
        const int amount = chance(70) ? 120 * (1 + below(3)) : 1 + below(40);
        const int delta = chance(50) ? amount : -amount;
        const QPoint angle = chance(85) ? QPoint(0, delta) : QPoint(delta, 0);
        const QPoint pixels = chance(20) ? angle / 4 : QPoint();
        QWheelEvent event(QPointF(at), QPointF(target->mapToGlobal(at)), pixels, angle,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        ++events_;
    }

    void key(QWidget* window) {
        static const QList<Qt::Key> keys = [] {
            QList<Qt::Key> list{Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,
                                Qt::Key_Escape,   Qt::Key_Delete, Qt::Key_Space, Qt::Key_Tab,
                                Qt::Key_Backtab,  Qt::Key_Return, Qt::Key_Enter, Qt::Key_PageUp,
                                Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,   Qt::Key_Backspace,
                                Qt::Key_Plus,     Qt::Key_Minus,  Qt::Key_Equal};
            for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
                list << Qt::Key(k);
            for (int k = Qt::Key_0; k <= Qt::Key_9; ++k)
                list << Qt::Key(k);
            return list;
        }();
        QWidget* target = keyTarget(window);
        QTest::keyClick(target, pick(keys), chance(15) ? Qt::ShiftModifier : Qt::NoModifier);
        ++events_;
    }

    // Text into whatever has the focus: hex bytes, numbers, words.
    void typing(QWidget* window) {
        static const QStringList texts{"3F", "ff", "00",    "1",    "900", "901", "-5",
                                       "zz", "E4", "12345", "0x10", " ",   "abc"};
        QWidget* target = keyTarget(window);
        QPointer<QWidget> guard = target;
        const QString text = pick(texts);
        for (QChar c : text) {
            if (!guard)
                break;
            QTest::keyClick(guard, c.toLatin1());
            ++events_;
        }
        if (guard && chance(50)) {
            QTest::keyClick(guard, chance(70) ? Qt::Key_Return : Qt::Key_Tab);
            ++events_;
        }
    }

    void shortcut(QWidget* window) {
        static const QList<std::pair<Qt::Key, Qt::KeyboardModifiers>> shortcuts{
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_S, Qt::ControlModifier},
            {Qt::Key_G, Qt::ControlModifier},
            {Qt::Key_Equal, Qt::ControlModifier},
            {Qt::Key_Plus, Qt::ControlModifier},
            {Qt::Key_Minus, Qt::ControlModifier},
            {Qt::Key_0, Qt::ControlModifier},
            {Qt::Key_R, Qt::ControlModifier},
            {Qt::Key_O, Qt::ControlModifier},
            {Qt::Key_Q, Qt::ControlModifier},
            {Qt::Key_W, Qt::ControlModifier},
            {Qt::Key_F5, Qt::NoModifier},
            // Mnemonics of the menus and the tabs.
            {Qt::Key_F, Qt::AltModifier},
            {Qt::Key_E, Qt::AltModifier},
            {Qt::Key_V, Qt::AltModifier},
            {Qt::Key_D, Qt::AltModifier},
            {Qt::Key_T, Qt::AltModifier},
            {Qt::Key_O, Qt::AltModifier},
            {Qt::Key_M, Qt::AltModifier},
            {Qt::Key_B, Qt::AltModifier},
            {Qt::Key_H, Qt::AltModifier},
        };
        const auto& [key, modifiers] = pick(shortcuts);
        QTest::keyClick(keyTarget(window), key, modifiers);
        ++events_;
    }

    // Every enabled entry of the window's menu bar, submenus included (filled as when they
    // open), and the window's own actions.
    QList<QAction*> actionsOf(QWidget* window) {
        QList<QAction*> found;
        std::function<void(QMenu*)> collect = [&](QMenu* menu) {
            emit menu->aboutToShow();
            for (QAction* action : menu->actions()) {
                if (action->menu())
                    collect(action->menu());
                else if (!action->isSeparator())
                    found << action;
            }
        };
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            for (QAction* action : bar->actions()) {
                if (action->menu())
                    collect(action->menu());
            }
        }
        found << window->actions();
        QList<QAction*> usable;
        for (QAction* action : found) {
            // Only the program's end is off limits; closing a window is not.
            if (action->isEnabled() && action->menuRole() != QAction::QuitRole)
                usable << action;
        }
        return usable;
    }

    void menuAction(QWidget* window) {
        const QList<QAction*> actions = actionsOf(window);
        if (actions.isEmpty())
            return;
        pick(actions)->trigger();
        ++events_;
    }

    void switchTab(QWidget* window) {
        QList<QTabWidget*> tabs;
        for (QTabWidget* tab : window->findChildren<QTabWidget*>()) {
            if (tab->isVisible() && tab->count() > 0)
                tabs << tab;
        }
        if (tabs.isEmpty())
            return;
        QTabWidget* tab = pick(tabs);
        tab->setCurrentIndex(below(tab->count()));
        ++events_;
    }

    void switchLevel() {
        if (auto* levels = window_ ? window_->findChild<QComboBox*>("cmbMap") : nullptr) {
            levels->setCurrentIndex(below(levels->count()));
            ++events_;
        }
    }

    void comboItem(QWidget* window) {
        QList<QComboBox*> boxes;
        for (QComboBox* box : window->findChildren<QComboBox*>()) {
            if (box->isVisible() && box->isEnabled() && box->count() > 0)
                boxes << box;
        }
        if (boxes.isEmpty())
            return;
        QComboBox* box = pick(boxes);
        box->setCurrentIndex(below(box->count()));
        ++events_;
    }

    void openTitleEditor() {
        QAction* action = window_ ? window_->findChild<QAction*>("mnuTitle") : nullptr;
        if (action && action->isEnabled()) {
            action->trigger();
            ++events_;
        }
    }

    // --- Modal dialogs and popups ---

    // A dialog's exec() or a popup menu's runs its own event loop, where the monkey's loop
    // waits: this answers it from a timer with a few random events, or closes it.
    void tendModal() {
        if (stopped_)
            return;
        // Armed before anything is sent, so that a dialog opened from this one is tended too.
        QTimer::singleShot(kModalTendMs, this, &Monkey::tendModal);
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* modal = popup ? popup : QApplication::activeModalWidget();
        if (!modal)
            return;
        QPointer<QWidget> open = modal;
        if (deadline_.hasExpired() || chance(25)) {
            dismiss(modal);
            keepEmulatorHarmless();
            return;
        }
        static const Action inside[] = {Action::Click,  Action::Click,    Action::Drag,
                                        Action::Wheel,  Action::Key,      Action::Key,
                                        Action::Typing, Action::ComboItem};
        const int count = 1 + below(4);
        for (int i = 0; i < count && open && open->isVisible(); ++i) {
            perform(inside[below(int(std::size(inside)))], open);
            // The Preferences may just have taken a random emulator command.
            keepEmulatorHarmless();
        }
    }

    void dismiss(QWidget* modal) {
        ++events_;
        if (!deadline_.hasExpired() && chance(50)) {
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }

    QString folder_;
    QString romPath_;
    QRandomGenerator random_;
    QDeadlineTimer deadline_;
    QPointer<MainWindow> window_;
    bool stopped_ = false;
    qint64 events_ = 0;
    qint64 actions_ = 0;
    int questions_ = 0;
    int messages_ = 0;
    int filesChosen_ = 0;
    int newFiles_ = 0;
};

// A picture in the title's four greys and a photo-like one in any colours, for the file
// choices.
void writePictures(const QTemporaryDir& dir, quint32 seed) {
    QRandomGenerator random(seed);
    QImage tiles(128, 128, QImage::Format_RGB32);
    const QRgb greys[] = {qRgb(255, 255, 255), qRgb(170, 170, 170), qRgb(85, 85, 85),
                          qRgb(0, 0, 0)};
    for (int y = 0; y < tiles.height(); ++y) {
        for (int x = 0; x < tiles.width(); ++x)
            tiles.setPixel(x, y, greys[random.bounded(4)]);
    }
    QImage photo(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, random.generate() | 0xFF000000u);
    }
    if (!tiles.save(dir.filePath("tiles.bmp"), "BMP") ||
        !photo.save(dir.filePath("photo.png"), "PNG"))
        qFatal("cannot write the test pictures");
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Settings of their own, never the user's, and no real emulator behind F5.
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("zantor-monkey");
        QCoreApplication::setApplicationName("tst_monkey");
        QSettings().clear();
        keepEmulatorHarmless();
        // The main window is started again when the monkey closes it.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void randomInputLeavesTheRomLoadable() {
        const int seconds = monkeySeconds();
        const quint32 seed = monkeySeed();
        qInfo("monkey: seed %u for %d s (repeat: ZANTOR_MONKEY_SEED=%u ZANTOR_MONKEY_SECONDS=%d)",
              seed, seconds, seed, seconds);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray sample = BuildSampleCartridge(0);
        const QString rom = WriteFile(dir, "rom.gb", sample);
        WriteFile(dir, "copy.gb", sample);
        WriteFile(dir, "cut-short.gb", sample.left(0x3000));
        writePictures(dir, seed);

        {
            Monkey monkey(dir.path(), QFileInfo(rom).absoluteFilePath(), seed);
            const Dialogs::ScopedScript script(monkey.script());
            testLogHandler = qInstallMessageHandler(countWarnings);
            monkey.run(seconds * 1000);
            qInstallMessageHandler(testLogHandler);
            for (auto it = warningCounts.cbegin(); it != warningCounts.cend(); ++it)
                qInfo("monkey: %d x warning: %s", it.value(), qPrintable(it.key()));
            qInfo(
                "monkey: seed %u, %lld events in %lld actions; %d questions, %d messages, "
                "%d file choices",
                seed, monkey.events(), monkey.actions(), monkey.questions(), monkey.messages(),
                monkey.filesChosen());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // The ROM as it is on disk: whole, still a cartridge, and every level loads.
        const QByteArray onDisk = ReadFile(rom);
        QCOMPARE(onDisk.size(), sample.size());
        qsizetype changed = 0;
        for (qsizetype i = 0; i < onDisk.size(); ++i)
            changed += onDisk[i] != sample[i];
        qInfo("monkey: the saves changed %lld bytes of the ROM", qlonglong(changed));
        QCOMPARE(CartridgeCheck::problems(RomFile::open(rom)), QString());
        for (int level = 0; level < kMapCount; ++level) {
            LevelDocument document;
            try {
                document.load(rom, level);
            } catch (const std::exception& error) {
                QFAIL(qPrintable(
                    QStringLiteral("level %1 no longer loads: %2").arg(level).arg(error.what())));
            }
            QVERIFY(document.hasLevel());
        }
    }
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
