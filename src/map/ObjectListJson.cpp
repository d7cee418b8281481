#include "ObjectListJson.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace zantor {

QJsonArray ObjectsToJson(const std::vector<LevelObject>& objects) {
    QJsonArray entries;
    for (const LevelObject& object : objects) {
        entries.append(QJsonObject{{"x", object.x},
                                   {"y", object.y},
                                   {"type", object.type},
                                   {"hiddenInEasyMode", object.hiddenInEasyMode}});
    }
    return entries;
}

QByteArray ObjectListToJson(int level, const std::vector<LevelObject>& objects) {
    const QJsonObject root{{"level", level}, {"objects", ObjectsToJson(objects)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<std::vector<LevelObject>> ObjectsFromJson(const QByteArray& json, QString* error) {
    auto fail = [&](const QString& why) -> std::optional<std::vector<LevelObject>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull())
        return fail(QCoreApplication::translate("ObjectListJson", "not JSON: %1")
                        .arg(parseError.errorString()));
    QJsonArray entries;
    if (document.isArray()) {
        entries = document.array();
    } else if (document.object().value("objects").isArray()) {
        entries = document.object().value("objects").toArray();
    } else {
        return fail(QCoreApplication::translate("ObjectListJson", "no \"objects\" array"));
    }
    std::vector<LevelObject> objects;
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries[i].toObject();
        LevelObject object;
        for (const auto& [name, field] :
             {std::pair{"x", &object.x}, {"y", &object.y}, {"type", &object.type}}) {
            const QJsonValue value = entry.value(QLatin1String(name));
            const double number = value.toDouble(0.5);
            if (!value.isDouble() || std::abs(number) > 1e6 || number != std::floor(number))
                return fail(QCoreApplication::translate("ObjectListJson",
                                                        "object %1: \"%2\" is not a whole number")
                                .arg(i)
                                .arg(QLatin1String(name)));
            *field = int(number);
        }
        const QJsonValue hidden = entry.value("hiddenInEasyMode");
        if (!hidden.isUndefined() && !hidden.isBool())
            return fail(
                QCoreApplication::translate("ObjectListJson",
                                            "object %1: \"hiddenInEasyMode\" is not true or false")
                    .arg(i));
        object.hiddenInEasyMode = hidden.toBool(false);
        objects.push_back(object);
    }
    return objects;
}

}  // namespace zantor
