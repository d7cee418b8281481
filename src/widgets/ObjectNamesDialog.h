#pragma once

#include <QDialog>

#include "services/ObjectNames.h"

class QComboBox;
class QTableWidget;

namespace zantor {

// Tools › "Object names…": a table of names per type, one per level group (0-9, 10-31), with
// export and import of the names file for sharing. The caller keeps what it returns.
class ObjectNamesDialog : public QDialog {
    Q_OBJECT

public:
    ObjectNamesDialog(const ObjectNames& names, QWidget* parent = nullptr);

    // The names as edited.
    const ObjectNames& names();

private:
    void showGroup();
    void keepGroup();
    void exportNames();
    void importNames();

    ObjectNames names_;
    QComboBox* group_;
    QTableWidget* table_;
    int shownGroup_ = 0;
};

}  // namespace zantor
