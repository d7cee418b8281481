#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QVariantMap>

namespace zantor {

namespace {
const QString kFilesKey = QStringLiteral("recent/files");
// A map from canonical path to map index: one key, because a path cannot be a settings key.
const QString kLastMapKey = QStringLiteral("recent/lastMap");
}  // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {}

QString RecentFiles::canonical(const QString& path) {
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();  // empty when the file is gone
    return resolved.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : resolved;
}

QStringList RecentFiles::files() const {
    QStringList files = settings_.value(kFilesKey).toStringList();
    // A hand-edited settings file may hold more.
    return files.mid(0, kMaxFiles);
}

// Each write syncs the settings file to disk; opening the ROM already at the front of the list
// (every start with the last ROM) changes nothing and so writes nothing.
void RecentFiles::store(const QStringList& files) {
    if (settings_.value(kFilesKey).toStringList() != files)
        settings_.setValue(kFilesKey, files);
    const QVariantMap stored = settings_.value(kLastMapKey).toMap();
    QVariantMap lastMaps = stored;
    for (auto it = lastMaps.begin(); it != lastMaps.end();) {
        it = files.contains(it.key()) ? std::next(it) : lastMaps.erase(it);
    }
    if (lastMaps.size() != stored.size())
        settings_.setValue(kLastMapKey, lastMaps);
}

void RecentFiles::add(const QString& path) {
    const QString entry = canonical(path);
    QStringList list = files();
    list.removeAll(entry);
    list.prepend(entry);
    store(list.mid(0, kMaxFiles));
}

QStringList RecentFiles::pruneMissing() {
    QStringList kept;
    QStringList missing;
    for (const QString& file : files()) {
        (QFileInfo(file).isFile() ? kept : missing) << file;
    }
    if (!missing.isEmpty()) {
        store(kept);
    }
    return missing;
}

std::optional<int> RecentFiles::lastMap(const QString& path) const {
    const QVariant value = settings_.value(kLastMapKey).toMap().value(canonical(path));
    bool ok = false;
    const int index = value.toInt(&ok);
    if (!value.isValid() || !ok || index < 0) {
        return std::nullopt;
    }
    return index;
}

void RecentFiles::setLastMap(const QString& path, int mapIndex) {
    const QString entry = canonical(path);
    if (!files().contains(entry)) {
        return;  // see lastMap
    }
    QVariantMap lastMaps = settings_.value(kLastMapKey).toMap();
    if (lastMaps.contains(entry) && lastMap(entry) == mapIndex)
        return;
    lastMaps.insert(entry, mapIndex);
    settings_.setValue(kLastMapKey, lastMaps);
}

}  // namespace zantor
