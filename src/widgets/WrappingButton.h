#pragma once

#include <QPushButton>

namespace zantor {

// A push button that breaks its caption over lines when it is too narrow for one, as the
// small buttons of the block editor need ("Refresh displayed data"). text() stays the caption.
class WrappingButton : public QPushButton {
public:
    WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zantor
