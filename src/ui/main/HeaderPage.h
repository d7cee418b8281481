#pragma once

#include <QWidget>

#include "map/MapHeader.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zantor {

class LevelDocument;

// The Header tab: the level settings users change (music, palettes, time, the player's and the
// camera's start) as undoable edits of named header fields, and the fields the editor does not
// change, read-only.
class HeaderPage : public QWidget {
    Q_OBJECT

public:
    HeaderPage(LevelDocument* document, QWidget* parent = nullptr);

private:
    QLineEdit* hexField(const char* name, HeaderField field);
    QSpinBox* positionField(const char* name, HeaderField field, const QString& tip);
    void showHeader();

    LevelDocument* document_;
    QLabel* caption_;
    QLineEdit* blockData_;
    QLineEdit* mapBank_;
    QLineEdit* mapNumber2_;
    QLineEdit* music_;
    QLineEdit* backgroundPalette_;
    QLineEdit* foregroundPalette0_;
    QLineEdit* foregroundPalette1_;
    QComboBox* time_;
    QSpinBox* startX_;
    QSpinBox* startY_;
    QSpinBox* cameraX_;
    QSpinBox* cameraY_;
};

}  // namespace zantor
