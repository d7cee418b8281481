#include "ScreenArraysDocument.h"

#include "codec/RomFile.h"
#include "map/ScreenFacts.h"
#include "session/RomSession.h"

namespace zantor {

ScreenArraysDocument::ScreenArraysDocument(RomSession* session, QObject* parent)
    : Document(parent), session_(session) {}

const ScreenArrays& ScreenArraysDocument::arrays(const ScreenArraysPlace& place,
                                                 const RomFile* rom) {
    auto it = arrays_.find(keyOf(place));
    if (it == arrays_.end()) {
        std::optional<RomFile> opened;
        if (!rom)
            rom = &opened.emplace(session_->read());
        const ScreenArrays read =
            RomSession::onRom(rom->path(), [&] { return ReadScreenArrays(*rom, place); });
        it = arrays_.emplace(keyOf(place), ArraysEntry{place, read, read}).first;
    }
    return it->second.current;
}

std::optional<ExitScript> ScreenArraysDocument::script(int number) {
    const std::optional<ScreenFacts> facts = ScreenFactsFor(session_->version());
    if (!facts)
        return std::nullopt;
    auto it = scripts_.find(number);
    if (it == scripts_.end()) {
        const RomFile rom = session_->read();
        const ExitScript read =
            RomSession::onRom(rom.path(), [&] { return ReadExitScript(rom, *facts, number); });
        it = scripts_.emplace(number, ScriptEntry{read, read.bytes}).first;
    }
    return it->second.current;
}

bool ScreenArraysDocument::isScriptModified(int number) const {
    const auto it = scripts_.find(number);
    return it != scripts_.end() && it->second.current.bytes != it->second.saved;
}

void ScreenArraysDocument::write(RomFile& rom) const {
    for (const auto& [key, entry] : arrays_) {
        if (!(entry.current == entry.saved))
            WriteScreenArrays(rom, entry.place, entry.current);
    }
    for (const auto& [number, entry] : scripts_) {
        const QByteArray& bytes = entry.current.bytes;
        for (int k = 0; k < bytes.size(); ++k) {
            if (bytes[k] != entry.saved[k])
                rom.WriteRomByte(entry.current.offset + k, uint8_t(bytes[k]));
        }
    }
}

void ScreenArraysDocument::markWritten() {
    for (auto& [key, entry] : arrays_)
        entry.saved = entry.current;
    for (auto& [number, entry] : scripts_)
        entry.saved = entry.current.bytes;
    markSaved();
}

void ScreenArraysDocument::revert() {
    for (auto& [key, entry] : arrays_)
        entry.current = entry.saved;
    for (auto& [number, entry] : scripts_)
        entry.current.bytes = entry.saved;
    startHistory();
    emit arraysChanged();
    emit scriptsChanged();
}

void ScreenArraysDocument::reload() {
    arrays_.clear();
    scripts_.clear();
    startHistory();
    emit arraysChanged();
    emit scriptsChanged();
}

void ScreenArraysDocument::applyArrays(const ScreenArraysPlace& place, const ScreenArrays& arrays) {
    const auto it = arrays_.find(keyOf(place));
    if (it == arrays_.end())
        return;  // read anew since: the step has nothing left to change
    it->second.current = arrays;
    updateModified();
    emit arraysChanged();
}

void ScreenArraysDocument::applyScript(int number, const QByteArray& bytes) {
    const auto it = scripts_.find(number);
    if (it == scripts_.end() || bytes.size() != it->second.saved.size())
        return;
    it->second.current.bytes = bytes;
    updateModified();
    emit scriptsChanged();
}

bool ScreenArraysDocument::differsFromRom() const {
    for (const auto& [key, entry] : arrays_) {
        if (!(entry.current == entry.saved))
            return true;
    }
    for (const auto& [number, entry] : scripts_) {
        if (entry.current.bytes != entry.saved)
            return true;
    }
    return false;
}

}  // namespace zantor
