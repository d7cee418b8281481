// Arbitrary patches applied to a small source: the first byte chooses the format's magic
// (or none), so that both readers are reached from the start; the rest is the patch. A patch
// must either apply or be refused with a PatchError; anything else that escapes is a finding.
// An applied patch's result never passes what a ROM image may hold.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "patch/Patch.h"
#include "patch/PatchError.h"

using namespace zantor;

namespace {
QByteArray Source() {
    QByteArray source(4096, '\0');
    for (int i = 0; i < source.size(); ++i)
        source[i] = char(i * 31 + (i >> 8));
    return source;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QByteArray source = Source();
    if (size == 0)
        return 0;
    static const char* const kMagic[] = {"BPS1", "PATCH", ""};
    const QByteArray patch = kMagic[data[0] % 3] + fuzz::View(data + 1, size - 1);
    try {
        const QByteArray target = Patch::apply(source, patch);
        fuzz::Require(target.size() <= Patch::kMaxImageSize, "a result fits a ROM image");
    } catch (const PatchError&) {
    }
    return 0;
}
