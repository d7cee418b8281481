#include "SampleCartridge.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "SampleBlocks.h"
#include "SampleLevels.h"
#include "SampleScreens.h"
#include "SampleTiles.h"
#include "SampleTitle.h"
#include "codec/CartridgeChecksum.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "map/ObjectList.h"
#include "map/TileSources.h"

namespace zantor {
namespace {

// Where the sample puts things. File offsets unless called an address; an address is what
// the game sees in the switchable window (0x4000..0x7FFF) of the bank named with it.
constexpr int32_t kBankSize = 0x4000;
constexpr int32_t kMapHeadersOffset = 0x5700;  // bank 1, after the map table
constexpr uint8_t kGroupCBank = 7;
constexpr int32_t kGroupCAddress = 0x4000;  // + 0x380 per theme
constexpr int32_t kGroupCSize = 56 * 16;
constexpr int32_t kBlockDataAddress = 0x4000;  // bank 8, + 0x200 per theme
constexpr int32_t kBlockDataSize = 4 * block::kBlockCount;
// Groups B and D of four themes fill one bank: 0x400 bytes of B, then 0x600 of D.
constexpr uint8_t kGroupBDFirstBank = 0x18;
constexpr int32_t kGroupBDStride = 0x1000;
constexpr int32_t kGroupDInStride = 0x400;
// Map data: from bank 0x0C on, each bank's table of map data addresses, then the maps.
constexpr uint8_t kFirstMapBank = 0x0C;
constexpr uint8_t kLastMapBank = 0x17;
constexpr int32_t kMapDataTableInBank = 0x2F0;
constexpr int kMaxMapsPerBank = kSampleScreenLevelsPerBank;
constexpr int32_t kMapDataInBank = kMapDataTableInBank + 2 * 16;
// The title screen, bank 5.
constexpr int32_t kTitlePointerOffset = 0x1404A;
constexpr int32_t kTitleMapAddress = 0x6000;
constexpr uint8_t kTitleBank = 5;
// Object lists: bank 3 holds nothing else of the sample, so they follow the pointer table.
constexpr int32_t kObjectListsAddress = 0x6080;
constexpr int kLevelsWithObjects = 14;
int32_t TitleTilesOffset(uint8_t version) {
    return version == 2 ? 0x149DE : 0x149E5;
}

int32_t FileOffset(uint8_t bank, int32_t address) {
    return bank * kBankSize + address - 0x4000;
}

class CartridgeWriter {
public:
    explicit CartridgeWriter(uint8_t version)
        : rom_(RomFile::fromBytes(QByteArray(kSampleCartridgeSize, '\0'))),
          version_(version),
          tables_(TileSourceTablesFor(version)) {
        rom_.allowHeaderWrites();  // the builder writes the header and both checksums
    }

    QByteArray build() {
        writeHeader();
        for (int t = 0; t < kThemeCount; ++t) {
            writeTheme(Theme(t));
        }
        writeMaps();
        writeObjects();
        WriteSampleScreens(rom_, version_);
        writeTitle();
        writeChecksums();
        return rom_.bytes();
    }

private:
    void byte(int32_t offset, uint8_t value) { rom_.WriteRomByte(offset, value); }
    void word(int32_t offset, int32_t value) {
        byte(offset, uint8_t(value & 0xFF));
        byte(offset + 1, uint8_t((value >> 8) & 0xFF));
    }
    void bytes(int32_t offset, const QByteArray& data) {
        for (int i = 0; i < data.size(); ++i) {
            byte(offset + i, uint8_t(data[i]));
        }
    }
    void farPointer(int32_t offset, uint8_t bank, int32_t address) {
        byte(offset, bank);
        byte(offset + 1, 0);
        word(offset + 2, address);
    }

    static uint8_t groupBDBank(Theme t) { return uint8_t(kGroupBDFirstBank + int(t) / 4); }
    static int32_t groupBAddress(Theme t) { return 0x4000 + kGroupBDStride * (int(t) % 4); }
    static int32_t groupDAddress(Theme t) { return groupBAddress(t) + kGroupDInStride; }
    static int32_t groupCAddress(int tileSet) {
        return kGroupCAddress + kGroupCSize * (tileSet % kThemeCount);
    }
    static int32_t blockDataAddress(Theme t) { return kBlockDataAddress + kBlockDataSize * int(t); }

    void writeHeader() {
        // A do-nothing program, so that the image is a well-formed cartridge: nop, jp 0x150;
        // at 0x150 a jump to itself. The logo area stays empty.
        bytes(0x100, QByteArray::fromHex("00C35001"));
        bytes(0x150, QByteArray::fromHex("18FE"));
        bytes(0x134, QByteArrayLiteral("ZANTOR SAMPLE"));
        byte(0x147, 0x03);  // MBC1 + RAM + battery
        byte(0x148, 0x04);  // 512 KiB
        byte(0x149, 0x02);  // 8 KiB RAM
        byte(0x14A, 0x01);
        byte(kRomVersionOffset, version_);
    }

    // The tiles of a theme's sheet go to the four groups the game assembles a sheet from.
    void writeTheme(Theme theme) {
        const ShadeCanvas sheet = DrawThemeSheet(theme);
        const auto numberOf = ColourNumbersForShades(ThemePalette(theme));
        auto cells = [&](int32_t offset, int first, int count) {
            for (int k = 0; k < count; ++k) {
                const int cell = first + k;
                bytes(offset + 16 * k,
                      sheet.encodeTile(8 * (cell % 16), 8 * (cell / 16), numberOf));
            }
        };
        const int t = int(theme);
        cells(kTileGroupABase + kTileGroupAStride * t, 0, 48);
        // Group B's last 8 tiles are hidden under group C's first 8; store the same tiles.
        cells(FileOffset(groupBDBank(theme), groupBAddress(theme)), 48, 64);
        cells(FileOffset(kGroupCBank, groupCAddress(t)), 104, 56);
        cells(FileOffset(groupBDBank(theme), groupDAddress(theme)), 160, 96);
        bytes(FileOffset(8, blockDataAddress(theme)), SampleBlockData());
    }

    void writeMaps() {
        // Every tile set number finds group C tiles, also those no map uses.
        for (int n = 0; n < 16; ++n) {
            word(tables_.groupC + 2 * n, groupCAddress(n));
        }
        uint8_t bank = kFirstMapBank;
        int inBank = 0;
        int32_t next = FileOffset(bank, 0x4000 + kMapDataInBank);
        for (int i = 0; i < kMapCount; ++i) {
            const SampleMapPlan plan = SampleMapPlanFor(i);
            const SampleLevel level = BuildSampleLevel(i);
            if (i < kLevelsWithObjects) {
                objects_.push_back(sampleObjects(i, level));
            }
            const QByteArray stored = EncodeStoredMap(level.cells, plan.storage);
            const int32_t room =
                stored.size() + (plan.storage == MapStorage::Roomy ? kRoomySpareBytes : 0);
            if (next + room > (bank + 1) * kBankSize || inBank == kMaxMapsPerBank) {
                if (++bank > kLastMapBank) {
                    throw std::logic_error("The sample maps do not fit their banks");
                }
                inBank = 0;
                next = FileOffset(bank, 0x4000 + kMapDataInBank);
            }
            word(bank * kBankSize + kMapDataTableInBank + 2 * inBank,
                 next - bank * kBankSize + 0x4000);
            bytes(next, stored);
            next += room;

            const int32_t header = kMapHeadersOffset + MapHeader::kSize * i;
            word(kMapTableOffset + 2 * i, header);  // bank 1: address == offset
            word(header + 0, level.startTop);
            word(header + 2, level.startLeft);
            // The camera starts on the player, its screen kept inside the level (80 pixels
            // either side of its centre in X, 72 in Y).
            word(header + 4, std::clamp(level.startTop + 16, 72, kLevelHeight - 72));
            word(header + 6, std::clamp(level.startLeft + 8, 80, kLevelWidth - 80));
            word(header + 11, blockDataAddress(plan.theme));
            byte(header + 13, bank);
            byte(header + 14, plan.music);
            byte(header + 15, plan.backgroundPalette);
            byte(header + 16, 0xD0);
            byte(header + 17, 0xE4);
            byte(header + 18, uint8_t(inBank));
            byte(header + 19, plan.time);
            ++inBank;

            byte(tables_.tileSetBytes + i, uint8_t(int(plan.theme) << 4));
            farPointer(tables_.groupB + 4 * i, groupBDBank(plan.theme), groupBAddress(plan.theme));
            farPointer(tables_.groupD + 4 * i, groupBDBank(plan.theme), groupDAddress(plan.theme));
        }
    }

    // The first levels get enemies standing on the highest ground along their length (in the air
    // over a pit), sorted by X, every fifth hidden in Easy mode; the others share one empty list.
    // Versions whose table is not known get none.
    void writeObjects() {
        const std::optional<ObjectTableLocation> table = ObjectTableFor(version_);
        if (!table) {
            return;
        }
        int32_t next = FileOffset(table->bank, kObjectListsAddress);
        auto store = [&](const std::vector<LevelObject>& objects) {
            if (!ObjectListProblem(objects).isEmpty()) {
                throw std::logic_error("A sample object list cannot be stored");
            }
            const QByteArray stored = EncodeObjectList(objects);
            const int32_t address = next - table->bank * kBankSize + 0x4000;
            bytes(next, stored);
            next += stored.size();
            return address;
        };
        const int32_t empty = store({});
        for (int i = 0; i < kMapCount; ++i) {
            word(table->tableOffset + 2 * i,
                 i < kLevelsWithObjects ? store(objects_[size_t(i)]) : empty);
        }
    }

    static std::vector<LevelObject> sampleObjects(int index, const SampleLevel& level) {
        const int count = 8 + (index % 4) * 3;
        std::vector<LevelObject> objects;
        for (int k = 0; k < count; ++k) {
            const int x = (240 + k * (3520 / count)) / 8 * 8;
            int y = level.startTop + 16;
            const int column = x / 16;
            for (int row = 2; row < kMapRows; ++row) {
                if (level.cells[size_t(kMapColumns * row + column)] == block::GroundTop) {
                    y = row * 16 - 16;
                    break;
                }
            }
            objects.push_back({x, y, (index * 11 + k * 5) % 128, k % 5 == 3});
        }
        return objects;
    }

    void writeTitle() {
        const SampleTitle title = BuildSampleTitle();
        const std::array<uint8_t, 4> identity{0, 1, 2, 3};
        const int32_t tiles = TitleTilesOffset(version_);
        for (int k = 0; k < 256; ++k) {
            bytes(tiles + 16 * k, title.tiles.encodeTile(8 * (k % 16), 8 * (k / 16), identity));
        }
        word(kTitlePointerOffset, kTitleMapAddress);
        const int32_t map = FileOffset(kTitleBank, kTitleMapAddress);
        for (size_t i = 0; i < title.map.size(); ++i) {
            byte(map + int32_t(i), title.map[i]);
        }
    }

    void writeChecksums() {
        QByteArray image = rom_.bytes();
        CartridgeChecksum::writeHeader(image);
        CartridgeChecksum::writeGlobal(image);
        for (int32_t at = CartridgeChecksum::kHeaderChecksumOffset;
             at < CartridgeChecksum::kHeaderEnd; ++at) {
            byte(at, uint8_t(image[at]));
        }
    }

    RomFile rom_;
    uint8_t version_;
    TileSourceTables tables_;
    std::vector<std::vector<LevelObject>> objects_;  // of the first levels, by index
};

}  // namespace

QByteArray BuildSampleCartridge(uint8_t version) {
    return CartridgeWriter(version).build();
}

}  // namespace zantor
