#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "widgets/Dialogs.h"
#include "support/TempRom.h"
#include "ui/main/frmMain.h"

// A main window on screen (offscreen), with its dialogs answered by the test: file dialogs
// return `nextFile` (nullopt = cancel), messages are recorded, and the end of the program is
// recorded instead of happening.
struct MainWindowFixture {
    struct Message {
        QString text, title;
        zantor::Dialogs::Icon icon;
    };

    QTemporaryDir dir;
    std::shared_ptr<zantor::EditorState> state = std::make_shared<zantor::EditorState>();
    std::optional<QString> nextFile;
    QList<Message> messages;
    int programEnded = 0;
    zantor::Dialogs::ScopedScript script{zantor::Dialogs::Script{
        [this](const QString& text, const QString& title, zantor::Dialogs::Icon icon) {
            messages.append({text, title, icon});
        },
        [this](zantor::Dialogs::FileKind, const QString&, const QString&, const QString&) {
            return nextFile;
        },
        [this](int) { ++programEnded; }}};
    std::unique_ptr<zantor::frmMain> window;

    MainWindowFixture() {
        window = std::make_unique<zantor::frmMain>(state);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("window not exposed");
    }

    // Writes `bytes` as a ROM in the fixture's folder and opens it with map `index` selected.
    QString open(const QByteArray& bytes, int index, const QString& name = "rom.gb") {
        const QString path = WriteFile(dir, name, bytes);
        window->cmbMap->setCurrentIndex(index);
        nextFile = path;
        window->mnuOpen_Click();
        return path;
    }

    zantor::frmMain& w() { return *window; }
};
