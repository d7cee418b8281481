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
QLineEdit* readOnlyField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setToolTip(HeaderPage::tr("Shown as read; the editor does not change this field."));
    return field;
}
}  // namespace

HeaderPage::HeaderPage(LevelDocument* document, QWidget* parent)
    : QWidget(parent), document_(document) {
    caption_ = new QLabel(tr("Offset of the Mapheader:"), this);
    caption_->setObjectName("Label7");
    blockData_ = readOnlyField("txtBlockdata", this);
    mapBank_ = readOnlyField("txtMapbank", this);
    mapNumber2_ = readOnlyField("txtMapNr2", this);
    music_ = hexField("txtMusic", HeaderField::Music);
    backgroundPalette_ = hexField("txtBGPal", HeaderField::BackgroundPalette);
    foregroundPalette0_ = hexField("txtFGPal0", HeaderField::ForegroundPalette0);
    foregroundPalette1_ = hexField("txtFGPal1", HeaderField::ForegroundPalette1);

    time_ = new QComboBox(this);
    time_->setObjectName("cmbTime");
    time_->addItems(TimeEntries());
    connect(time_, &QComboBox::activated, this,
            [this](int index) { document_->setHeaderField(HeaderField::Time, index); });

    const QString player = tr("The player's start, in level pixels (the level is %1 × %2)")
                               .arg(kLevelWidth)
                               .arg(kLevelHeight);
    const QString camera =
        tr("The centre of the first screen shown, in level pixels: the screen "
           "reaches 80 pixels to either side and 72 up and down");
    startX_ = positionField("spnStartX", HeaderField::PlayerX, player);
    startY_ = positionField("spnStartY", HeaderField::PlayerY, player);
    cameraX_ = positionField("spnCameraX", HeaderField::CameraX, camera);
    cameraY_ = positionField("spnCameraY", HeaderField::CameraY, camera);

    auto* form = new QFormLayout(this);
    form->addRow(caption_);
    form->addRow(tr("Block data offset:"), blockData_);
    form->addRow(tr("Map bank:"), mapBank_);
    form->addRow(tr("Music:"), music_);
    form->addRow(tr("Background palette:"), backgroundPalette_);
    form->addRow(tr("Foreground palette 0:"), foregroundPalette0_);
    form->addRow(tr("Foreground palette 1:"), foregroundPalette1_);
    form->addRow(tr("Map number 2:"), mapNumber2_);
    form->addRow(tr("Time in seconds:"), time_);
    form->addRow(tr("Start x:"), startX_);
    form->addRow(tr("Start y:"), startY_);
    form->addRow(tr("Camera start x:"), cameraX_);
    form->addRow(tr("Camera start y:"), cameraY_);

    connect(document, &LevelDocument::levelLoaded, this, &HeaderPage::showHeader);
    connect(document, &LevelDocument::headerChanged, this, &HeaderPage::showHeader);
    showHeader();
}

QSpinBox* HeaderPage::positionField(const char* name, HeaderField field, const QString& tip) {
    auto* box = new QSpinBox(this);
    box->setObjectName(name);
    // The whole word, so a value outside the level is shown as stored, not clamped.
    box->setRange(0, MapHeader::maximumOf(field));
    box->setToolTip(tip);
    connect(box, &QSpinBox::editingFinished, this,
            [this, box, field] { document_->setHeaderField(field, box->value()); });
    return box;
}

QLineEdit* HeaderPage::hexField(const char* name, HeaderField headerField) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(2);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{1,2}")), field));
    field->setToolTip(tr("One byte in hex, 00 to FF"));
    connect(field, &QLineEdit::editingFinished, this, [this, field, headerField] {
        bool ok = false;
        const int value = field->text().toInt(&ok, 16);
        if (!ok || value < 0 || value > 0xFF) {
            field->setToolTip(tr("\"%1\" is not a byte: type 00 to FF").arg(field->text()));
            return;
        }
        field->setToolTip(tr("One byte in hex, 00 to FF"));
        document_->setHeaderField(headerField, value);
        showHeader();
    });
    return field;
}

void HeaderPage::showHeader() {
    const bool loaded = document_->hasLevel();
    for (QWidget* field : std::initializer_list<QWidget*>{
             music_, backgroundPalette_, foregroundPalette0_, foregroundPalette1_, time_, startX_,
             startY_, cameraX_, cameraY_})
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
    for (const auto& [box, value] :
         {std::pair{startX_, header.playerX()}, std::pair{startY_, header.playerY()},
          std::pair{cameraX_, header.cameraX()}, std::pair{cameraY_, header.cameraY()}}) {
        const QSignalBlocker block(box);
        box->setValue(value);
    }
}

}  // namespace zantor
