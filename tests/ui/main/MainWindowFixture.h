#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "document/LevelDocument.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapPage.h"
#include "widgets/Dialogs.h"
#include "widgets/LevelView.h"

// A main window on screen (offscreen), with its dialogs answered by the test: file dialogs
// return the first of `fileAnswers`, when there is one, else `nextFile` (nullopt = cancel), and
// their titles are recorded; questions return `nextAnswer`, messages are recorded.
struct MainWindowFixture {
    struct Message {
        QString text, title;
    };

    QTemporaryDir dir;
    std::optional<QString> nextFile;
    QList<std::optional<QString>> fileAnswers;
    QStringList fileDialogs;
    zantor::Dialogs::Answer nextAnswer = zantor::Dialogs::Answer::Cancel;
    QList<Message> messages;
    QStringList questions;
    zantor::Dialogs::ScopedScript script{zantor::Dialogs::Script{
        [this](const QString& text, const QString& title, zantor::Dialogs::Icon) {
            messages.append({text, title});
        },
        [this](zantor::Dialogs::FileKind, const QString& title, const QString&, const QString&) {
            fileDialogs.append(title);
            return fileAnswers.isEmpty() ? nextFile : fileAnswers.takeFirst();
        },
        [this](const QString& text, const QString&, const QList<zantor::Dialogs::Answer>&) {
            questions.append(text);
            return nextAnswer;
        }}};
    std::unique_ptr<zantor::MainWindow> window;

    MainWindowFixture() {
        // One settings file per test program: they run in parallel.
        QCoreApplication::setOrganizationName("zantor-tests-" +
                                              QCoreApplication::applicationName());
        QSettings().clear();
        window = std::make_unique<zantor::MainWindow>();
        window->resize(900, 640);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("window not exposed");
    }

    // Writes `bytes` as a ROM in the fixture's folder and opens it with level `index`.
    QString open(const QByteArray& bytes, int index, const QString& name = "rom.gb") {
        const QString path = WriteFile(dir, name, bytes);
        window->findChild<QComboBox*>("cmbMap")->setCurrentIndex(index);
        window->openRom(path);
        return path;
    }

    zantor::MainWindow& w() { return *window; }
};

constexpr int kLevel = 6;  // of the sample, stored with room to spare

// The window with the sample's level kLevel open, and the mouse sent to its level view.
struct OpenedLevel : MainWindowFixture {
    QString path = open(zantor::BuildSampleCartridge(0), kLevel);
    zantor::LevelDocument* doc = w().document();
    zantor::LevelView* view = w().mapPage()->levelView();

    QPoint centreOf(QPoint cell) const {
        return view->viewportPoint(QPointF(cell * 16) + QPointF(8, 8));
    }
    void send(QEvent::Type type, QPoint cell, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers) {
        const QPointF at = centreOf(cell);
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), button, held, modifiers);
        QApplication::sendEvent(view->viewport(), &event);
    }
    // A left-button drag through the centres of `cells`, as the window system reports it.
    void drag(const QList<QPoint>& cells, Qt::KeyboardModifiers modifiers = {}) {
        send(QEvent::MouseButtonPress, cells.first(), Qt::LeftButton, Qt::LeftButton, modifiers);
        for (QPoint cell : cells.mid(1))
            send(QEvent::MouseMove, cell, Qt::NoButton, Qt::LeftButton, modifiers);
        send(QEvent::MouseButtonRelease, cells.last(), Qt::LeftButton, Qt::NoButton, modifiers);
    }
    void click(QPoint cell, Qt::KeyboardModifiers modifiers = {}) { drag({cell}, modifiers); }
};
