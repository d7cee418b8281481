#include "ObjectNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include "base/AtomicFileWriter.h"

namespace zantor {

namespace {
const char* const kGroupKeys[ObjectNames::kGroups] = {"levels0to9", "levels10to31"};

// The texts' translation context, which lupdate reads from the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ObjectNames)
};
}  // namespace

QString ObjectNames::nameIn(int group, int type) const {
    if (group < 0 || group >= kGroups)
        return {};
    return names_[group].value(type);
}

void ObjectNames::setName(int group, int type, const QString& name) {
    if (group < 0 || group >= kGroups || type < 0 || type > 127)
        return;
    if (name.trimmed().isEmpty())
        names_[group].remove(type);
    else
        names_[group].insert(type, name.trimmed());
}

bool ObjectNames::isEmpty() const {
    return names_[0].isEmpty() && names_[1].isEmpty();
}

QByteArray ObjectNames::toJson() const {
    QJsonObject root;
    for (int g = 0; g < kGroups; ++g) {
        QJsonObject group;
        for (auto it = names_[g].begin(); it != names_[g].end(); ++it)
            group.insert(QString::number(it.key(), 16).toUpper().rightJustified(2, '0'), *it);
        root.insert(kGroupKeys[g], group);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ObjectNames::fromJson(const QByteArray& json, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject())
        return fail(Text::tr("not a names file: %1").arg(parseError.errorString()));
    ObjectNames read;
    for (int g = 0; g < kGroups; ++g) {
        const QJsonValue group = document.object().value(kGroupKeys[g]);
        if (group.isUndefined())
            continue;
        if (!group.isObject())
            return fail(Text::tr("\"%1\" is not an object").arg(kGroupKeys[g]));
        const QJsonObject entries = group.toObject();
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            bool ok = false;
            const int type = it.key().toInt(&ok, 16);
            if (!ok || type < 0 || type > 127 || !it->isString())
                return fail(Text::tr("\"%1\" in \"%2\" is not a type 00-7F with a name")
                                .arg(it.key(), kGroupKeys[g]));
            read.setName(g, type, it->toString());
        }
    }
    *this = read;
    return true;
}

QString ObjectNames::defaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath("object-names.json");
}

bool ObjectNames::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.exists()) {
        *this = ObjectNames();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return fromJson(file.readAll(), error);
}

bool ObjectNames::save(const QString& path, QString* error) const {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString reason;
    if (!AtomicFileWriter::write(path, toJson(), &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

}  // namespace zantor
