#include "DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace zantor {

namespace {
// A standard icon that asks the style for its pictures the first time one is needed. The
// option and widget the icon was asked with are not kept (they may be gone by then); Qt's
// styles give the same icons without them.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap icon) : style_(style), icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    QString iconName() override { return loaded().name(); }
    bool isNull() override { return loaded().isNull(); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override {
        auto* copy = new DeferredStandardIcon(style_, icon_);
        copy->loaded_ = loaded_;
        copy->isLoaded_ = isLoaded_;
        return copy;
    }

private:
    const QIcon& loaded() {
        if (!isLoaded_ && style_) {
            loaded_ = style_->standardIcon(icon_);
            isLoaded_ = true;
        }
        return loaded_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap icon_;
    QIcon loaded_;
    bool isLoaded_ = false;
};
}  // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption*,
                                      const QWidget*) const {
    return QIcon(new DeferredStandardIcon(baseStyle(), icon));
}

}  // namespace zantor
