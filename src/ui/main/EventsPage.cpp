#include "EventsPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "document/LevelDocument.h"
#include "document/LevelScreens.h"
#include "widgets/EventsView.h"
#include "widgets/ExitsPanel.h"
#include "widgets/FixedLabel.h"

namespace zantor {

namespace {
// Upper-case hex of a value rounded half to even, negative values in two's complement, cut to
// its last `digits` characters after zero padding.
QString paddedHex(double value, int digits) {
    const auto rounded = int32_t(std::nearbyint(value));
    const QString hex = QString::number(uint32_t(rounded), 16).toUpper();
    return (QString(digits, '0') + hex).right(digits);
}
}  // namespace

EventsPage::EventsPage(LevelDocument* document, QWidget* parent)
    : QWidget(parent), document_(document) {
    save_ = new QPushButton(tr("Save Changes"), this);
    save_->setObjectName("Command3");
    save_->setEnabled(false);
    connect(save_, &QPushButton::clicked, this, &EventsPage::saveHeaderRequested);
    position_ = new QLabel(QStringLiteral("x: 00 y: 00"), this);
    position_->setObjectName("lblKoordEv");
    FixLabelSize(position_, QStringLiteral("x: WWW(WWW) y: WWW(WW)  "), true);
    auto* note = new QLabel(
        tr("The level's 16 × 3 screens: red bars are edges the camera may not cross (click near "
           "an edge to toggle it, drag along a row to set them all), blue badges the screens' "
           "exits, the blue frame the camera's start (drag its centre), orange the checkpoint's "
           "player and camera. Shaded: what the camera can never show."),
        this);
    note->setObjectName("Label13");
    note->setWordWrap(true);
    view_ = new EventsView(document, this);
    view_->setObjectName("picEvents2");

    // The note has a row of its own across the view: beside the button and the read-out it
    // would get what little width they and the exits leave, and grow as tall as the page.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(save_, 0, 0);
    layout->addWidget(position_, 0, 1);
    layout->addWidget(note, 1, 0, 1, 3);
    layout->addWidget(view_, 2, 0, 1, 3);
    auto* exits = new ExitsPanel(document->screens(), view_->screensLayer(), this);
    exits->setObjectName("pnlExits");
    layout->addWidget(exits, 0, 3, 3, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);

    connect(document, &LevelDocument::modifiedChanged, this, &EventsPage::updateSave);
    connect(document, &LevelDocument::headerChanged, this, &EventsPage::updateSave);
    connect(document, &LevelDocument::saved, this, &EventsPage::updateSave);
    connect(document->screens(), &LevelScreens::changed, this, &EventsPage::updateSave);
    connect(view_, &LevelView::pointerMoved, this, [this](QPointF at) {
        // The pointer's level pixel and its 8-pixel tile.
        const double x = std::floor(at.x()), y = std::floor(at.y());
        position_->setText("x: " + paddedHex(x, 3) + "(" + paddedHex(x / 8.0, 3) + ")" +
                           " y: " + paddedHex(y, 3) + "(" + paddedHex(y / 8.0, 2) + ")");
    });
    updateSave();
}

void EventsPage::updateSave() {
    // "Save Changes" writes the header and the screens.
    save_->setEnabled(document_->isHeaderModified() || document_->screens()->isModified());
}

}  // namespace zantor
