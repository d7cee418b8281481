#pragma once

#include <array>

namespace zantor {

// The zoom steps of every level view, in percent.
struct ZoomSteps {
    static constexpr std::array<int, 8> kPercent{25, 50, 100, 200, 300, 400, 600, 800};

    // The next step in (+1) or out (-1) from `percent`, staying at the ends.
    static int step(int percent, int direction) {
        if (direction > 0) {
            for (int p : kPercent)
                if (p > percent)
                    return p;
            return kPercent.back();
        }
        for (auto it = kPercent.rbegin(); it != kPercent.rend(); ++it)
            if (*it < percent)
                return *it;
        return kPercent.front();
    }
};

}  // namespace zantor
