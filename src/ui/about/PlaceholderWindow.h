#pragma once

#include <QWidget>

namespace zantor {

// An editor window that was planned but never filled: caption "Form1", no controls, no code.
// Nothing opens one; they exist so that the menu's disabled editors have their windows.
class PlaceholderWindow : public QWidget {
public:
    enum class Border { Sizable, FixedSingle };

    static constexpr int kClientWidth = 312;
    static constexpr int kClientHeight = 206;

    PlaceholderWindow(const QString& name, Border border, QWidget* parent);
};

}  // namespace zantor
