#pragma once

#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QStringList>
#include <optional>
#include <vector>

#include "map/Checkpoint.h"
#include "map/ExitScript.h"
#include "map/ScreenArrays.h"

namespace zantor {

class LevelDocument;
class RomFile;
class ScreenArraysDocument;

// The open level's screens: its scroll boxes and exits (the session's arrays for its bank and
// index, shared with the levels of the same pair), the exit scripts they run, and its
// checkpoint entry (the level's own). Every edit is a step on the level's history; the level's
// save writes what changed in its commit. Reading never throws: what cannot be read is missing
// and a text says why.
class LevelScreens : public QObject {
    Q_OBJECT

public:
    explicit LevelScreens(LevelDocument* level);
    ~LevelScreens() override;

    LevelDocument* level() const { return level_; }

    // --- The arrays ---
    bool hasArrays() const { return place_.has_value(); }
    // Why there are no arrays (a base outside its bank, a file that cannot be read).
    const QString& arraysProblem() const { return arraysProblem_; }
    const ScreenArraysPlace& place() const { return *place_; }
    // The arrays as edited; all zeros without a place.
    const ScreenArrays& arrays() const;
    // The other levels (by index) that show the same arrays.
    const QList<int>& levelsSharingArrays() const;
    uint8_t box(int screen) const { return arrays().boxes[size_t(screen)]; }
    uint8_t exit(int screen) const { return arrays().exits[size_t(screen)]; }

    // A stroke: every edge set between begin and end is one step.
    int beginStroke();
    void endStroke() { stroke_ = 0; }
    // Opens or closes one edge; bits 4-7 stay.
    void setEdge(int screen, ScreenEdge edge, bool closed);
    void setExit(int screen, int exit);
    // What the camera can never show, from the edges and the camera's start.
    QRegion neverShown() const;

    // --- Exit scripts (cartridge version 0) ---
    struct UsedScript {
        int number = 0;
        std::optional<ExitScript> script;  // none when it cannot be read
        QString problem;
        QStringList usedBy;  // the names of every level whose exits run it
        bool modified = false;
    };
    // The scripts this level's exits run, by number.
    std::vector<UsedScript> scripts() const;
    // Replaces a script's bytes; refused (false) when the length differs.
    bool setScriptBytes(int number, const QByteArray& bytes);

    // --- The checkpoint ---
    bool hasCheckpoint() const { return checkpointOffset_.has_value(); }
    // Why there is none (an unknown version, the level after the last entry).
    const QString& checkpointProblem() const { return checkpointProblem_; }
    const Checkpoint& checkpoint() const { return checkpoint_; }
    void setCheckpointPlayer(QPoint position);
    void setCheckpointCamera(QPoint position);

    // --- For the level document ---
    // Reads everything for the level just put in place from `rom`, the file it was loaded
    // from; drops unsaved edits.
    void reload(const RomFile& rom);
    bool isModified() const;
    void write(RomFile& rom) const;
    void markWritten();
    void applyCheckpoint(const Checkpoint& checkpoint);

signals:
    // Something any screen view draws changed.
    void changed();

private:
    void pushArrays(const ScreenArrays& after, const QString& text);
    void pushCheckpoint(const Checkpoint& after, int marker, const QString& text);
    ScreenArraysDocument* shared() const;

    LevelDocument* level_;
    QPointer<ScreenArraysDocument> shared_;
    std::optional<ScreenArraysPlace> place_;
    QString arraysProblem_;
    // Read from the ROM on first use, not at every load: the scan reads every level's header
    // and arrays, which would cost a level load several times what the load itself does.
    void scanLevels() const;
    mutable bool scanned_ = false;
    mutable QList<int> sharing_;
    // Per level, its exits as read, to tell who shares a script.
    mutable std::vector<std::array<uint8_t, kScreenCount>> exitsOfLevels_;
    std::optional<int32_t> checkpointOffset_;
    QString checkpointProblem_;
    Checkpoint checkpoint_;
    Checkpoint savedCheckpoint_;
    int stroke_ = 0;
    int strokes_ = 0;
};

}  // namespace zantor
