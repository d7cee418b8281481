#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace zantor {

// The names a user gives object types. A type number means one thing in levels 0-9 and another
// in levels 10-31, so each group has its own names. No names by default. Kept as a JSON file in
// the settings folder, {"levels0to9": {"1D": "name", ...}, "levels10to31": {...}}, which can be
// exported and imported for sharing.
class ObjectNames {
public:
    static constexpr int kGroups = 2;
    static int groupOf(int level) { return level < 10 ? 0 : 1; }

    QString name(int level, int type) const { return nameIn(groupOf(level), type); }
    QString nameIn(int group, int type) const;
    // An empty name removes it.
    void setName(int group, int type, const QString& name);
    bool isEmpty() const;

    QByteArray toJson() const;
    // Replaces the names; false (and `error` set, the names unchanged) when the text is not
    // such a file.
    bool fromJson(const QByteArray& json, QString* error = nullptr);

    // Where the names are kept: object-names.json in the settings folder.
    static QString defaultPath();
    // An absent file is no names. Throws nothing; false with `error` set when it cannot be read.
    bool load(const QString& path, QString* error = nullptr);
    bool save(const QString& path, QString* error = nullptr) const;

    bool operator==(const ObjectNames&) const = default;

private:
    QMap<int, QString> names_[kGroups];
};

}  // namespace zantor
