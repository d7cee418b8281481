#include "TabControl.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace zantor {

TabControl::TabControl(QWidget* parent, const QString& name, const QStringList& captions)
    : QWidget(parent), bar_(new QTabBar(this)) {
    setObjectName(name);
    bar_->setObjectName(name + QStringLiteral("_tabs"));
    bar_->setDrawBase(false);
    bar_->setExpanding(true);
    for (const QString& caption : captions) {
        bar_->addTab(caption);
        auto* page = new QWidget(this);
        page->setObjectName(name + QStringLiteral("_page%1").arg(pages_.size()));
        page->setVisible(pages_.empty());
        pages_.push_back(page);
    }
    QObject::connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0 || index == current_)
            return;
        setTab(index);
    });
}

void TabControl::setTab(int index) {
    if (index < 0 || index >= count())
        return;
    const int previous = current_;
    current_ = index;
    bar_->setCurrentIndex(index);
    for (int i = 0; i < count(); ++i) {
        pages_[size_t(i)]->setVisible(i == index);
    }
    if (previous != index && TabClick)
        TabClick(previous);
}

void TabControl::resizeEvent(QResizeEvent*) {
    bar_->setGeometry(0, 0, width(), kTabRowHeight);
    for (QWidget* page : pages_) {
        page->setGeometry(rect());
    }
    bar_->raise();
}

void TabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, kTabRowHeight - 1, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

}  // namespace zantor
