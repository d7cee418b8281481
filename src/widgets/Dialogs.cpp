#include "Dialogs.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "base/AppInfo.h"

namespace zantor {

namespace {
std::optional<Dialogs::Script>& script() {
    static std::optional<Dialogs::Script> current;
    return current;
}
}  // namespace

Dialogs::ScopedScript::ScopedScript(Script s) : previous_(std::move(script())) {
    script() = std::move(s);
}

Dialogs::ScopedScript::~ScopedScript() {
    script() = std::move(previous_);
}

void Dialogs::message(QWidget* parent, const QString& text, const QString& title, Icon icon) {
    const QString shownTitle = title.isEmpty() ? AppInfo::name() : title;
    if (script() && script()->onMessage) {
        script()->onMessage(text, shownTitle, icon);
        return;
    }
    QMessageBox box(icon == Icon::Critical      ? QMessageBox::Critical
                    : icon == Icon::Information ? QMessageBox::Information
                                                : QMessageBox::NoIcon,
                    shownTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

Dialogs::Answer Dialogs::ask(QWidget* parent, const QString& text, const QString& title,
                             const QList<Answer>& answers) {
    return ask(parent, text, title, answers, QString(), nullptr);
}

Dialogs::Answer Dialogs::ask(QWidget* parent, const QString& text, const QString& title,
                             const QList<Answer>& answers, const QString& option, bool* checked) {
    Q_ASSERT(!answers.isEmpty());
    if (checked)
        *checked = false;
    const QString shownTitle = title.isEmpty() ? AppInfo::name() : title;
    if (script()) {
        return script()->onAsk ? script()->onAsk(text, shownTitle, answers) : answers.last();
    }
    QMessageBox box(QMessageBox::Question, shownTitle, text, QMessageBox::NoButton, parent);
    QList<std::pair<QAbstractButton*, Answer>> buttons;
    for (Answer answer : answers) {
        QMessageBox::StandardButton standard = QMessageBox::Cancel;
        switch (answer) {
            case Answer::Save:
                standard = QMessageBox::Save;
                break;
            case Answer::Discard:
                standard = QMessageBox::Discard;
                break;
            case Answer::Cancel:
                standard = QMessageBox::Cancel;
                break;
            case Answer::Yes:
                standard = QMessageBox::Yes;
                break;
            case Answer::No:
                standard = QMessageBox::No;
                break;
        }
        buttons.append({box.addButton(standard), answer});
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first().first));
    box.setEscapeButton(buttons.last().first);
    if (!option.isEmpty())
        box.setCheckBox(new QCheckBox(option, &box));
    box.exec();
    if (checked && box.checkBox())
        *checked = box.checkBox()->isChecked();
    for (const auto& [button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return answers.last();
}

Dialogs::Answer Dialogs::askToSave(QWidget* parent, const QString& what) {
    return ask(parent, QCoreApplication::translate("Dialogs", "Do you want to save %1?").arg(what),
               {}, {Answer::Save, Answer::Discard, Answer::Cancel});
}

bool Dialogs::maybeSave(QWidget* parent, bool modified, const QString& what,
                        const std::function<bool()>& save) {
    if (!modified)
        return true;
    switch (askToSave(parent, what)) {
        case Answer::Save:
            return save();
        case Answer::Discard:
            return true;
        default:
            return false;
    }
}

QString Dialogs::qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == "*.*")
                pattern = "*";  // also files without an extension
        }
        // A description may already name its patterns ("Bitmaps (*.dib;*.bmp)"); Qt's list
        // names them once, from the patterns themselves.
        QString description = parts[i];
        if (description.endsWith(')') && description.contains('(')) {
            description = description.left(description.lastIndexOf('(')).trimmed();
        }
        entries << QStringLiteral("%1 (%2)").arg(description, patterns.join(' '));
    }
    return entries.join(";;");
}

std::optional<QString> Dialogs::chooseFile(QWidget* parent, FileKind kind, const QString& title,
                                           const QString& filter, const QString& fileName) {
    if (script() && script()->onChooseFile) {
        return script()->onChooseFile(kind, title, filter, fileName);
    }
    const QString qt = qtFilter(filter);
    const QString chosen = kind == FileKind::Open
                               ? QFileDialog::getOpenFileName(parent, title, fileName, qt)
                               : QFileDialog::getSaveFileName(parent, title, fileName, qt);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

}  // namespace zantor
