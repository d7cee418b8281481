#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace zantor {

struct MapHeader;

// Upper-case hex without prefix or leading zeros; negative values as their 32-bit two's
// complement (eight digits).
QString HexText(int64_t value);
// The last two (six) characters of "00" ("000000") followed by HexText(value).
QString HexText2(int64_t value);
QString HexText6(int64_t value);
// "0x" and HexText(value), as offsets are written in reports.
QString OffsetText(int64_t value);
// "0x" and the bank's two digits ("0x0C").
QString BankText(uint8_t bank);

// "Map header offset: 0x" and the header's offset in hex ("Offset des Mapheaders" in German,
// the old program's text).
QString HeaderOffsetCaption(int32_t headerOffset);

// The entries of the time list: "0", then "100" .. "900".
const QStringList& TimeEntries();
// The time list's index for a header's time byte: byte Mod 9.
int TimeIndex(uint8_t timeByte);

// The Header tab's field texts for a header.
struct HeaderFieldTexts {
    QString blockData;  // BlockDataOffset, six digits
    QString mapBank;
    QString music;
    QString backgroundPalette;
    QString foregroundPalette0;
    QString foregroundPalette1;
    QString mapNumber2;
    int timeIndex = 0;
};
HeaderFieldTexts MakeHeaderFieldTexts(const MapHeader& header);

}  // namespace zantor
