#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Helpers shared by the libFuzzer targets. A broken property aborts, which libFuzzer reports
// as a crash and keeps the input that caused it.
namespace fuzz {

inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// The input as the bytes of an image, a deep copy (the fuzzer's buffer is only lent to us).
inline QByteArray Bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The input without a copy, for comparing against; valid during the call only. Large inputs
// are costly to copy under the sanitizers, since every fresh block is faulted in page by page.
inline QByteArray View(const uint8_t* data, size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

}  // namespace fuzz
