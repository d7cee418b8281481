#include "EventsPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "document/LevelDocument.h"
#include "widgets/EventsView.h"
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
    auto* note = new QLabel(tr("I don't know how events work in detail. If you have detailed "
                               "informations contact me!"),
                            this);
    note->setObjectName("Label13");
    note->setWordWrap(true);
    view_ = new EventsView(document, this);
    view_->setObjectName("picEvents2");

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(save_, 0, 0);
    layout->addWidget(position_, 0, 1);
    layout->addWidget(note, 0, 2);
    layout->addWidget(view_, 1, 0, 1, 3);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(2, 1);

    connect(document, &LevelDocument::modifiedChanged, this,
            [this] { save_->setEnabled(document_->isHeaderModified()); });
    connect(document, &LevelDocument::headerChanged, this,
            [this] { save_->setEnabled(document_->isHeaderModified()); });
    connect(document, &LevelDocument::saved, this,
            [this] { save_->setEnabled(document_->isHeaderModified()); });
    connect(view_, &LevelView::pointerMoved, this, [this](QPointF at) {
        // The pointer's level pixel and its 8-pixel tile.
        const double x = std::floor(at.x()), y = std::floor(at.y());
        position_->setText("x: " + paddedHex(x, 3) + "(" + paddedHex(x / 8.0, 3) + ")" +
                           " y: " + paddedHex(y, 3) + "(" + paddedHex(y / 8.0, 2) + ")");
    });
}

}  // namespace zantor
