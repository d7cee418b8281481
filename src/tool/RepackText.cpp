#include "RepackText.h"

#include <QStringList>

#include "map/MapTable.h"

namespace zantor::tool {

namespace {
QString hex(int64_t value) {
    return "0x" + QString::number(value, 16).toUpper();
}

QString bankText(uint8_t bank) {
    return "0x" + QString::number(bank, 16).toUpper().rightJustified(2, '0');
}
}  // namespace

QString RepackText(const RepackPlan& plan) {
    QString text = QStringLiteral("bank %1, region %2-%3: %4 bytes, the maps need %5\n")
                       .arg(bankText(plan.bank), hex(plan.start), hex(plan.end - 1))
                       .arg(plan.end - plan.start)
                       .arg(plan.bytesNeeded);
    for (const RepackedMap& map : plan.maps) {
        QStringList names;
        for (int i : map.mapIndices) {
            names << QStringLiteral("%1 %2").arg(i).arg(MapNames()[i]);
        }
        text += QStringLiteral("  %1 -> %2  slot %3 -> %4  %5%6\n")
                    .arg(hex(map.from), hex(map.to))
                    .arg(map.oldSlot, 5)
                    .arg(map.newSlot(), 5)
                    .arg(names.join(", "), map.moves() ? "  (moves)" : "");
    }
    if (plan.unclaimed > 0) {
        text += QStringLiteral(
                    "  %1 bytes at the region's end are longer than any map can "
                    "fill; they are left as they are\n")
                    .arg(plan.unclaimed);
    }
    return text;
}

}  // namespace zantor::tool
