#pragma once

#include <QVBoxLayout>
#include <QWidget>
#include <functional>

namespace zantor {

// A tab's page built the first time it is shown: the pages a session never opens cost nothing
// at start-up. `build` makes the page as a child of the given parent and wires it up.
class LazyPage : public QWidget {
public:
    explicit LazyPage(std::function<QWidget*(QWidget* parent)> build, QWidget* parent = nullptr)
        : QWidget(parent), build_(std::move(build)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
    }

    QWidget* page() {
        if (!page_) {
            page_ = build_(this);
            layout()->addWidget(page_);
        }
        return page_;
    }

protected:
    void showEvent(QShowEvent* event) override {
        page();
        QWidget::showEvent(event);
    }

private:
    std::function<QWidget*(QWidget*)> build_;
    QWidget* page_ = nullptr;
};

}  // namespace zantor
