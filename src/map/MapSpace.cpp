#include "MapSpace.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>
#include <utility>

#include "MapHeader.h"
#include "MapTable.h"
#include "codec/RomFile.h"

namespace zantor {

namespace {
constexpr int kWindowStart = 0x4000;
constexpr int kWindowEnd = 0x8000;

QString hex(int64_t value) {
    return "0x" + QString::number(value, 16).toUpper();
}

QString bankText(uint8_t bank) {
    return "0x" + QString::number(bank, 16).toUpper().rightJustified(2, '0');
}

// The headers that name one bank: map index and table entry number.
using BankUsers = QList<std::pair<int, int>>;

QList<MapTableEntry> readTable(const RomFile& rom, const BankSpace& bank, int highest) {
    QList<MapTableEntry> table;
    for (int n = 0; n <= highest; ++n) {
        MapTableEntry entry;
        entry.number = n;
        entry.offset = bank.tableStart() + 2 * n;
        entry.address = rom.ReadRomByte(entry.offset) | rom.ReadRomByte(entry.offset + 1) << 8;
        if (entry.address >= kWindowStart && entry.address < kWindowEnd) {
            entry.target = bank.start() + entry.address - kWindowStart;
        }
        table.append(entry);
    }
    return table;
}

StoredMap decodeAt(const RomFile& rom, int32_t start) {
    StoredMap map;
    map.start = start;
    const DecodedMap decoded = DecompressMap(rom, start);
    map.slot = decoded.CompressedLength - 1;
    map.cells = decoded.cells;
    map.needed = int(CompressMapBytes(map.cells).size());
    return map;
}

// Why the map an entry leads to cannot be used, or an empty text.
QString entryProblem(const RomFile& rom, const BankSpace& bank, const MapTableEntry& entry) {
    if (entry.target < 0) {
        return QCoreApplication::translate(
                   "MapSpace",
                   "its table entry %1 (at %2) holds %3, outside the bank's window "
                   "0x4000-0x7FFF")
            .arg(entry.number)
            .arg(hex(entry.offset), hex(entry.address));
    }
    if (bank.end() > rom.size()) {
        return QCoreApplication::translate("MapSpace", "its bank %1 lies past the end of the file")
            .arg(bankText(bank.bank));
    }
    return {};
}

void findRegions(BankSpace& bank) {
    for (int k = 0; k < int(bank.maps.size()); ++k) {
        const StoredMap& map = bank.maps[size_t(k)];
        if (bank.regions.empty() || map.start != bank.regions.back().end) {
            bank.regions.push_back({map.start, map.end(), {k}});
        } else {
            bank.regions.back().end = map.end();
            bank.regions.back().maps.append(k);
        }
    }
}

void findTail(const RomFile& rom, BankSpace& bank) {
    int32_t floor = bank.tableEnd();
    for (const StoredMap& map : bank.maps) {
        floor = std::max(floor, map.end());
    }
    const int32_t last = int32_t(std::min<qint64>(bank.end(), rom.size())) - 1;
    if (last < floor) {
        return;
    }
    const uint8_t value = rom.ReadRomByte(last);
    if (value != 0x00 && value != 0xFF) {
        return;
    }
    int32_t first = last;
    while (first - 1 >= floor && rom.ReadRomByte(first - 1) == value) {
        --first;
    }
    bank.tail = {first, last - first + 1, value};
}

BankSpace readBank(const RomFile& rom, uint8_t number, const BankUsers& users) {
    BankSpace bank;
    bank.bank = number;
    int highest = 0;
    for (const auto& user : users) {
        highest = std::max(highest, user.second);
    }
    bank.table = readTable(rom, bank, highest);

    std::map<int32_t, StoredMap> byStart;
    for (const auto& [mapIndex, n] : users) {
        const MapTableEntry& entry = bank.table[n];
        QString problem = entryProblem(rom, bank, entry);
        if (problem.isEmpty() && !byStart.count(entry.target)) {
            StoredMap map = decodeAt(rom, entry.target);
            if (map.end() > bank.end()) {
                problem = QCoreApplication::translate(
                              "MapSpace", "its data (from %1) runs past the end of bank %2")
                              .arg(hex(map.start), bankText(number));
            } else {
                byStart.emplace(map.start, std::move(map));
            }
        }
        if (problem.isEmpty()) {
            byStart.at(entry.target).mapIndices.append(mapIndex);
        } else {
            bank.problems.append({mapIndex, problem});
        }
    }
    // Every entry leading to a map's start is that map's, whether a header uses it or not:
    // moving the map must take it along.
    for (const MapTableEntry& entry : bank.table) {
        const auto it = byStart.find(entry.target);
        if (it != byStart.end()) {
            it->second.tableEntries.append(entry.number);
        }
    }
    for (auto& [start, map] : byStart) {
        bank.maps.push_back(std::move(map));
    }
    findRegions(bank);
    findTail(rom, bank);
    return bank;
}
}  // namespace

int BankSpace::mapOf(int mapIndex) const {
    for (int k = 0; k < int(maps.size()); ++k) {
        if (maps[size_t(k)].mapIndices.contains(mapIndex)) {
            return k;
        }
    }
    return -1;
}

int BankSpace::regionOf(int map) const {
    for (int r = 0; r < int(regions.size()); ++r) {
        if (regions[size_t(r)].maps.contains(map)) {
            return r;
        }
    }
    return -1;
}

MapSpace MapSpace::read(const RomFile& rom) {
    MapSpace space;
    std::map<uint8_t, BankUsers> users;
    for (int i = 0; i < kMapCount; ++i) {
        const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, i));
        users[header.mapBank()].append({i, header.mapNumber2()});
        space.bankOfMap_.push_back(header.mapBank());
    }
    QList<QPair<int32_t, int32_t>> keepOut{{kMapTableOffset, 2 * kMapCount}};
    for (int i = 0; i < kMapCount; ++i) {
        keepOut.append({HeaderOffset(rom, i), MapHeader::kSize});
    }
    for (const auto& [number, bankUsers] : users) {
        space.banks_.push_back(readBank(rom, number, bankUsers));
        space.banks_.back().keepOut = keepOut;
    }
    return space;
}

const BankSpace* MapSpace::bank(uint8_t number) const {
    for (const BankSpace& b : banks_) {
        if (b.bank == number) {
            return &b;
        }
    }
    return nullptr;
}

const BankSpace* MapSpace::bankOf(int mapIndex) const {
    return bank(bankOfMap_[size_t(mapIndex)]);
}

}  // namespace zantor
