#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "base/AtomicFileWriter.h"

// A folder of its own for each test that writes files.
inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes through AtomicFileWriter fail at `failing` while the result lives, as on a full disk
// (Write) or a refused rename.
inline zantor::AtomicFileWriter::ScopedFault FailingStep(zantor::AtomicFileWriter::Step failing) {
    return zantor::AtomicFileWriter::ScopedFault(
        [failing](zantor::AtomicFileWriter::Step step, int) { return step == failing; });
}
