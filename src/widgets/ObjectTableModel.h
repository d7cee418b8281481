#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <functional>

#include "CoalescedCall.h"
#include "document/ObjectListDocument.h"

namespace zantor {

// The rows of the objects panel: one per object, in the list's order (X, Y, type, name, hidden
// in Easy mode). Editing a cell edits the object through the document, one undo step each.
class ObjectTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { X, Y, Type, Name, Hidden, Columns };

    explicit ObjectTableModel(QObject* parent = nullptr);

    void setDocument(ObjectListDocument* document, int level);
    ObjectListDocument* document() const { return document_; }
    void setNames(std::function<QString(int level, int type)> names);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    void objectsChanged();
    void showChangedRows();

    QPointer<ObjectListDocument> document_;
    int level_ = 0;
    int rows_ = 0;
    // The objects as the rows show them: an edit repaints only the rows that changed.
    std::vector<LevelObject> shown_;
    // A drag changes a row on every pointer move; the table follows at most once a frame.
    CoalescedCall rowsOnEdit_{this, [this] { showChangedRows(); }};
    std::function<QString(int, int)> names_;
};

}  // namespace zantor
