#pragma once

#include <QProxyStyle>

namespace zantor {

// The application's style with its standard icons loaded when first drawn rather than when
// asked for. Qt asks for some at once where they are rarely shown (the menu bar's and tool bar's
// extension arrows, a dock's title buttons), and the first icon loaded costs the scan of the
// image format plugins and the decoding of its pictures, a good part of the time to the first
// frame. The icons look exactly as the style's own.
class DeferredIconStyle : public QProxyStyle {
public:
    // Takes over `base` as QProxyStyle does: QApplication::setStyle(new
    // DeferredIconStyle(QApplication::style())) keeps the style the user chose.
    explicit DeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace zantor
