#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <cstdint>

// Small builders and comparisons of raw images shared by the tests.

inline QByteArray RandomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// A little-endian 16-bit word, as the cartridge stores its pointers.
inline void PutWord(QByteArray& bytes, int32_t at, int value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}

// The offsets at which two images of the same size differ.
inline QList<int32_t> ChangedOffsets(const QByteArray& before, const QByteArray& after) {
    QList<int32_t> changed;
    for (int32_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i])
            changed.append(i);
    return changed;
}
