// The "Events" tab: a second view of the level with the player's start marker.
#include <cmath>

#include "MarkerImage.h"
#include "frmMain.h"
#include "map/HeaderTexts.h"
#include "map/MapLoader.h"

namespace zantor {

namespace {
// The read-out's number: rounded half to even, upper-case hex, negatives as 32-bit.
QString roundedHex(double value) {
    return HexText(int64_t(std::nearbyint(value)));
}
QString lastChars(const QString& zeros, const QString& text) {
    return (zeros + text).right(zeros.size());
}
}  // namespace

void frmMain::buildEventsTab(QWidget* page) {
    Command3 = new QPushButton("Save Changes", page);
    Command3->setObjectName("Command3");
    Command3->setGeometry(128, 26, 89, 24);
    Command3->setEnabled(false);
    lblKoordEv = new QLabel("x: 00 y: 00", page);
    lblKoordEv->setObjectName("lblKoordEv");
    lblKoordEv->setGeometry(8, 32, 113, 17);
    Label13 = new QLabel(
        "I don't know how events work in detail. If you have detailed informations contact me!",
        page);
    Label13->setObjectName("Label13");
    Label13->setGeometry(16, 64, 417, 17);

    picEvents1 = new PictureBox(page, "picEvents1", true);
    picEvents1->setGeometry(8, 52, 449, 372);
    picEvents2 = new PictureBox(picEvents1->surface(), "picEvents2", false);
    picEvents2->setGeometry(0, 0, kLevelWidth, kLevelHeight);
    picEvents2->setPicture(Picture(kLevelWidth, kLevelHeight));
    imgMario = new ImageControl(picEvents2->surface(), "imgMario", MarkerImage());
    lineScrollEvents =
        new LineOverlay(picEvents2->surface(), "lineScrollEvents", QColor(0, 255, 0));

    hScrEvents = new QScrollBar(Qt::Horizontal, page);
    hScrEvents->setObjectName("hScrEvents");
    hScrEvents->setGeometry(8, 432, 449, 17);
    vScrEvents = new QScrollBar(Qt::Vertical, page);
    vScrEvents->setObjectName("vScrEvents");
    vScrEvents->setGeometry(464, 52, 17, 377);
    for (QScrollBar* bar : {hScrEvents, vScrEvents}) {
        bar->setSingleStep(4);
        bar->setPageStep(16);
    }
}

void frmMain::wireEventsTab() {
    connect(hScrEvents, &QScrollBar::valueChanged, this, [this] { hScrEvents_Change(); });
    connect(hScrEvents, &QScrollBar::sliderMoved, this, [this] { hScrEvents_Scroll(); });
    connect(vScrEvents, &QScrollBar::valueChanged, this, [this] { vScrEvents_Change(); });
    connect(vScrEvents, &QScrollBar::sliderMoved, this, [this] { vScrEvents_Scroll(); });
    picEvents2->mouse.MouseDown = [this](int b, int s, int x, int y) {
        picEvents2_MouseDown(b, s, x, y);
    };
    picEvents2->mouse.MouseMove = [this](int b, int s, int x, int y) {
        picEvents2_MouseMove(b, s, x, y);
    };
    picEvents2->mouse.MouseUp = [this](int b, int s, int x, int y) {
        picEvents2_MouseUp(b, s, x, y);
    };
    imgMario->mouse.MouseDown = [this](int b, int s, int x, int y) {
        imgMario_MouseDown(b, s, x, y);
    };
    imgMario->mouse.MouseMove = [this](int b, int s, int x, int y) {
        imgMario_MouseMove(b, s, x, y);
    };
}

void frmMain::hScrEvents_Change() {
    picEvents2->setLeft(-hScrEvents->value());
}
void frmMain::hScrEvents_Scroll() {
    picEvents2->setLeft(-hScrEvents->value());
}
void frmMain::vScrEvents_Change() {
    picEvents2->setTop(-vScrEvents->value());
}
void frmMain::vScrEvents_Scroll() {
    picEvents2->setTop(-vScrEvents->value());
}

void frmMain::picEvents2_MouseDown(int Button, int, int X, int Y) {
    if (Button == kMiddleButton) {
        startDragLine(lineScrollEvents, X, Y);
    } else if (Button == kLeftButton) {
        // The same paint step as the map view: both views show the block where it was put.
        paintStep(X, Y);
        Painting = true;
        cmdSaveMap->setEnabled(true);
    } else if (Button == kRightButton) {
        pickBlockAt(X, Y);
    }
}

void frmMain::picEvents2_MouseMove(int, int, int X, int Y) {
    lblKoordEv->setText("x: " + lastChars("000", roundedHex(X)) + "(" +
                        lastChars("000", roundedHex(X / 8.0)) + ")" +
                        " y: " + lastChars("000", roundedHex(Y)) + "(" +
                        lastChars("00", roundedHex(Y / 8.0)) + ")");
    if (lineScrollEvents->Visible()) {
        lineScrollEvents->X2 = X;
        lineScrollEvents->Y2 = Y;
        lineScrollEvents->refreshLine();
    }
}

void frmMain::picEvents2_MouseUp(int Button, int, int, int) {
    if (Button == kMiddleButton)
        lineScrollEvents->setVisible(false);
    if (Button == kLeftButton)
        Painting = false;
}

void frmMain::imgMario_MouseDown(int, int, int X, int Y) {
    GrabOffsetX = float(X) / ImageControl::kTwipsPerPixel;
    GrabOffsetY = float(Y) / ImageControl::kTwipsPerPixel;
}

void frmMain::imgMario_MouseMove(int Button, int, int X, int Y) {
    int left = imgMario->Left();
    int top = imgMario->Top();
    if (Button == kLeftButton) {
        left += int(std::lround(float(X) / ImageControl::kTwipsPerPixel - GrabOffsetX));
        top += int(std::lround(float(Y) / ImageControl::kTwipsPerPixel - GrabOffsetY));
    }
    left = std::clamp(left, 0, kLevelWidth - 16);
    top = std::clamp(top, 0, kLevelHeight - 32);
    imgMario->move(left, top);
}

}  // namespace zantor
