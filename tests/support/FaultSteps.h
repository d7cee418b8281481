#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "base/AtomicFileWriter.h"

// Fault injection over every step of an atomic write: first the action runs once unhindered
// to learn which steps its writes go through (so a larger file's extra write chunks are
// covered too), then it runs again once per step with exactly that step failing.
struct FaultStep {
    zantor::AtomicFileWriter::Step step;
    int index;

    QString name() const {
        using Step = zantor::AtomicFileWriter::Step;
        switch (step) {
            case Step::CreateTemporary:
                return QStringLiteral("create temporary");
            case Step::Write:
                return QStringLiteral("write %1").arg(index);
            case Step::Flush:
                return QStringLiteral("flush");
            case Step::Rename:
                return QStringLiteral("rename");
        }
        return {};
    }
};

// The steps `action` goes through, in order, when nothing fails.
inline QList<FaultStep> RecordSteps(const std::function<void()>& action) {
    QList<FaultStep> steps;
    zantor::AtomicFileWriter::ScopedFault record(
        [&](zantor::AtomicFileWriter::Step step, int index) {
            steps.append({step, index});
            return false;
        });
    action();
    return steps;
}

// A hook that fails exactly `failing` and lets every other step through.
inline zantor::AtomicFileWriter::FaultHook FailOnly(FaultStep failing) {
    return [failing](zantor::AtomicFileWriter::Step step, int index) {
        return step == failing.step && index == failing.index;
    };
}

// The names in `dir` other than `keep`: what a failed write must not leave behind.
inline QStringList StrayFiles(const QString& dir, const QStringList& keep) {
    QStringList stray =
        QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : keep)
        stray.removeAll(name);
    return stray;
}
