#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <utility>

#include "Document.h"
#include "map/ExitScript.h"
#include "map/ScreenArrays.h"

namespace zantor {

class RomFile;
class RomSession;

// What the levels' screens share, for the whole session: the scroll-box and exit arrays of
// each map bank and index (levels of the same bank and index show one pair), and the exit
// scripts of bank 5 that any level may run. Entries are read on first use and dropped when the
// session opens a ROM. The edits are undo commands on the history of the level that made them
// (so Edit › Undo in the level's window takes them back); this document keeps what differs from
// the ROM and writes it in the level's save, in the same commit.
class ScreenArraysDocument : public Document {
    Q_OBJECT

public:
    explicit ScreenArraysDocument(RomSession* session, QObject* parent = nullptr);

    // The arrays at `place`, read on first use from `rom` when given (a file of the session's
    // ROM already open), else from the session. Throws RomFileError.
    const ScreenArrays& arrays(const ScreenArraysPlace& place, const RomFile* rom = nullptr);
    // Exit script `number` (its length fixed by what was read), on first use. Throws
    // RomFileError, and ScreenArraysError for a table word outside bank 5; nullopt for a
    // version whose scripts are not known.
    std::optional<ExitScript> script(int number);

    bool isScriptModified(int number) const;

    // Writes every entry that differs from the ROM, only its changed bytes.
    void write(RomFile& rom) const;
    // The ROM now holds what write() wrote.
    void markWritten();
    // Puts every entry back as the ROM holds it (unsaved edits dropped with their level).
    void revert();
    // Forgets every entry: another ROM, or new contents.
    void reload();

    // For the undo commands.
    void applyArrays(const ScreenArraysPlace& place, const ScreenArrays& arrays);
    void applyScript(int number, const QByteArray& bytes);

signals:
    void arraysChanged();
    void scriptsChanged();

protected:
    bool differsFromRom() const override;

private:
    struct ArraysEntry {
        ScreenArraysPlace place;
        ScreenArrays current;
        ScreenArrays saved;
    };
    struct ScriptEntry {
        ExitScript current;
        QByteArray saved;
    };
    static std::pair<uint8_t, int> keyOf(const ScreenArraysPlace& place) {
        return {place.bank, place.index};
    }

    RomSession* session_;
    std::map<std::pair<uint8_t, int>, ArraysEntry> arrays_;
    std::map<int, ScriptEntry> scripts_;
};

}  // namespace zantor
