#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

namespace zantor {

// The ROMs opened last, most recent first, and the level last shown in each, kept in the
// given settings so that they outlast the program. Paths are kept canonical, so that one file
// reached by two paths (a symbolic link, "..") is one entry.
class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    explicit RecentFiles(QSettings& settings);

    // Most recent first; at most kMaxFiles.
    QStringList files() const;
    // Puts path at the front; a path already listed moves there, the oldest beyond the limit
    // drops out.
    void add(const QString& path);
    // Drops the files that no longer exist; returns them.
    QStringList pruneMissing();

    // The map index last shown for the ROM; nullopt when none is remembered. Only the listed
    // ROMs keep theirs, so the settings stay small: add() the ROM when it opens, then
    // setLastMap() whenever a level is shown; a ROM that drops off the list forgets its level.
    std::optional<int> lastMap(const QString& path) const;
    void setLastMap(const QString& path, int mapIndex);

    // The form the list keeps a path in.
    static QString canonical(const QString& path);

private:
    void store(const QStringList& files);

    QSettings& settings_;
};

}  // namespace zantor
