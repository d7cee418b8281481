#include <QFile>

#include "FileReadAt.h"

namespace zantor {

qint64 ReadAtWithQt(QFile& file, qint64 offset, char* into, qint64 length) {
    if (!file.seek(offset))
        return -1;
    qint64 got = 0;
    while (got < length) {
        const qint64 n = file.read(into + got, length - got);
        if (n < 0)
            return -1;
        if (n == 0)
            break;  // the end of the file
        got += n;
    }
    return got;
}

}  // namespace zantor
