#include "AtomicFileWriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace zantor {

namespace {
AtomicFileWriter::FaultHook& faultHook() {
    static AtomicFileWriter::FaultHook hook;
    return hook;
}

bool injected(AtomicFileWriter::Step step, int index) {
    const auto& hook = faultHook();
    return hook && hook(step, index);
}

const QString kInjected = QStringLiteral("Input/output error (injected)");
}  // namespace

AtomicFileWriter::ScopedFault::ScopedFault(FaultHook hook) : previous_(std::move(faultHook())) {
    faultHook() = std::move(hook);
}

AtomicFileWriter::ScopedFault::~ScopedFault() {
    faultHook() = std::move(previous_);
}

bool AtomicFileWriter::write(const QString& path, const QByteArray& bytes, QString* reason) {
    auto fail = [&](QSaveFile* file, const QString& why) {
        if (file) {
            file->cancelWriting();
        }
        if (reason) {
            *reason = why;
        }
        return false;
    };

    // A read-only target must stay as it is, even where the folder would allow the rename,
    // and also for root, whom the system lets write anything: the owner's write bit decides.
    const QFileInfo target(path);
    if (target.exists() &&
        (!target.isWritable() || !target.permissions().testFlag(QFileDevice::WriteOwner))) {
        return fail(nullptr, QCoreApplication::translate(
                                 "AtomicFileWriter", "Permission denied (the file is read-only)"));
    }

    QSaveFile file(path);
    if (injected(Step::CreateTemporary, 0)) {
        return fail(nullptr, kInjected);
    }
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(nullptr, file.errorString());
    }
    int index = 0;
    for (qsizetype at = 0; at < bytes.size(); at += kChunkSize, ++index) {
        const qsizetype length = std::min(kChunkSize, bytes.size() - at);
        if (injected(Step::Write, index)) {
            return fail(&file, kInjected);
        }
        if (file.write(bytes.constData() + at, length) != length) {
            return fail(&file, file.errorString());
        }
    }
    if (injected(Step::Flush, 0)) {
        return fail(&file, kInjected);
    }
    if (!file.flush()) {
        return fail(&file, file.errorString());
    }
    if (injected(Step::Rename, 0)) {
        return fail(&file, kInjected);
    }
    if (!file.commit()) {
        return fail(nullptr, file.errorString());
    }
    return true;
}

}  // namespace zantor
