#include "ScreenFacts.h"

#include <QCoreApplication>
#include <array>

namespace zantor {

namespace {
// Add a version here once its tables are found.
constexpr std::array kScreenFacts{
    ScreenFacts{0, 0x14125, 5, 0x377B, 31},
};
}  // namespace

std::optional<ScreenFacts> ScreenFactsFor(uint8_t version) {
    for (const ScreenFacts& facts : kScreenFacts) {
        if (facts.version == version)
            return facts;
    }
    return std::nullopt;
}

QString UnknownScriptsText(uint8_t version) {
    return QCoreApplication::translate("ScreenFacts",
                                       "The exit scripts of cartridge version %1 are not known.")
        .arg(version);
}

QString UnknownCheckpointsText(uint8_t version) {
    return QCoreApplication::translate("ScreenFacts",
                                       "The checkpoints of cartridge version %1 are not known.")
        .arg(version);
}

}  // namespace zantor
