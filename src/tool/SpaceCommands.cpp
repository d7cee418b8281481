#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "ObjectSpaceText.h"
#include "RepackText.h"
#include "ToolCommand.h"
#include "codec/RomFile.h"
#include "map/HeaderTexts.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "map/RegionRepack.h"

namespace zantor::tool {

namespace {
// "0C:4310": where the game sees a file offset of `bank`.
QString bankAddress(uint8_t bank, int32_t offset) {
    return QStringLiteral("%1:%2")
        .arg(QString::number(bank, 16).toUpper().rightJustified(2, '0'))
        .arg(QString::number(offset - bank * BankSpace::kBankSize + 0x4000, 16).toUpper());
}

QString mapList(const QList<int>& indices) {
    QStringList names;
    for (int i : indices) {
        names << QStringLiteral("%1 %2").arg(i).arg(MapNames()[i]);
    }
    return names.join(", ");
}

int regionSlack(const BankSpace& bank, const MapRegion& region) {
    int slack = 0;
    for (int k : region.maps) {
        slack += bank.maps[size_t(k)].slack();
    }
    return slack;
}

QJsonArray numbers(const QList<int>& values) {
    QJsonArray array;
    for (int v : values) {
        array.append(v);
    }
    return array;
}

QJsonObject toJson(const BankSpace& bank) {
    QJsonArray regions;
    for (const MapRegion& region : bank.regions) {
        QJsonArray maps;
        for (int k : region.maps) {
            const StoredMap& map = bank.maps[size_t(k)];
            QStringList names;
            for (int i : map.mapIndices) {
                names << MapNames()[i];
            }
            maps.append(QJsonObject{{"start", map.start},
                                    {"address", bankAddress(bank.bank, map.start)},
                                    {"slot", map.slot},
                                    {"needed", map.needed},
                                    {"slack", map.slack()},
                                    {"maps", numbers(map.mapIndices)},
                                    {"names", QJsonArray::fromStringList(names)},
                                    {"tableEntries", numbers(map.tableEntries)},
                                    {"shared", map.shared()}});
        }
        regions.append(QJsonObject{{"start", region.start},
                                   {"end", region.end},
                                   {"length", region.length()},
                                   {"slack", regionSlack(bank, region)},
                                   {"maps", maps}});
    }
    QJsonArray problems;
    for (const MapProblem& problem : bank.problems) {
        problems.append(QJsonObject{{"map", problem.mapIndex}, {"reason", problem.reason}});
    }
    QJsonObject root{{"bank", bank.bank},
                     {"tableOffset", bank.tableStart()},
                     {"tableEntries", int(bank.table.size())},
                     {"regions", regions},
                     {"problems", problems}};
    if (bank.tail.length > 0) {
        root["tail"] = QJsonObject{{"start", bank.tail.start},
                                   {"length", bank.tail.length},
                                   {"value", bank.tail.value},
                                   {"possiblyUnused", true}};
    }
    return root;
}

void printBank(const BankSpace& bank) {
    std::printf(qPrintable(QCoreApplication::translate(
                    "zantor-tool", "Bank %s (file %s-%s): table at %s, %d entries\n")),
                qPrintable(BankText(bank.bank)), qPrintable(OffsetText(bank.start())),
                qPrintable(OffsetText(bank.end() - 1)), qPrintable(OffsetText(bank.tableStart())),
                int(bank.table.size()));
    int32_t previousEnd = -1;
    for (const MapRegion& region : bank.regions) {
        if (previousEnd >= 0 && region.start > previousEnd) {
            std::printf(qPrintable(QCoreApplication::translate(
                            "zantor-tool", "  gap %s-%s: %d bytes in no map's slot\n")),
                        qPrintable(OffsetText(previousEnd)),
                        qPrintable(OffsetText(region.start - 1)), region.start - previousEnd);
        }
        previousEnd = region.end;
        std::printf(qPrintable(QCoreApplication::translate("zantor-tool",
                                                           "  region %s-%s: %d bytes, slack %d\n")),
                    qPrintable(OffsetText(region.start)), qPrintable(OffsetText(region.end - 1)),
                    region.length(), regionSlack(bank, region));
        for (int k : region.maps) {
            const StoredMap& map = bank.maps[size_t(k)];
            std::printf(
                qPrintable(QCoreApplication::translate(
                    "zantor-tool", "    %s %s  slot %5d  needs %5d  slack %5d  %s%s\n")),
                qPrintable(OffsetText(map.start)), qPrintable(bankAddress(bank.bank, map.start)),
                map.slot, map.needed, map.slack(), qPrintable(mapList(map.mapIndices)),
                map.shared() ? qPrintable(QCoreApplication::translate("zantor-tool", " (shared)"))
                             : "");
        }
    }
    if (bank.tail.length > 0) {
        std::printf(qPrintable(QCoreApplication::translate(
                        "zantor-tool",
                        "  tail %s-%s: %d bytes of %s, possibly unused (nothing writes there)\n")),
                    qPrintable(OffsetText(bank.tail.start)),
                    qPrintable(OffsetText(bank.tail.start + bank.tail.length - 1)),
                    bank.tail.length, bank.tail.value ? "0xFF" : "0x00");
    }
    for (const MapProblem& problem : bank.problems) {
        std::printf(
            qPrintable(QCoreApplication::translate("zantor-tool", "  cannot decode map %s: %s\n")),
            qPrintable(mapList({problem.mapIndex})), qPrintable(problem.reason));
    }
}

int space(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--json"}, {});
    RequireCount(args, 1);
    const RomFile rom = RomFile::open(args.positional[0]);
    const MapSpace space = MapSpace::read(rom);
    if (args.flags.contains("--json")) {
        QJsonArray banks;
        for (const BankSpace& bank : space.banks()) {
            banks.append(toJson(bank));
        }
        const QJsonObject root{
            {"file", rom.path()}, {"banks", banks}, {"objectLists", ObjectSpaceJson(rom)}};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitOk;
    }
    std::printf(qPrintable(QCoreApplication::translate("zantor-tool", "%s: %d map banks\n")),
                qPrintable(rom.path()), int(space.banks().size()));
    for (const BankSpace& bank : space.banks()) {
        printBank(bank);
    }
    std::fputs(qPrintable(ObjectSpaceText(rom)), stdout);
    return kExitOk;
}

uint8_t parseBank(const QString& text) {
    bool ok = false;
    const int bank = text.toInt(&ok, 0);
    if (!ok || bank < 0 || bank > 0xFF) {
        throw UsageError{QCoreApplication::translate(
                             "zantor-tool", "no bank \"%1\": give a number 0-255, e.g. 12 or 0x0C")
                             .arg(text)};
    }
    return uint8_t(bank);
}

int repack(const QStringList& rawArgs) {
    const ParsedArgs args = ParseArgs(rawArgs, {"--dry-run"}, {});
    RequireCount(args, 2);
    const uint8_t number = parseBank(args.positional[1]);
    RomFile rom = RomFile::open(args.positional[0]);
    const MapSpace space = MapSpace::read(rom);
    const BankSpace* bank = space.bank(number);
    if (!bank) {
        std::fprintf(stderr,
                     qPrintable(QCoreApplication::translate(
                         "zantor-tool", "zantor-tool repack: %s: no map header names bank %s\n")),
                     qPrintable(rom.path()), qPrintable(BankText(number)));
        return kExitFailed;
    }
    // Every region is planned before anything is written: one refusal leaves the file alone.
    std::vector<RepackPlan> plans;
    try {
        for (int r = 0; r < int(bank->regions.size()); ++r) {
            plans.push_back(RegionRepack::plan(*bank, r));
        }
    } catch (const RepackError& error) {
        std::fprintf(
            stderr,
            qPrintable(QCoreApplication::translate("zantor-tool", "zantor-tool repack: %s: %s\n")),
            qPrintable(rom.path()), qPrintable(error.text()));
        return kExitFailed;
    }
    for (const RepackPlan& plan : plans) {
        std::printf("%s", qPrintable(RepackText(plan)));
        RegionRepack::apply(rom, plan);
    }
    if (!args.flags.contains("--dry-run")) {
        rom.commit();
    }
    return kExitOk;
}
}  // namespace

std::vector<ToolCommand> SpaceCommands() {
    return {
        {"space", "ROM [--json]",
         QCoreApplication::translate(
             "zantor-tool",
             "Prints, for each map bank, its map regions (slots that follow one another with no\n"
             "gap), each map's start, slot, the bytes its cells need and the slack, shared maps,\n"
             "the gaps between regions and the run of 0x00 or 0xFF the bank ends in (possibly\n"
             "unused: nothing writes there). --json prints the same as one JSON document."),
         space},
        {"repack", "ROM BANK [--dry-run]",
         QCoreApplication::translate(
             "zantor-tool",
             "Repacks every map region of BANK (12 or 0x0C): its maps in their shortest form,\n"
             "back to back in their old order, the last one lengthened to the region's end, and\n"
             "the moved maps' table entries rewritten. Refused (exit 1, nothing written) when a\n"
             "table entry points into a region but not at a map, or a map cannot be decoded.\n"
             "--dry-run prints what would move and writes nothing."),
         repack}};
}

}  // namespace zantor::tool
