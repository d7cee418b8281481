#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace zantor {

// Replaces a file's whole content so that, whatever fails on the way (or if the process dies),
// the file holds either all its old bytes or all the new ones. Built on QSaveFile: the bytes
// go to a temporary file in the same folder, which is renamed over the target at the end.
class AtomicFileWriter {
public:
    enum class Step { CreateTemporary, Write, Flush, Rename };

    // Returns true to make the step fail as if the system had refused it. `index` counts the
    // writes (0, 1, ...) and is 0 for the other steps. Tests use it to prove atomicity.
    using FaultHook = std::function<bool(Step step, int index)>;

    // Writes `bytes` to `path`. On failure returns false and sets `reason` to the system's
    // explanation; the target is then untouched.
    static bool write(const QString& path, const QByteArray& bytes, QString* reason);

    // Installs a fault hook for as long as the guard lives.
    class ScopedFault {
    public:
        explicit ScopedFault(FaultHook hook);
        ~ScopedFault();
        ScopedFault(const ScopedFault&) = delete;
        ScopedFault& operator=(const ScopedFault&) = delete;

    private:
        FaultHook previous_;
    };

    static constexpr qsizetype kChunkSize = 64 * 1024;
};

}  // namespace zantor
