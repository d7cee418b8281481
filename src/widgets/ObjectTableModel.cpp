#include "ObjectTableModel.h"

#include "document/ObjectListDocument.h"
#include "map/MapLoader.h"

namespace zantor {

namespace {
QString typeText(int type) {
    return QString::number(type, 16).toUpper().rightJustified(2, '0');
}
}  // namespace

ObjectTableModel::ObjectTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ObjectTableModel::setDocument(ObjectListDocument* document, int level) {
    beginResetModel();
    if (document_)
        document_->disconnect(this);
    document_ = document;
    level_ = level;
    rows_ = document_ ? document_->count() : 0;
    shown_ = document_ ? document_->objects() : std::vector<LevelObject>();
    if (document_) {
        connect(document_, &ObjectListDocument::objectsChanged, this,
                &ObjectTableModel::objectsChanged);
        connect(document_, &ObjectListDocument::loaded, this,
                [this] { setDocument(document_, level_); });
    }
    endResetModel();
}

void ObjectTableModel::setNames(std::function<QString(int, int)> names) {
    names_ = std::move(names);
    if (rows_ > 0)
        emit dataChanged(index(0, Name), index(rows_ - 1, Name));
}

void ObjectTableModel::objectsChanged() {
    // A row added or removed is the view's business at once; changed rows can wait a frame.
    const int now = document_ ? document_->count() : 0;
    if (now != rows_) {
        beginResetModel();
        rows_ = now;
        shown_ = document_ ? document_->objects() : std::vector<LevelObject>();
        endResetModel();
    } else {
        rowsOnEdit_.request();
    }
}

void ObjectTableModel::showChangedRows() {
    if (!document_ || document_->count() != rows_)
        return;
    const std::vector<LevelObject>& now = document_->objects();
    for (int row = 0; row < rows_; ++row) {
        if (now[size_t(row)] != shown_[size_t(row)])
            emit dataChanged(index(row, 0), index(row, Columns - 1));
    }
    shown_ = now;
}

int ObjectTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ObjectTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant ObjectTableModel::data(const QModelIndex& index, int role) const {
    if (!document_ || index.row() >= document_->count())
        return {};
    const LevelObject& object = document_->objects()[size_t(index.row())];
    if (index.column() == Hidden) {
        if (role == Qt::CheckStateRole)
            return object.hiddenInEasyMode ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
        case X:
            return object.x;
        case Y:
            return object.y;
        case Type:
            return typeText(object.type);
        case Name: {
            const QString name = names_ ? names_(level_, object.type) : QString();
            return name.isEmpty() ? tr("Object %1").arg(typeText(object.type)) : name;
        }
        default:
            return {};
    }
}

QVariant ObjectTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section;
    switch (section) {
        case X:
            return tr("X");
        case Y:
            return tr("Y");
        case Type:
            return tr("Type");
        case Name:
            return tr("Name");
        case Hidden:
            return tr("Easy-hidden");
        default:
            return {};
    }
}

Qt::ItemFlags ObjectTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Hidden)
        return flags | Qt::ItemIsUserCheckable;
    if (index.column() != Name)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ObjectTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!document_ || index.row() >= document_->count())
        return false;
    LevelObject object = document_->objects()[size_t(index.row())];
    bool ok = true;
    switch (index.column()) {
        case X:
            object.x = value.toInt(&ok) / 8 * 8;
            break;
        case Y:
            object.y = value.toInt(&ok) / 8 * 8;
            break;
        case Type:
            object.type = value.toString().trimmed().remove("0x").toInt(&ok, 16);
            ok = ok && object.type >= 0 && object.type <= 127;
            break;
        case Hidden:
            if (role != Qt::CheckStateRole)
                return false;
            object.hiddenInEasyMode = value.toInt() == Qt::Checked;
            break;
        default:
            return false;
    }
    // Positions stay inside the level, as a drag keeps them; whatever else is refused here.
    if (!ok || object.x < 0 || object.y < 0 || object.x >= kLevelWidth || object.y >= kLevelHeight)
        return false;
    document_->setObject(index.row(), object);
    return true;
}

}  // namespace zantor
