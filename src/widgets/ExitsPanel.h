#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace zantor {

class LevelScreens;
class ScreensLayer;

// The Events tab's "Exits" panel: the chosen screen's exit number, the camera start and the
// checkpoint, and the exit scripts this level's exits run, decoded into words. The chosen
// script can be edited as hex (its length stays) or have its warp's target picked by clicking
// a screen on the view; a script other levels run too says so and asks before it changes.
class ExitsPanel : public QWidget {
    Q_OBJECT

public:
    ExitsPanel(LevelScreens* screens, ScreensLayer* layer, QWidget* parent = nullptr);

    // The script number of the chosen row; 0 when none.
    int chosenScript() const;

private:
    void refresh();
    void showScreen();
    void applyHex();
    void pickTarget();
    // Asks first when other levels run the script too; false when the user said no.
    bool mayChange(int number);
    void change(int number, const QByteArray& bytes);

    LevelScreens* screens_;
    ScreensLayer* layer_;
    QLabel* screen_;
    QSpinBox* exit_;
    QLabel* positions_;
    QListWidget* scripts_;
    QLineEdit* hex_;
    QPushButton* apply_;
    QPushButton* pick_;
    bool refreshing_ = false;
};

}  // namespace zantor
