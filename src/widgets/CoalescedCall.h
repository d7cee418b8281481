#pragma once

#include <QTimer>
#include <functional>

namespace zantor {

// Runs a call at most once a display frame however often it is asked for: read-outs and status
// texts follow a stroke of hundreds of pointer moves a second, and laying out their text on each
// move cost more than painting the cells. The first request after a quiet spell runs within a
// frame; the call sees the state as it is then.
class CoalescedCall {
public:
    static constexpr int kFrameMs = 16;

    CoalescedCall(QObject* owner, std::function<void()> call) : timer_(owner) {
        timer_.setSingleShot(true);
        timer_.setInterval(kFrameMs);
        QObject::connect(&timer_, &QTimer::timeout, owner, std::move(call));
    }

    void request() {
        if (!timer_.isActive())
            timer_.start();
    }

private:
    QTimer timer_;
};

}  // namespace zantor
