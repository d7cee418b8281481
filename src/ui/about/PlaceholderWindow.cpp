#include "PlaceholderWindow.h"

namespace zantor {

PlaceholderWindow::PlaceholderWindow(const QString& name, Border border, QWidget* parent)
    : QWidget(parent, border == Border::FixedSingle ? Qt::Window | Qt::MSWindowsFixedSizeDialogHint
                                                    : Qt::Window) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    if (border == Border::FixedSingle) {
        setFixedSize(kClientWidth, kClientHeight);
    } else {
        resize(kClientWidth, kClientHeight);
    }
}

}  // namespace zantor
