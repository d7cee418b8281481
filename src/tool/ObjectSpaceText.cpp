#include "ObjectSpaceText.h"

#include <QCoreApplication>
#include <QJsonArray>

#include "codec/RomFile.h"
#include "map/HeaderTexts.h"
#include "map/ObjectSpace.h"

namespace zantor::tool {

namespace {
// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ObjectSpaceText)
};

QString levelList(const QList<int>& levels) {
    QStringList numbers;
    for (int level : levels)
        numbers << QString::number(level);
    return numbers.join(", ");
}

int regionSpare(const ObjectSpace& space, const ObjectRegion& region) {
    int spare = 0;
    for (int k : region.lists) {
        const StoredObjectSlot& list = space.lists[size_t(k)];
        spare += list.slot - list.consumed;
    }
    return spare;
}
}  // namespace

QString ObjectSpaceText(const RomFile& rom) {
    ObjectSpace space;
    try {
        space = ObjectSpace::read(rom);
    } catch (const ObjectListError& error) {
        return Text::tr("Object lists: %1\n").arg(error.text());
    }
    QString text = Text::tr("Object lists (bank %1): table at %2, %3 lists\n")
                       .arg(BankText(space.bank), OffsetText(space.tableOffset))
                       .arg(space.lists.size());
    for (const ObjectRegion& region : space.regions) {
        text += Text::tr("  region %1-%2: %3 bytes, spare %4\n")
                    .arg(OffsetText(region.start), OffsetText(region.end - 1))
                    .arg(region.length())
                    .arg(regionSpare(space, region));
        for (int k : region.lists) {
            const StoredObjectSlot& list = space.lists[size_t(k)];
            text += Text::tr("    %1  slot %2  uses %3  %4 objects  levels %5%6\n")
                        .arg(OffsetText(list.start))
                        .arg(list.slot, 4)
                        .arg(list.consumed, 4)
                        .arg(list.objects.size(), 2)
                        .arg(levelList(list.levels))
                        .arg(list.shared() ? Text::tr(" (shared)") : QString());
        }
    }
    for (const ObjectProblem& problem : space.problems)
        text += Text::tr("  level %1: %2\n").arg(problem.level).arg(problem.reason);
    return text;
}

QJsonObject ObjectSpaceJson(const RomFile& rom) {
    ObjectSpace space;
    try {
        space = ObjectSpace::read(rom);
    } catch (const ObjectListError& error) {
        return QJsonObject{{"known", false}, {"reason", error.text()}};
    }
    QJsonArray regions;
    for (const ObjectRegion& region : space.regions) {
        QJsonArray lists;
        for (int k : region.lists) {
            const StoredObjectSlot& list = space.lists[size_t(k)];
            QJsonArray levels;
            for (int level : list.levels)
                levels.append(level);
            lists.append(QJsonObject{{"start", list.start},
                                     {"slot", list.slot},
                                     {"consumed", list.consumed},
                                     {"objects", int(list.objects.size())},
                                     {"levels", levels},
                                     {"shared", list.shared()}});
        }
        regions.append(QJsonObject{{"start", region.start},
                                   {"end", region.end},
                                   {"length", region.length()},
                                   {"spare", regionSpare(space, region)},
                                   {"lists", lists}});
    }
    QJsonArray problems;
    for (const ObjectProblem& problem : space.problems)
        problems.append(QJsonObject{{"level", problem.level}, {"reason", problem.reason}});
    return QJsonObject{{"known", true},
                       {"bank", space.bank},
                       {"tableOffset", space.tableOffset},
                       {"regions", regions},
                       {"problems", problems}};
}

}  // namespace zantor::tool
