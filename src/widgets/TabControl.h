#pragma once

#include <QTabBar>
#include <QWidget>
#include <functional>
#include <vector>

namespace zantor {

// A tab control whose pages cover the whole control, so that the controls on a tab are
// placed relative to the tab control's own top-left corner, tab row included. Switching tabs
// shows one page and hides the others, then tells TabClick the tab shown before.
class TabControl : public QWidget {
public:
    static constexpr int kTabRowHeight = 22;

    TabControl(QWidget* parent, const QString& name, const QStringList& captions);

    QWidget* page(int index) const { return pages_[size_t(index)]; }
    int Tab() const { return current_; }
    void setTab(int index);
    int count() const { return int(pages_.size()); }

    std::function<void(int previousTab)> TabClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTabBar* bar_;
    std::vector<QWidget*> pages_;
    int current_ = 0;
};

}  // namespace zantor
