#include "Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <cstdlib>

#include "platform/AppInfo.h"

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

QString Dialogs::qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == "*.*")
                pattern = "*";  // also files without an extension
        }
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(' '));
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

void Dialogs::endProgram(int code) {
    if (script() && script()->onEndProgram) {
        script()->onEndProgram(code);
        return;
    }
    std::_Exit(code);
}

}  // namespace zantor
