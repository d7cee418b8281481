#include "RepackText.h"

#include <QCoreApplication>
#include <QStringList>

#include "map/HeaderTexts.h"
#include "map/MapTable.h"

namespace zantor::tool {

QString RepackText(const RepackPlan& plan) {
    QString text = QCoreApplication::translate(
                       "zantor-tool", "bank %1, region %2-%3: %4 bytes, the maps need %5\n")
                       .arg(BankText(plan.bank), OffsetText(plan.start), OffsetText(plan.end - 1))
                       .arg(plan.end - plan.start)
                       .arg(plan.bytesNeeded);
    for (const RepackedMap& map : plan.maps) {
        QStringList names;
        for (int i : map.mapIndices) {
            names << QStringLiteral("%1 %2").arg(i).arg(MapNames()[i]);
        }
        text += QCoreApplication::translate("zantor-tool", "  %1 -> %2  slot %3 -> %4  %5%6\n")
                    .arg(OffsetText(map.from), OffsetText(map.to))
                    .arg(map.oldSlot, 5)
                    .arg(map.newSlot(), 5)
                    .arg(names.join(", "),
                         map.moves() ? QCoreApplication::translate("zantor-tool", "  (moves)")
                                     : QString());
    }
    if (plan.unclaimed > 0) {
        text += QCoreApplication::translate(
                    "zantor-tool",
                    "  %1 bytes at the region's end are longer than any map can "
                    "fill; they are left as they are\n")
                    .arg(plan.unclaimed);
    }
    return text;
}

}  // namespace zantor::tool
