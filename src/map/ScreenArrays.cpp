#include "ScreenArrays.h"

#include <QCoreApplication>

#include "HeaderTexts.h"
#include "MapHeader.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int32_t kBankSize = 0x4000;
constexpr int32_t kWindowStart = 0x4000;
constexpr int32_t kWindowEnd = 0x8000;
constexpr int32_t kBoxesBaseAddress = 0x4000;
constexpr int32_t kExitsBaseAddress = 0x4002;

int32_t arrayOffset(const RomFile& rom, uint8_t bank, int32_t baseAddress, int index,
                    const char* what) {
    const int32_t wordOffset = bank * kBankSize + baseAddress - kWindowStart;
    const int base = rom.ReadRomByte(wordOffset) | rom.ReadRomByte(wordOffset + 1) << 8;
    const int32_t address = base + kScreenCount * index;
    if (base < kWindowStart || address + kScreenCount > kWindowEnd) {
        throw ScreenArraysError(
            QCoreApplication::translate("ScreenArrays",
                                        "The %1 base of bank %2 (word at %3) is $%4: the "
                                        "arrays of index %5 do not lie inside the bank, so "
                                        "there is nothing to read")
                .arg(QCoreApplication::translate("ScreenArrays", what), BankText(bank),
                     OffsetText(wordOffset), HexText(base).rightJustified(4, '0'))
                .arg(index));
    }
    return bank * kBankSize + address - kWindowStart;
}
}  // namespace

ScreenArraysPlace ScreenArraysPlaceOf(const RomFile& rom, const MapHeader& header) {
    ScreenArraysPlace place;
    place.bank = header.mapBank();
    place.index = header.mapNumber2() & 0x0F;
    place.boxesOffset = arrayOffset(rom, place.bank, kBoxesBaseAddress, place.index,
                                    QT_TRANSLATE_NOOP("ScreenArrays", "scroll-box"));
    place.exitsOffset = arrayOffset(rom, place.bank, kExitsBaseAddress, place.index,
                                    QT_TRANSLATE_NOOP("ScreenArrays", "exit"));
    return place;
}

ScreenArrays ReadScreenArrays(const RomFile& rom, const ScreenArraysPlace& place) {
    ScreenArrays arrays;
    rom.ReadRomBytes(place.boxesOffset, kScreenCount, arrays.boxes.data());
    rom.ReadRomBytes(place.exitsOffset, kScreenCount, arrays.exits.data());
    return arrays;
}

void WriteScreenArrays(RomFile& rom, const ScreenArraysPlace& place, const ScreenArrays& arrays) {
    for (int i = 0; i < kScreenCount; ++i) {
        if (rom.ReadRomByte(place.boxesOffset + i) != arrays.boxes[size_t(i)])
            rom.WriteRomByte(place.boxesOffset + i, arrays.boxes[size_t(i)]);
        if (rom.ReadRomByte(place.exitsOffset + i) != arrays.exits[size_t(i)])
            rom.WriteRomByte(place.exitsOffset + i, arrays.exits[size_t(i)]);
    }
}

}  // namespace zantor
