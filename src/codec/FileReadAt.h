#pragma once

#include <QtGlobal>

class QFile;

namespace zantor {

// Reads up to `length` bytes at `offset` of an open file into `into`, as many as the file
// holds there. Returns the number read (less than `length` at the end of the file), or -1 on
// a read error. The one place where the ROM's pages meet the operating system.
//
// Two implementations: ReadAtWithQt (QFile's seek and read, any platform) and, on POSIX
// systems, ReadAtWithPosix (one pread a call, no seek). ReadFileAt is the one the build
// chose: POSIX where there is one, unless configured with ZANTOR_PORTABLE_IO.
qint64 ReadAtWithQt(QFile& file, qint64 offset, char* into, qint64 length);
#ifdef Q_OS_UNIX
qint64 ReadAtWithPosix(QFile& file, qint64 offset, char* into, qint64 length);
#endif

inline qint64 ReadFileAt(QFile& file, qint64 offset, char* into, qint64 length) {
#if defined(Q_OS_UNIX) && !defined(ZANTOR_PORTABLE_IO)
    return ReadAtWithPosix(file, offset, into, length);
#else
    return ReadAtWithQt(file, offset, into, length);
#endif
}

}  // namespace zantor
