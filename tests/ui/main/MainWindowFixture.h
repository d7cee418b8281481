#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "support/TempRom.h"
#include "ui/main/MainWindow.h"
#include "widgets/Dialogs.h"

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
