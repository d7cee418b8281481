#include "ObjectNamesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Dialogs.h"

namespace zantor {

namespace {
constexpr int kTypes = 128;
const QString kFilter = QStringLiteral("JSON (*.json)|*.json|All Files(*.*)|*.*");
}  // namespace

ObjectNamesDialog::ObjectNamesDialog(const ObjectNames& names, QWidget* parent)
    : QDialog(parent), names_(names), group_(new QComboBox(this)), table_(new QTableWidget(this)) {
    setObjectName("frmObjectNames");
    setWindowTitle(tr("Object names"));
    group_->setObjectName("cmbNameGroup");
    group_->addItems({tr("Levels 0-9"), tr("Levels 10-31")});
    table_->setObjectName("tblObjectNames");
    table_->setColumnCount(1);
    table_->setRowCount(kTypes);
    table_->setHorizontalHeaderLabels({tr("Name")});
    QStringList types;
    for (int type = 0; type < kTypes; ++type)
        types << QString::number(type, 16).toUpper().rightJustified(2, '0');
    table_->setVerticalHeaderLabels(types);
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* exportButton = buttons->addButton(tr("&Export…"), QDialogButtonBox::ActionRole);
    exportButton->setObjectName("cmdExportNames");
    QPushButton* importButton = buttons->addButton(tr("&Import…"), QDialogButtonBox::ActionRole);
    importButton->setObjectName("cmdImportNames");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(exportButton, &QPushButton::clicked, this, &ObjectNamesDialog::exportNames);
    connect(importButton, &QPushButton::clicked, this, &ObjectNamesDialog::importNames);
    connect(group_, &QComboBox::currentIndexChanged, this, [this] {
        keepGroup();
        showGroup();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(360, 480);
    showGroup();
}

const ObjectNames& ObjectNamesDialog::names() {
    keepGroup();
    return names_;
}

void ObjectNamesDialog::showGroup() {
    shownGroup_ = group_->currentIndex();
    for (int type = 0; type < kTypes; ++type) {
        auto* item = new QTableWidgetItem(names_.nameIn(shownGroup_, type));
        item->setToolTip(tr("Without a name: \"Object %1\"")
                             .arg(QString::number(type, 16).toUpper().rightJustified(2, '0')));
        table_->setItem(type, 0, item);
    }
}

void ObjectNamesDialog::keepGroup() {
    for (int type = 0; type < kTypes; ++type) {
        const QTableWidgetItem* item = table_->item(type, 0);
        names_.setName(shownGroup_, type, item ? item->text() : QString());
    }
}

void ObjectNamesDialog::exportNames() {
    const std::optional<QString> path = Dialogs::chooseFile(
        this, Dialogs::FileKind::Save, tr("Export object names"), kFilter, "object-names.json");
    if (!path)
        return;
    QString error;
    if (!names().save(*path, &error))
        Dialogs::message(this, tr("%1 cannot be written: %2").arg(*path, error), {},
                         Dialogs::Icon::Critical);
}

void ObjectNamesDialog::importNames() {
    const std::optional<QString> path = Dialogs::chooseFile(
        this, Dialogs::FileKind::Open, tr("Import object names"), kFilter, QString());
    if (!path)
        return;
    ObjectNames read;
    QString error;
    if (!QFile::exists(*path) || !read.load(*path, &error)) {
        Dialogs::message(this, tr("%1 cannot be read: %2").arg(*path, error), {},
                         Dialogs::Icon::Critical);
        return;
    }
    names_ = read;
    showGroup();
}

}  // namespace zantor
