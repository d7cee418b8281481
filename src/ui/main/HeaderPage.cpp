#include "HeaderPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>

#include "document/LevelDocument.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"

namespace zantor {

namespace {
constexpr int kMusic = 14;
constexpr int kBackgroundPalette = 15;
constexpr int kForegroundPalette0 = 16;
constexpr int kForegroundPalette1 = 17;
constexpr int kTime = 19;

QLineEdit* readOnlyField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setToolTip(QStringLiteral("Shown as read; the editor does not change this field."));
    return field;
}
}  // namespace

HeaderPage::HeaderPage(LevelDocument* document, QWidget* parent)
    : QWidget(parent), document_(document) {
    caption_ = new QLabel(QStringLiteral("Offset of the Mapheader:"), this);
    caption_->setObjectName("Label7");
    blockData_ = readOnlyField("txtBlockdata", this);
    mapBank_ = readOnlyField("txtMapbank", this);
    mapNumber2_ = readOnlyField("txtMapNr2", this);
    music_ = hexField("txtMusic", kMusic, QStringLiteral("Edit Music"));
    backgroundPalette_ =
        hexField("txtBGPal", kBackgroundPalette, QStringLiteral("Edit Background Palette"));
    foregroundPalette0_ =
        hexField("txtFGPal0", kForegroundPalette0, QStringLiteral("Edit Foreground Palette 0"));
    foregroundPalette1_ =
        hexField("txtFGPal1", kForegroundPalette1, QStringLiteral("Edit Foreground Palette 1"));

    time_ = new QComboBox(this);
    time_->setObjectName("cmbTime");
    time_->addItems(TimeEntries());
    connect(time_, &QComboBox::activated, this, [this](int index) {
        document_->setHeaderBytes(kTime, QByteArray(1, char(index)), QStringLiteral("Edit Time"));
    });

    auto spin = [this](const char* name, int maximum) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(0, maximum);
        box->setToolTip(QStringLiteral("The player's start, in level pixels (0–%1)").arg(maximum));
        connect(box, &QSpinBox::editingFinished, this, [this] {
            document_->setStartPosition(QPoint(startX_->value(), startY_->value()));
        });
        return box;
    };
    startX_ = spin("spnStartX", kLevelWidth - 16);
    startY_ = spin("spnStartY", kLevelHeight - 32);

    auto* form = new QFormLayout(this);
    form->addRow(caption_);
    form->addRow(QStringLiteral("Block data offset:"), blockData_);
    form->addRow(QStringLiteral("Map bank:"), mapBank_);
    form->addRow(QStringLiteral("Music:"), music_);
    form->addRow(QStringLiteral("Background palette:"), backgroundPalette_);
    form->addRow(QStringLiteral("Foreground palette 0:"), foregroundPalette0_);
    form->addRow(QStringLiteral("Foreground palette 1:"), foregroundPalette1_);
    form->addRow(QStringLiteral("Map number 2:"), mapNumber2_);
    form->addRow(QStringLiteral("Time in seconds:"), time_);
    form->addRow(QStringLiteral("Start x:"), startX_);
    form->addRow(QStringLiteral("Start y:"), startY_);

    connect(document, &LevelDocument::levelLoaded, this, &HeaderPage::showHeader);
    connect(document, &LevelDocument::headerChanged, this, &HeaderPage::showHeader);
    showHeader();
}

QLineEdit* HeaderPage::hexField(const char* name, int headerIndex, const QString& stepName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(2);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{1,2}")), field));
    field->setToolTip(QStringLiteral("One byte in hex, 00 to FF"));
    connect(field, &QLineEdit::editingFinished, this, [this, field, headerIndex, stepName] {
        bool ok = false;
        const int value = field->text().toInt(&ok, 16);
        if (!ok || value < 0 || value > 0xFF) {
            field->setToolTip(
                QStringLiteral("\"%1\" is not a byte: type 00 to FF").arg(field->text()));
            return;
        }
        field->setToolTip(QStringLiteral("One byte in hex, 00 to FF"));
        document_->setHeaderBytes(headerIndex, QByteArray(1, char(value)), stepName);
        showHeader();
    });
    return field;
}

void HeaderPage::showHeader() {
    const bool loaded = document_->hasLevel();
    for (QWidget* field :
         std::initializer_list<QWidget*>{music_, backgroundPalette_, foregroundPalette0_,
                                         foregroundPalette1_, time_, startX_, startY_})
        field->setEnabled(loaded);
    if (!loaded)
        return;
    const MapHeader& header = document_->header();
    const HeaderFieldTexts t = MakeHeaderFieldTexts(header);
    caption_->setText(HeaderOffsetCaption(document_->level().headerOffset));
    blockData_->setText(t.blockData);
    mapBank_->setText(t.mapBank);
    mapNumber2_->setText(t.mapNumber2);
    music_->setText(t.music);
    backgroundPalette_->setText(t.backgroundPalette);
    foregroundPalette0_->setText(t.foregroundPalette0);
    foregroundPalette1_->setText(t.foregroundPalette1);
    const QSignalBlocker blockTime(time_);
    time_->setCurrentIndex(std::min(t.timeIndex, time_->count() - 1));
    const QSignalBlocker blockX(startX_);
    const QSignalBlocker blockY(startY_);
    startX_->setValue(header.startLeft());
    startY_->setValue(header.startTop());
}

}  // namespace zantor
