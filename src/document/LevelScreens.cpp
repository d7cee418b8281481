#include "LevelScreens.h"

#include <set>

#include "CheckpointCommand.h"
#include "ExitScriptCommand.h"
#include "LevelDocument.h"
#include "ScreenArraysCommand.h"
#include "ScreenArraysDocument.h"
#include "base/Error.h"
#include "codec/RomFile.h"
#include "map/CameraReach.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "map/ScreenFacts.h"
#include "session/RomSession.h"

namespace zantor {

LevelScreens::LevelScreens(LevelDocument* level)
    : QObject(level), level_(level), shared_(level->session()->screenArrays()) {
    connect(level, &LevelDocument::headerChanged, this, &LevelScreens::changed);
    connect(shared(), &ScreenArraysDocument::arraysChanged, this, &LevelScreens::changed);
    connect(shared(), &ScreenArraysDocument::scriptsChanged, this, &LevelScreens::changed);
}

LevelScreens::~LevelScreens() = default;

ScreenArraysDocument* LevelScreens::shared() const {
    return shared_.data();
}

const ScreenArrays& LevelScreens::arrays() const {
    static const ScreenArrays none;
    if (!place_ || !shared())
        return none;
    try {
        return shared()->arrays(*place_);
    } catch (const Error&) {
        // Read at the load; the session dropped it since and the file is gone.
        return none;
    }
}

void LevelScreens::reload(const RomFile& rom) {
    place_.reset();
    arraysProblem_.clear();
    scanned_ = false;
    sharing_.clear();
    exitsOfLevels_.assign(kMapCount, {});
    checkpointOffset_.reset();
    checkpointProblem_.clear();
    checkpoint_ = savedCheckpoint_ = {};
    stroke_ = 0;
    ScreenArraysDocument* document = shared();
    if (!document)
        return;
    document->revert();
    if (!level_->hasLevel() || !level_->session()->isOpen())
        return;
    const int index = level_->mapIndex();
    const uint8_t version = level_->session()->version();
    try {
        RomSession::onRom(rom.path(), [&] {
            try {
                place_ = ScreenArraysPlaceOf(rom, level_->header());
            } catch (const ScreenArraysError& error) {
                arraysProblem_ = error.text();
            }
            checkpointOffset_ = CheckpointOffset(version, index);
            if (checkpointOffset_) {
                checkpoint_ = savedCheckpoint_ = ReadCheckpoint(rom, *checkpointOffset_);
            } else {
                checkpointProblem_ = ScreenFactsFor(version)
                                         ? tr("Level %1 has no checkpoint entry.").arg(index)
                                         : UnknownCheckpointsText(version);
            }
        });
        if (place_)
            document->arrays(*place_, &rom);
    } catch (const Error& error) {
        place_.reset();
        checkpointOffset_.reset();
        arraysProblem_ = checkpointProblem_ = error.text();
    }
    emit changed();
}

const QList<int>& LevelScreens::levelsSharingArrays() const {
    scanLevels();
    return sharing_;
}

void LevelScreens::scanLevels() const {
    if (scanned_ || !level_->hasLevel() || !level_->session()->isOpen())
        return;
    scanned_ = true;
    const int index = level_->mapIndex();
    try {
        const RomFile rom = level_->session()->read();
        RomSession::onRom(rom.path(), [&] {
            for (int i = 0; i < kMapCount; ++i) {
                const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, i));
                try {
                    const ScreenArraysPlace place = ScreenArraysPlaceOf(rom, header);
                    exitsOfLevels_[size_t(i)] = ReadScreenArrays(rom, place).exits;
                    if (i != index && place_ && place == *place_)
                        sharing_.append(i);
                } catch (const ScreenArraysError&) {
                    // That level has no arrays: it runs no script.
                }
            }
        });
    } catch (const Error&) {
        // Nothing is known to be shared; the level's own arrays were read at its load.
    }
}

int LevelScreens::beginStroke() {
    stroke_ = ++strokes_;
    return stroke_;
}

void LevelScreens::pushArrays(const ScreenArrays& after, const QString& text) {
    const ScreenArrays before = arrays();
    if (!place_ || !shared() || after == before)
        return;
    level_->undoStack()->push(
        new ScreenArraysCommand(shared(), text, *place_, before, after, stroke_));
    emit changed();
}

void LevelScreens::setEdge(int screen, ScreenEdge edge, bool closed) {
    if (screen < 0 || screen >= kScreenCount)
        return;
    ScreenArrays after = arrays();
    after.boxes[size_t(screen)] = WithEdge(after.boxes[size_t(screen)], edge, closed);
    pushArrays(after, closed ? tr("Close Screen Edge") : tr("Open Screen Edge"));
}

void LevelScreens::setExit(int screen, int exit) {
    if (screen < 0 || screen >= kScreenCount)
        return;
    ScreenArrays after = arrays();
    after.exits[size_t(screen)] = uint8_t(std::clamp(exit, 0, 255));
    // Consecutive edits of one screen's exit merge: a number typed digit by digit is one step.
    const int saved = stroke_;
    stroke_ = -1 - screen;
    pushArrays(after, tr("Edit Screen Exit"));
    stroke_ = saved;
}

QRegion LevelScreens::neverShown() const {
    if (!place_)
        return {};
    return CameraReach::neverShown(arrays().boxes, level_->cameraPosition());
}

std::vector<LevelScreens::UsedScript> LevelScreens::scripts() const {
    std::vector<UsedScript> used;
    if (!place_ || !shared())
        return used;
    std::set<int> numbers;
    for (uint8_t exit : arrays().exits) {
        if (exit != 0)
            numbers.insert(exit);
    }
    scanLevels();
    for (int number : numbers) {
        UsedScript entry;
        entry.number = number;
        for (int i = 0; i < kMapCount; ++i) {
            const auto& exits =
                i == level_->mapIndex() ? arrays().exits : exitsOfLevels_[size_t(i)];
            if (std::find(exits.begin(), exits.end(), number) != exits.end())
                entry.usedBy << MapNames()[i];
        }
        try {
            entry.script = shared()->script(number);
            if (!entry.script)
                entry.problem = UnknownScriptsText(level_->session()->version());
        } catch (const Error& error) {
            entry.problem = error.text();
        }
        entry.modified = shared()->isScriptModified(number);
        used.push_back(entry);
    }
    return used;
}

bool LevelScreens::setScriptBytes(int number, const QByteArray& bytes) {
    std::optional<ExitScript> script;
    if (!shared())
        return false;
    try {
        script = shared()->script(number);
    } catch (const Error&) {
        return false;
    }
    if (!script || script->bytes.size() != bytes.size())
        return false;
    if (script->bytes != bytes) {
        level_->undoStack()->push(new ExitScriptCommand(shared(), number, script->bytes, bytes));
        emit changed();
    }
    return true;
}

void LevelScreens::pushCheckpoint(const Checkpoint& after, int marker, const QString& text) {
    if (!checkpointOffset_ || after == checkpoint_)
        return;
    level_->undoStack()->push(new CheckpointCommand(this, text, marker, checkpoint_, after));
}

void LevelScreens::setCheckpointPlayer(QPoint position) {
    Checkpoint after = checkpoint_;
    after.player = QPoint(std::clamp(position.x(), 0, 0xFFFF), std::clamp(position.y(), 0, 0xFFFF));
    pushCheckpoint(after, 0, tr("Move Checkpoint Start"));
}

void LevelScreens::setCheckpointCamera(QPoint position) {
    Checkpoint after = checkpoint_;
    after.camera = QPoint(std::clamp(position.x(), 0, 0xFFFF), std::clamp(position.y(), 0, 0xFFFF));
    pushCheckpoint(after, 1, tr("Move Checkpoint Camera"));
}

void LevelScreens::applyCheckpoint(const Checkpoint& checkpoint) {
    checkpoint_ = checkpoint;
    emit changed();
}

bool LevelScreens::isModified() const {
    // The session (and its shared document) may go first when a window closes.
    return (shared() && shared()->isModified()) || !(checkpoint_ == savedCheckpoint_);
}

void LevelScreens::write(RomFile& rom) const {
    if (shared())
        shared()->write(rom);
    if (checkpointOffset_ && !(checkpoint_ == savedCheckpoint_))
        WriteCheckpoint(rom, *checkpointOffset_, checkpoint_);
}

void LevelScreens::markWritten() {
    if (shared())
        shared()->markWritten();
    savedCheckpoint_ = checkpoint_;
}

}  // namespace zantor
