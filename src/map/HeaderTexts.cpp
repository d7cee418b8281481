#include "HeaderTexts.h"

#include <QCoreApplication>

#include "MapHeader.h"

namespace zantor {

QString HexText(int64_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    return QString::number(bits, 16).toUpper();
}

QString HexText2(int64_t value) {
    return (QStringLiteral("00") + HexText(value)).right(2);
}

QString HexText6(int64_t value) {
    return (QStringLiteral("000000") + HexText(value)).right(6);
}

QString OffsetText(int64_t value) {
    return QStringLiteral("0x") + HexText(value);
}

QString BankText(uint8_t bank) {
    return QStringLiteral("0x") + HexText2(bank);
}

QString HeaderOffsetCaption(int32_t headerOffset) {
    return QCoreApplication::translate("HeaderTexts", "Map header offset: 0x%1")
        .arg(HexText(headerOffset));
}

const QStringList& TimeEntries() {
    static const QStringList entries{"0",   "100", "200", "300", "400",
                                     "500", "600", "700", "800", "900"};
    return entries;
}

int TimeIndex(uint8_t timeByte) {
    return timeByte % 9;
}

HeaderFieldTexts MakeHeaderFieldTexts(const MapHeader& header) {
    HeaderFieldTexts texts;
    texts.music = HexText2(header.music());
    texts.backgroundPalette = HexText2(header.backgroundPalette());
    texts.foregroundPalette0 = HexText2(header.foregroundPalette0());
    texts.foregroundPalette1 = HexText2(header.foregroundPalette1());
    texts.mapNumber2 = HexText2(header.mapNumber2());
    texts.blockData = HexText6(header.BlockDataOffset());
    texts.mapBank = HexText2(header.mapBank());
    texts.timeIndex = TimeIndex(header.time());
    return texts;
}

}  // namespace zantor
