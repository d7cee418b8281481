#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zantor {

class LevelDocument;

// The Header tab: the level settings users change (music, palettes, time, start position) as
// undoable edits, and the fields the editor does not understand, read-only.
class HeaderPage : public QWidget {
    Q_OBJECT

public:
    HeaderPage(LevelDocument* document, QWidget* parent = nullptr);

private:
    QLineEdit* hexField(const char* name, int headerIndex, const QString& stepName);
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
};

}  // namespace zantor
