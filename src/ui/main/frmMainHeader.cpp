// The "Header" tab: the loaded map's header fields, written by every load and read by nothing.
#include "frmMain.h"
#include "map/HeaderTexts.h"

namespace zantor {

namespace {
constexpr int kLabelLeft = 120;
constexpr int kFieldLeft = 1800;

QRect pixels(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}
}  // namespace

void frmMain::buildHeaderTab(QWidget* page) {
    auto label = [&](QLabel*& member, const char* name, const QString& text, int top, int width) {
        member = new QLabel(text, page);
        member->setObjectName(name);
        member->setGeometry(pixels(kLabelLeft, top, width, 255));
    };
    auto field = [&](QLineEdit*& member, const char* name, int top, int width) {
        member = new QLineEdit(page);
        member->setObjectName(name);
        member->setGeometry(pixels(kFieldLeft, top, width, 285));
    };
    label(Label7, "Label7", "Offset of the Mapheader:", 480, 2775);
    label(Label10, "Label10", "Block data offset:", 720, 1575);
    field(txtBlockdata, "txtBlockdata", 720, 1095);
    label(Label9, "Label9", "Map bank:", 1080, 1215);
    field(txtMapbank, "txtMapbank", 1080, 615);
    label(Label8, "Label8", "Music:", 1440, 1455);
    field(txtMusic, "txtMusic", 1440, 615);
    label(Label3, "Label3", "Background palette:", 1800, 1455);
    field(txtBGPal, "txtBGPal", 1800, 615);
    label(Label4, "Label4", "Foreground palette 0:", 2160, 1575);
    field(txtFGPal0, "txtFGPal0", 2160, 615);
    label(Label5, "Label5", "Foreground palette 1:", 2520, 1575);
    field(txtFGPal1, "txtFGPal1", 2520, 615);
    label(Label6, "Label6", "Map number 2:", 2880, 1575);
    field(txtMapNr2, "txtMapNr2", 2880, 615);
    label(Label2, "Label2", "Time in seconds:", 3240, 1335);
    cmbTime = new QComboBox(page);
    cmbTime->setObjectName("cmbTime");
    cmbTime->addItems(TimeEntries());
    cmbTime->setGeometry(pixels(kFieldLeft, 3240, 855, 315));
}

void frmMain::showHeader(const LoadedMap& map) {
    const HeaderFieldTexts& t = map.headerTexts;
    txtMusic->setText(t.music);
    txtBGPal->setText(t.backgroundPalette);
    txtFGPal0->setText(t.foregroundPalette0);
    txtFGPal1->setText(t.foregroundPalette1);
    txtMapNr2->setText(t.mapNumber2);
    txtBlockdata->setText(t.blockData);
    txtMapbank->setText(t.mapBank);
    cmbTime->setCurrentIndex(t.timeIndex);
}

}  // namespace zantor
