#include "ObjectListPanel.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "ObjectTableModel.h"
#include "document/CurrentObjectList.h"
#include "document/LevelDocument.h"
#include "document/ObjectListDocument.h"
#include "map/ObjectHints.h"
#include "tools/ObjectTool.h"

namespace zantor {

ObjectListPanel::ObjectListPanel(CurrentObjectList* source, ObjectTool* tool, QWidget* parent)
    : QWidget(parent),
      source_(source),
      tool_(tool),
      model_(new ObjectTableModel(this)),
      state_(new QLabel(this)),
      newType_(new QSpinBox(this)),
      table_(new QTableView(this)),
      hints_(new QListWidget(this)) {
    setObjectName("pnlObjects");
    state_->setObjectName("lblObjectsState");
    state_->setWordWrap(true);
    newType_->setObjectName("spnObjectType");
    newType_->setRange(0, 127);
    newType_->setDisplayIntegerBase(16);
    newType_->setPrefix("0x");
    newType_->setValue(tool_->chosenType());
    connect(newType_, &QSpinBox::valueChanged, this,
            [this](int type) { tool_->setChosenType(type); });
    table_->setObjectName("tblObjects");
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Numbers are short: every column fits the narrow dock without scrolling.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    hints_->setObjectName("lstObjectHints");
    hints_->setMaximumHeight(hints_->fontMetrics().height() * 5);

    auto* form = new QFormLayout;
    form->addRow(tr("Type of new objects:"), newType_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(state_);
    layout->addLayout(form);
    layout->addWidget(table_, 1);
    layout->addWidget(new QLabel(tr("Hints:"), this));
    layout->addWidget(hints_);

    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ObjectListPanel::tableToSelection);
    connect(hints_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (document_)
            document_->setSelection(item->data(Qt::UserRole).value<QList<int>>());
    });
    connect(source_, &CurrentObjectList::changed, this, &ObjectListPanel::follow);
    connect(source_->level(), &LevelDocument::headerChanged, this, &ObjectListPanel::showHints);
    follow();
}

void ObjectListPanel::setNames(std::function<QString(int, int)> names) {
    model_->setNames(std::move(names));
}

void ObjectListPanel::follow() {
    if (document_)
        document_->disconnect(this);
    document_ = source_->document();
    model_->setDocument(document_, source_->level()->mapIndex());
    if (document_) {
        connect(document_, &ObjectListDocument::objectsChanged, this,
                [this] { hintsOnEdit_.request(); });
        connect(document_, &ObjectListDocument::selectionChanged, this,
                &ObjectListPanel::selectionToTable);
    }
    showState();
    showHints();
    selectionToTable();
}

void ObjectListPanel::showState() {
    QString text;
    if (!document_) {
        text = tr("No ROM is open.");
    } else if (!document_->isLoaded()) {
        text = document_->loadError();
    } else if (document_->isShared()) {
        QStringList others;
        for (int level : document_->levels()) {
            if (level != source_->level()->mapIndex())
                others << QString::number(level);
        }
        text = tr("Shared with levels %1: edits show there too.").arg(others.join(", "));
    } else {
        text = tr("%n object(s).", nullptr, document_->count());
    }
    state_->setText(text);
    table_->setEnabled(document_ && document_->isLoaded());
}

void ObjectListPanel::showHints() {
    hints_->clear();
    if (!document_ || !document_->isLoaded())
        return;
    const int cameraX = source_->level()->hasLevel() ? source_->level()->cameraPosition().x() : 0;
    for (const ObjectHint& hint : ObjectHints(document_->objects(), cameraX)) {
        auto* item = new QListWidgetItem(hint.text, hints_);
        item->setData(Qt::UserRole, QVariant::fromValue(hint.objects));
    }
    if (!document_->isShared())
        state_->setText(tr("%n object(s).", nullptr, document_->count()));
}

void ObjectListPanel::selectionToTable() {
    if (syncing_)
        return;
    syncing_ = true;
    QItemSelection rows;
    if (document_) {
        for (int i : document_->selection())
            rows.select(model_->index(i, 0), model_->index(i, ObjectTableModel::Columns - 1));
    }
    table_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty())
        table_->scrollTo(rows.first().topLeft());
    syncing_ = false;
}

void ObjectListPanel::tableToSelection() {
    if (syncing_ || !document_)
        return;
    syncing_ = true;
    QList<int> indices;
    for (const QModelIndex& row : table_->selectionModel()->selectedRows())
        indices.append(row.row());
    document_->setSelection(indices);
    syncing_ = false;
    if (!document_->selection().isEmpty())
        emit objectChosen(document_->selection().first());
}

}  // namespace zantor
