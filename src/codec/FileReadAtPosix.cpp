#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "FileReadAt.h"

namespace zantor {

qint64 ReadAtWithPosix(QFile& file, qint64 offset, char* into, qint64 length) {
    // One system call a read instead of a seek and a read.
    qint64 got = 0;
    while (got < length) {
        const ssize_t n =
            ::pread(file.handle(), into + got, size_t(length - got), off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;  // the end of the file
        got += n;
    }
    return got;
}

}  // namespace zantor
