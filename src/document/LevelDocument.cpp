#include "LevelDocument.h"

#include "BlockQuartersCommand.h"
#include "GridEditCommand.h"
#include "HeaderFieldCommand.h"
#include "LevelScreens.h"
#include "TileSetDocument.h"
#include "codec/RomAccessError.h"
#include "codec/RomFile.h"
#include "codec/RomFileError.h"
#include "codec/TileCodec.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"
#include "map/MapSaver.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "map/RegionRepack.h"
#include "map/RepackError.h"
#include "session/RomSession.h"

namespace zantor {

namespace {
const LoadedMap& emptyLevel() {
    static const LoadedMap empty = [] {
        LoadedMap level;
        level.tileSheet = Picture(kSheetSize, kSheetSize);
        level.blockStrip = Picture(kBlockStripWidth, kBlockStripHeight);
        return level;
    }();
    return empty;
}

template <class Body>
auto onRom(const QString& path, Body&& body) {
    return RomSession::onRom(path, std::forward<Body>(body));
}

unsigned bitOf(HeaderField field) {
    return 1u << unsigned(field);
}
}  // namespace

LevelDocument::LevelDocument(QObject* parent) : LevelDocument(new RomSession(nullptr), parent) {
    session_->setParent(this);
}

LevelDocument::LevelDocument(RomSession* session, QObject* parent)
    : Document(parent), session_(session), screens_(new LevelScreens(this)) {}

LevelDocument::~LevelDocument() {
    // The commands call back into the document; they go first, without telling anyone: the
    // window that observes the document may be half destroyed already (it is its parent).
    undo_.disconnect(this);
    undo_.clear();
}

const QString& LevelDocument::romPath() const {
    return session_->path();
}

const LoadedMap& LevelDocument::level() const {
    return level_ ? *level_ : emptyLevel();
}

void LevelDocument::load(const QString& path, int mapIndex) {
    const RomFile rom = RomFile::open(path);
    load(rom, mapIndex);
}

void LevelDocument::load(const RomFile& rom, int mapIndex) {
    LoadedMap loaded = onRom(rom.path(), [&] { return LoadMap(rom, mapIndex); });
    // Nothing below throws: the session and the document change all at once.
    session_->open(rom);
    putInPlace(std::move(loaded), rom);
}

void LevelDocument::loadLevel(int mapIndex) {
    const RomFile rom = session_->read();
    putInPlace(onRom(rom.path(), [&] { return LoadMap(rom, mapIndex); }), rom);
}

void LevelDocument::putInPlace(LoadedMap loaded, const RomFile& rom) {
    strokeOpen_ = false;
    undo_.clear();
    level_ = std::move(loaded);
    savedCells_ = level_->cells;
    savedBlocks_ = level_->blocks;
    savedHeader_ = level_->header;
    slot_ = level_->CompressedLength - 1;
    meter_.reset(level_->cells);
    if (!originalPath_.isEmpty()) {
        try {
            loadOriginal();
        } catch (const std::exception&) {
            // The original went away: the comparison ends, the level loads all the same.
            stopComparing();
        }
    }
    paintBlock_ = 0;
    editedBlock_ = 0;
    chosenTile_ = 0;
    hoveredCell_.reset();
    resetToolState();
    screens_->reload(rom);
    // The views ask for the level's objects as soon as it is announced: read them from the file
    // at hand rather than open it again.
    session_->objectList(level_->mapIndex, &rom);
    attachTileSets();
    startHistory();
    emit levelLoaded();
    emit choiceChanged();
}

void LevelDocument::setPaintBlock(int block) {
    block = std::clamp(block, 0, kBlockCount - 1);
    if (block != paintBlock_) {
        paintBlock_ = block;
        emit choiceChanged();
    }
}

void LevelDocument::setEditedBlock(int block) {
    block = std::clamp(block, 0, kBlockCount - 1);
    if (block != editedBlock_) {
        editedBlock_ = block;
        emit choiceChanged();
    }
}

void LevelDocument::setChosenTile(int tile) {
    tile = std::clamp(tile, 0, 255);
    if (tile != chosenTile_) {
        chosenTile_ = tile;
        emit choiceChanged();
    }
}

void LevelDocument::setHoveredCell(std::optional<QPoint> cell) {
    if (cell && !QRect(0, 0, kMapColumns, kMapRows).contains(*cell)) {
        cell.reset();
    }
    if (cell != hoveredCell_) {
        hoveredCell_ = cell;
        emit hoveredCellChanged();
    }
}

void LevelDocument::beginStroke() {
    strokeOpen_ = true;
    ++strokeId_;
}

void LevelDocument::paint(QPoint cell) {
    if (!level_ || !QRect(0, 0, kMapColumns, kMapRows).contains(cell)) {
        return;
    }
    const int index = cell.y() * kMapColumns + cell.x();
    const uint8_t before = level_->cells[size_t(index)];
    const uint8_t after = uint8_t(paintBlock_);
    if (before == after) {
        return;
    }
    if (!strokeOpen_) {
        ++strokeId_;  // a stroke of its own
    }
    undo_.push(new GridEditCommand(this, tr("Paint"), {{index, before, after}}, strokeId_));
}

void LevelDocument::endStroke() {
    strokeOpen_ = false;
    ++strokeId_;  // the next paint never merges into this stroke
}

void LevelDocument::setBlockQuarter(int block, int quarter, uint8_t tile) {
    if (!level_ || block < 0 || block >= kBlockCount || quarter < 0 || quarter > 3) {
        return;
    }
    const BlockQuarters before = level_->blocks[size_t(block)];
    BlockQuarters after = before;
    after[size_t(quarter)] = tile;
    if (after == before) {
        return;
    }
    undo_.push(new BlockQuartersCommand(this, block, before, after));
}

int LevelDocument::replaceBlock(uint8_t from, uint8_t to) {
    if (!level_ || from == to) {
        return 0;
    }
    std::vector<CellEdit> edits;
    for (int i = 0; i < kMapCells; ++i) {
        if (level_->cells[size_t(i)] == from) {
            edits.push_back({i, from, to});
        }
    }
    if (edits.empty()) {
        return 0;
    }
    const int count = int(edits.size());
    undo_.push(new GridEditCommand(
        this, tr("Replace Block %1 with %2").arg(HexText2(from), HexText2(to)), std::move(edits)));
    return count;
}

void LevelDocument::pushHeader(const MapHeader& after, unsigned fields, const QString& text) {
    if (!level_ || after == level_->header) {
        return;
    }
    undo_.push(new HeaderFieldCommand(this, text, fields, level_->header, after));
}

void LevelDocument::setHeaderField(HeaderField field, int value) {
    if (!level_)
        return;
    MapHeader after = level_->header;
    after.setField(field, std::clamp(value, 0, MapHeader::maximumOf(field)));
    static const char* const names[] = {QT_TR_NOOP("Edit Start Y"),
                                        QT_TR_NOOP("Edit Start X"),
                                        QT_TR_NOOP("Edit Camera Y"),
                                        QT_TR_NOOP("Edit Camera X"),
                                        QT_TR_NOOP("Edit Music"),
                                        QT_TR_NOOP("Edit Background Palette"),
                                        QT_TR_NOOP("Edit Foreground Palette 0"),
                                        QT_TR_NOOP("Edit Foreground Palette 1"),
                                        QT_TR_NOOP("Edit Time")};
    pushHeader(after, bitOf(field), tr(names[size_t(field)]));
}

void LevelDocument::setPosition(HeaderField x, HeaderField y, QPoint position,
                                const QString& text) {
    if (!level_)
        return;
    MapHeader after = level_->header;
    after.setField(x, std::clamp(position.x(), 0, 0xFFFF));
    after.setField(y, std::clamp(position.y(), 0, 0xFFFF));
    pushHeader(after, bitOf(x) | bitOf(y), text);
}

void LevelDocument::setStartPosition(QPoint position) {
    setPosition(HeaderField::PlayerX, HeaderField::PlayerY, position, tr("Move Start"));
}

void LevelDocument::setCameraPosition(QPoint position) {
    setPosition(HeaderField::CameraX, HeaderField::CameraY, position, tr("Move Camera Start"));
}

void LevelDocument::applyHeader(const MapHeader& header) {
    const bool newPalette = header.backgroundPalette() != level_->header.backgroundPalette();
    level_->header = header;
    if (newPalette) {
        level_->tileSheet = RecolourTileSheet(level_->rawTileSheet, header.backgroundPalette());
        level_->blockStrip = DrawBlockStrip(level_->tileSheet, level_->blocks);
        QList<int> all;
        for (int b = 0; b < kBlockCount; ++b)
            all.append(b);
        emit blocksChanged(all);
    }
    emit headerChanged();
}

void LevelDocument::applyCellEdits(const std::vector<CellEdit>& edits, bool forward) {
    // The bounding rectangle, kept as plain numbers: a whole-level fill has 12,288 edits.
    int left = kMapColumns, top = kMapRows, right = -1, bottom = -1;
    for (const CellEdit& edit : edits) {
        level_->cells[size_t(edit.index)] = forward ? edit.after : edit.before;
        const int x = edit.index % kMapColumns, y = edit.index / kMapColumns;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const QRect changed = right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    meter_.cellsChanged(level_->cells, changed);
    emit cellsChanged(changed);
}

void LevelDocument::applyBlock(int block, const BlockQuarters& quarters) {
    level_->blocks[size_t(block)] = quarters;
    DrawBlock(level_->blockStrip, level_->tileSheet, block, quarters);
    level_->blockStrip.takeDirty();
    emit blocksChanged({block});
}

bool LevelDocument::isMapModified() const {
    return level_ && level_->cells != savedCells_;
}

bool LevelDocument::isHeaderModified() const {
    return level_ && !(level_->header == savedHeader_);
}

bool LevelDocument::isBlockModified(int block) const {
    return level_ && block >= 0 && block < kBlockCount &&
           level_->blocks[size_t(block)] != savedBlocks_[size_t(block)];
}

int LevelDocument::modifiedBlockCount() const {
    int count = 0;
    for (int b = 0; b < kBlockCount; ++b) {
        count += isBlockModified(b) ? 1 : 0;
    }
    return count;
}

bool LevelDocument::differsFromRom() const {
    return isMapModified() || isHeaderModified() || modifiedBlockCount() > 0 ||
           screens_->isModified() || areTilesModified();
}

void LevelDocument::writeChanges(RomFile& rom, const Changes& changes, SaveResult& result) const {
    if (changes.map) {
        result.mapOffset = MapDataOffset(rom, savedHeader_);
        result.mapBytes = mapBytesNeeded();
        if (!MapSaver::writeToSlot(rom, savedHeader_, level_->cells, slot_)) {
            throw std::logic_error("the map's fit is checked before writing");
        }
    }
    const int32_t blockData = savedHeader_.BlockDataOffset();
    for (int b : changes.blocks) {
        for (int q = 0; q < 4; ++q) {
            rom.WriteRomByte(blockData + 4 * b + q, level_->blocks[size_t(b)][size_t(q)]);
        }
    }
    result.blocksWritten = int(changes.blocks.size());
    if (changes.header) {
        // Only the bytes that changed; the fields the editor does not edit stay as read.
        for (int i = 0; i < MapHeader::kSize; ++i) {
            if (level_->header.bytes[size_t(i)] != savedHeader_.bytes[size_t(i)])
                rom.WriteRomByte(level_->headerOffset + i, level_->header.bytes[size_t(i)]);
        }
        result.headerWritten = true;
    }
    if (changes.screens) {
        screens_->write(rom);
        result.screensWritten = true;
    }
    if (changes.tiles) {
        for (TileSetDocument* run : tileSets_) {
            if (run)
                run->writeChanges(rom);
        }
    }
}

LevelDocument::Changes LevelDocument::unsavedChanges() const {
    Changes changes;
    changes.map = isMapModified();
    changes.header = isHeaderModified();
    changes.tiles = areTilesModified();
    for (int b = 0; b < kBlockCount; ++b) {
        if (isBlockModified(b))
            changes.blocks.push_back(b);
    }
    changes.screens = screens_->isModified();
    return changes;
}

LevelDocument::SaveResult LevelDocument::saveChanges(const Changes& changes) {
    SaveResult result;
    session_->write([&](RomFile& rom) { writeChanges(rom, changes, result); });
    // Committed: the ROM now holds these.
    result.written = true;
    markWritten(changes);
    return result;
}

void LevelDocument::markWritten(const Changes& changes) {
    if (changes.map) {
        savedCells_ = level_->cells;
    }
    for (int b : changes.blocks) {
        savedBlocks_[size_t(b)] = level_->blocks[size_t(b)];
    }
    if (changes.header) {
        savedHeader_ = level_->header;
    }
    if (changes.screens)
        screens_->markWritten();
    if (changes.tiles) {
        for (TileSetDocument* run : tileSets_) {
            if (run)
                run->markWritten();
        }
    }
    markSaved();
}

LevelDocument::SaveResult LevelDocument::saveMap() {
    if (!level_ || !mapFits()) {
        return {};
    }
    return saveChanges({true, false, {}});
}

LevelDocument::SaveResult LevelDocument::saveBlock(int block) {
    if (!level_ || block < 0 || block >= kBlockCount) {
        return {};
    }
    return saveChanges({false, false, {block}});
}

LevelDocument::SaveResult LevelDocument::saveHeader() {
    if (!level_) {
        return {};
    }
    return saveChanges({false, true, {}, screens_->isModified()});
}

LevelDocument::SaveResult LevelDocument::save() {
    const Changes changes = unsavedChanges();
    if (!level_ || (changes.map && !mapFits())) {
        return {};
    }
    return saveChanges(changes);
}

LevelDocument::RepackOffer LevelDocument::repackOffer() const {
    RepackOffer offer;
    if (!level_) {
        return offer;
    }
    const RomFile rom = session_->read();
    onRom(rom.path(), [&] {
        const MapSpace space = MapSpace::read(rom);
        try {
            const RepackPlan plan = RegionRepack::planFor(space, mapIndex(), cells());
            offer.possible = true;
            offer.newSlot = plan.newSlotOf(mapIndex());
            for (int index : plan.movedMapIndices()) {
                if (index != mapIndex())
                    offer.movedMaps << MapNames().value(index);
            }
        } catch (const RepackError& error) {
            offer.whyNot = error.text();
        }
    });
    return offer;
}

LevelDocument::SaveResult LevelDocument::saveRepacked() {
    SaveResult result;
    if (!level_) {
        return result;
    }
    Changes changes = unsavedChanges();
    changes.map = false;  // the repack writes it
    int newSlot = 0;
    session_->write([&](RomFile& rom) {
        const RepackPlan plan = RegionRepack::planFor(MapSpace::read(rom), mapIndex(), cells());
        RegionRepack::apply(rom, plan);
        newSlot = plan.newSlotOf(mapIndex());
        result.mapOffset = MapDataOffset(rom, savedHeader_);
        writeChanges(rom, changes, result);
    });
    result.written = true;
    result.mapBytes = newSlot;
    slot_ = newSlot;
    // The repack wrote the map and the header's map pointer.
    changes.map = true;
    changes.header = true;
    markWritten(changes);
    return result;
}

void LevelDocument::compareWith(const QString& originalPath) {
    const QString previous = originalPath_;
    originalPath_ = originalPath;
    try {
        loadOriginal();
    } catch (...) {
        originalPath_ = previous;
        throw;
    }
}

void LevelDocument::stopComparing() {
    originalPath_.clear();
    originalCells_.reset();
    originalBlocks_.reset();
    emit comparisonChanged();
}

void LevelDocument::loadOriginal() {
    const RomFile original = RomFile::open(originalPath_);
    onRom(originalPath_, [&] {
        const MapHeader header = MapHeader::read(original, HeaderOffset(original, mapIndex()));
        originalBlocks_ = ReadBlockSet(original, header.BlockDataOffset());
        originalCells_ = DecompressMap(original, MapDataOffset(original, header)).cells;
    });
    emit comparisonChanged();
}

int LevelDocument::differingCells() const {
    int count = 0;
    for (int i = 0; i < kMapCells; ++i)
        count += cellDiffers(i) ? 1 : 0;
    return count;
}

int LevelDocument::differingBlocks() const {
    int count = 0;
    for (int b = 0; b < kBlockCount; ++b)
        count += blockDiffers(b) ? 1 : 0;
    return count;
}

QByteArray LevelDocument::imageWithChanges() const {
    RomFile rom = session_->read();
    return onRom(rom.path(), [&] {
        if (!level_) {
            return rom.bytes();
        }
        SaveResult ignored;
        Changes changes = unsavedChanges();
        changes.map = changes.map && mapFits();
        writeChanges(rom, changes, ignored);
        return rom.bytes();
    });
}

}  // namespace zantor
