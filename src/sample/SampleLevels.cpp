#include "SampleLevels.h"

#include <algorithm>
#include <array>
#include <vector>

#include "SampleBlocks.h"

namespace zantor {

SampleMapPlan SampleMapPlanFor(int index) {
    using T = Theme;
    // By zone, as the map list names them; maps 25..31 reuse themes, some in odd palettes.
    static constexpr std::array<Theme, 32> themes{
        T::Grassland, T::Forest, T::Forest, T::Forest,   T::Forest,    T::Forest, T::Spooky,
        T::Spooky,    T::Spooky, T::Spooky, T::Castle,   T::Castle,    T::Castle, T::Castle,
        T::Sea,       T::Sea,    T::Sea,    T::Sky,      T::Space,     T::Space,  T::Giant,
        T::Giant,     T::Giant,  T::Giant,  T::Castle,   T::Grassland, T::Sky,    T::Forest,
        T::Space,     T::Sea,    T::Spooky, T::Grassland};
    SampleMapPlan plan;
    plan.theme = themes[size_t(index)];
    plan.backgroundPalette = ThemePalette(plan.theme);
    switch (index) {
        case 25:  // the grassland at night: every shade turned round
            plan.backgroundPalette = 0x1B;
            break;
        case 27:  // the forest the same way
            plan.backgroundPalette = 0x27;
            break;
        case 29:  // the sea with its two darkest shades swapped
            plan.backgroundPalette = 0xE4;
            break;
        case 31:  // the grassland in fog: white shows as light grey
            plan.backgroundPalette = 0xE5;
            break;
        default:
            break;
    }
    plan.storage = index == 11      ? MapStorage::RowFill
                   : index % 4 == 2 ? MapStorage::Roomy
                                    : MapStorage::Tight;
    plan.music = uint8_t(1 + int(plan.theme));
    static constexpr std::array<uint8_t, 8> times{4, 3, 4, 5, 3, 6, 4, 5};
    plan.time = times[size_t(index % 8)];
    return plan;
}

namespace {

constexpr int kGap = kMapRows;  // the ground top of a column without ground
constexpr int kStartZone = 10;  // columns kept clear around the start marker

// xorshift32: the same levels on every machine and in every build.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed ? seed : 1) {}
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int range(int lo, int hi) { return lo + int(next() % uint32_t(hi - lo + 1)); }
    bool chance(int percent) { return range(0, 99) < percent; }
    template <typename T>
    T pick(const std::vector<T>& items) {
        return items[size_t(range(0, int(items.size()) - 1))];
    }

private:
    uint32_t state_;
};

// What a theme's levels are made of.
struct Traits {
    int gapChance = 0;   // percent of stretches of ground followed by a gap
    int stepChance = 0;  // percent followed by a step up or down
    std::vector<uint8_t> groundDecos{};
    std::vector<uint8_t> floatingDecos{};
    bool treeOnGround = false;  // else the theme's big picture hangs in the air
    bool clouds = false;
    bool pipes = false;
    bool fences = false;
    bool ceiling = false;
    bool trunks = false;  // platforms stand on trunks or columns
    bool upperLayer = false;
};

Traits TraitsOf(Theme theme) {
    using namespace block;
    switch (theme) {
        case Theme::Grassland:
            return {.gapChance = 22,
                    .stepChance = 30,
                    .groundDecos = {Deco1, Deco2, Deco3, Deco4},
                    .treeOnGround = true,
                    .clouds = true,
                    .pipes = true,
                    .fences = true};
        case Theme::Forest:
            return {.gapChance = 26,
                    .stepChance = 34,
                    .groundDecos = {Deco1, Deco4},
                    .floatingDecos = {Deco2},
                    .treeOnGround = true,
                    .clouds = true,
                    .fences = true,
                    .trunks = true,
                    .upperLayer = true};
        case Theme::Spooky:
            return {.gapChance = 28,
                    .stepChance = 26,
                    .groundDecos = {Deco1, Deco3},
                    .floatingDecos = {Deco2, Deco4},
                    .treeOnGround = true,
                    .pipes = true,
                    .fences = true};
        case Theme::Castle:
            return {.gapChance = 30,
                    .stepChance = 24,
                    .groundDecos = {Deco1, Deco4},
                    .floatingDecos = {Deco2},
                    .pipes = true,
                    .fences = true,
                    .ceiling = true,
                    .trunks = true};
        case Theme::Sea:
            return {.gapChance = 20,
                    .stepChance = 36,
                    .groundDecos = {Deco1, Deco2, Deco4},
                    .floatingDecos = {Deco3},
                    .treeOnGround = true,
                    .pipes = true};
        case Theme::Sky:
            return {.gapChance = 40,
                    .stepChance = 30,
                    .floatingDecos = {Deco1, Deco2, Deco4},
                    .clouds = true,
                    .upperLayer = true};
        case Theme::Space:
            return {.gapChance = 34,
                    .stepChance = 30,
                    .groundDecos = {Deco1},
                    .floatingDecos = {Deco2, Deco3, Deco4},
                    .clouds = true,
                    .pipes = true,
                    .upperLayer = true};
        case Theme::Giant:
            return {.gapChance = 24,
                    .stepChance = 30,
                    .groundDecos = {Deco1, Deco2, Deco3, Deco4},
                    .treeOnGround = true,
                    .pipes = true,
                    .trunks = true};
    }
    return {};
}

class LevelBuilder {
public:
    LevelBuilder(int index, Theme theme)
        : index_(index),
          theme_(theme),
          traits_(TraitsOf(theme)),
          random_(0x9E3779B9u * uint32_t(index + 1) ^ 0x5A17u),
          top_{} {
        level_.cells.fill(block::Sky);
        // Every third map climbs into the sky as well, besides the themes made for it.
        traits_.upperLayer = traits_.upperLayer || index % 3 == 1;
    }

    SampleLevel build() {
        shapeGround();
        if (traits_.ceiling) {
            drawCeiling();
        }
        drawHills();
        drawGround();
        drawHazards();
        drawGoal();
        if (traits_.upperLayer) {
            drawUpperLayer();
        }
        drawWelcome();
        for (const Segment& s : segments_) {
            furnish(s);
        }
        bridgeGaps();
        if (traits_.clouds) {
            drawClouds();
        }
        drawFloating();
        const int startColumn = 2 + index_ % 3;
        level_.startLeft = 16 * startColumn;
        level_.startTop = 16 * top_[size_t(startColumn)] - 32;
        return level_;
    }

private:
    struct Segment {
        int x0, x1, top;  // columns [x0, x1) with ground top row `top`
    };

    uint8_t get(int x, int y) const {
        if (x < 0 || y < 0 || x >= kMapColumns || y >= kMapRows) {
            return 0xFF;
        }
        return level_.cells[size_t(kMapColumns * y + x)];
    }
    void put(int x, int y, uint8_t b) {
        if (x >= 0 && y >= 0 && x < kMapColumns && y < kMapRows) {
            level_.cells[size_t(kMapColumns * y + x)] = b;
        }
    }
    bool isFree(int x, int y, int w, int h) const {
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                if (get(i, j) != block::Sky) {
                    return false;
                }
            }
        }
        return true;
    }
    // A row of blocks: first, middle (repeated), last.
    void span(int x, int y, int w, uint8_t first, uint8_t middle, uint8_t last) {
        for (int i = 0; i < w; ++i) {
            put(x + i, y, i == 0 ? first : i == w - 1 ? last : middle);
        }
    }
    int highestGround() const { return *std::min_element(top_.begin(), top_.end()); }

    void addSegment(int x0, int x1, int top) {
        for (int x = x0; x < x1; ++x) {
            top_[size_t(x)] = top;
        }
        segments_.push_back({x0, x1, top});
    }

    void shapeGround() {
        const int base = 41 - random_.range(0, 3);
        goal_ = std::min(244, 196 + random_.range(0, 44));
        addSegment(0, 12, base);
        int x = 12;
        int h = base;
        int sinceGap = 0;  // no long stretch without something to jump over
        while (x < goal_ - 26) {
            const int length = random_.range(4, 13);
            addSegment(x, x + length, h);
            x += length;
            const int event = ++sinceGap > 4 ? 0 : random_.range(0, 99);
            if (event < traits_.gapChance) {
                sinceGap = 0;
                const int width = random_.range(2, 4);
                for (int i = 0; i < width; ++i) {
                    top_[size_t(x + i)] = kGap;
                }
                x += width;
            } else if (event < traits_.gapChance + traits_.stepChance) {
                int step = random_.range(1, 3) * (random_.chance(50) ? -1 : 1);
                if (h + step < 32 || h + step > 43) {
                    step = -step;
                }
                h += step;
            }
        }
        addSegment(x, kMapColumns, h);
    }

    void drawGround() {
        using namespace block;
        for (int x = 0; x < kMapColumns; ++x) {
            const int t = top_[size_t(x)];
            if (t == kGap) {
                continue;
            }
            const int left = x > 0 ? top_[size_t(x - 1)] : t;
            const int right = x + 1 < kMapColumns ? top_[size_t(x + 1)] : t;
            for (int y = t; y < kMapRows; ++y) {
                uint8_t b = GroundFill;
                if (y == t) {
                    b = left > t ? GroundTopLeft : right > t ? GroundTopRight : GroundTop;
                } else if (left > t && y < left) {
                    b = GroundLeft;
                } else if (right > t && y < right) {
                    b = GroundRight;
                }
                put(x, y, b);
            }
        }
    }

    // Water, lava or spikes a little below the lower rim of every gap.
    void drawHazards() {
        int x = 0;
        while (x < kMapColumns) {
            if (top_[size_t(x)] != kGap) {
                ++x;
                continue;
            }
            int x1 = x;
            while (x1 < kMapColumns && top_[size_t(x1)] == kGap) {
                ++x1;
            }
            const int rim = std::max(top_[size_t(x - 1)], top_[size_t(std::min(x1, 255))]);
            const int surface = std::min(kMapRows - 2, rim + 3);
            for (int i = x; i < x1; ++i) {
                put(i, surface, block::HazardTop);
                for (int y = surface + 1; y < kMapRows; ++y) {
                    put(i, y, block::Hazard);
                }
            }
            x = x1;
        }
    }

    void drawCeiling() {
        using namespace block;
        const int depth = random_.range(2, 4);
        for (int x = 0; x < kMapColumns; ++x) {
            for (int y = 0; y < depth; ++y) {
                put(x, y, GroundFill);
            }
            put(x, depth, Brick);
        }
        for (int x = random_.range(8, 20); x < kMapColumns - 2; x += random_.range(14, 26)) {
            const int length = random_.range(1, 5);
            for (int y = depth + 1; y <= depth + length; ++y) {
                put(x, y, Solid);
                put(x + 1, y, Solid);
            }
            if (random_.chance(60)) {
                put(x + 4, depth + 1, Deco3);  // a hanging chain
            }
        }
    }

    // Background hills, 45 degree slopes with a flat or pointed top.
    void drawHills() {
        using namespace block;
        for (const Segment& s : segments_) {
            const int length = s.x1 - s.x0;
            if (s.x0 < kStartZone || length < 6 || s.x1 > goal_ - 12 || !random_.chance(55)) {
                continue;
            }
            const int height =
                random_.range(std::min(2, (length - 2) / 2), std::min(5, (length - 2) / 2));
            const int flat = random_.range(0, std::min(2, length - 2 * height - 1));
            const int left = s.x0 + random_.range(0, length - flat - 2 * height);
            for (int k = 0; k < height; ++k) {
                const int y = s.top - height + k;
                const int inset = height - 1 - k;
                const int x0 = left + inset;
                const int x1 = left + flat + 2 * height - 1 - inset;
                for (int x = x0; x <= x1; ++x) {
                    put(x, y,
                        x == x0   ? HillLeft
                        : x == x1 ? HillRight
                        : k == 0  ? HillTop
                                  : HillFill);
                }
            }
        }
    }

    void drawGoal() {
        using namespace block;
        const int t = top_[size_t(goal_)];
        for (int step = 1; step <= 5; ++step) {
            for (int y = t - step; y < t; ++y) {
                put(goal_ - 10 + step, y, Solid);
            }
        }
        put(goal_, t - 1, Solid);
        for (int y = t - 10; y < t - 1; ++y) {
            put(goal_, y, Pole);
        }
        put(goal_, t - 11, PoleTop);
        put(goal_ + 1, t - 10, Flag);
        span(goal_ + 4, t - 1, 4, BushLeft, Bush, BushRight);
        if (traits_.treeOnGround) {
            placeTree(goal_ + 9, t);
        }
    }

    void placeTree(int x, int top) {
        using namespace block;
        if (isFree(x, top - 2, 2, 2)) {
            put(x, top - 2, TreeTopLeft);
            put(x + 1, top - 2, TreeTopRight);
            put(x, top - 1, TreeBottomLeft);
            put(x + 1, top - 1, TreeBottomRight);
        }
    }

    // A platform, standing on a trunk down to the ground where the theme has them.
    void placePlatform(int x, int y, int w) {
        using namespace block;
        span(x, y, w, PlatformLeft, Platform, PlatformRight);
        if (!traits_.trunks) {
            return;
        }
        const int column = x + w / 2;
        for (int j = y + 1; j < kMapRows && get(column, j) == Sky; ++j) {
            put(column, j, Trunk);
        }
    }

    void coinRow(int x, int y, int w) {
        for (int i = 0; i < w; ++i) {
            if (get(x + i, y) == block::Sky) {
                put(x + i, y, block::Coin);
            }
        }
    }

    // A climb from the ground up to a high walkway and back down.
    void drawUpperLayer() {
        using namespace block;
        int x = random_.range(24, 60);
        int y = top_[size_t(x)] == kGap ? 38 : top_[size_t(x)] - 4;
        const int walkway = random_.range(14, 20);
        while (y > walkway + 3 && x < goal_ - 60) {
            const int w = random_.range(3, 4);
            if (isFree(x - 1, y - 2, w + 2, 3)) {
                placePlatform(x, y, w);
                if (random_.chance(50)) {
                    coinRow(x, y - 1, w);
                }
            }
            x += w + random_.range(1, 3);
            y -= random_.range(3, 4);
        }
        const int end = std::min(goal_ - 30, x + random_.range(40, 80));
        while (x < end) {
            const int w = random_.range(4, 9);
            if (random_.chance(50)) {
                for (int i = 0; i < w; ++i) {
                    put(x + i, walkway, random_.chance(25) ? Question : Brick);
                }
            } else {
                placePlatform(x, walkway, w);
            }
            coinRow(x + 1, walkway - 2, w - 2);
            if (random_.chance(40)) {
                put(x + w / 2, walkway - 5, Question);
            }
            x += w + random_.range(2, 4);
        }
        y = walkway + 4;
        while (y < highestGround() - 3 && x < goal_ - 14) {
            const int w = random_.range(3, 4);
            if (isFree(x - 1, y - 2, w + 2, 3)) {
                placePlatform(x, y, w);
            }
            x += w + random_.range(1, 3);
            y += random_.range(3, 4);
        }
    }

    // The first thing past the start: a row of blocks with coins over it.
    void drawWelcome() {
        using namespace block;
        const int x = kStartZone + 1;
        const int y = top_[0] - 4;
        static constexpr uint8_t row[5] = {Brick, Question, Brick, Question, Brick};
        if (isFree(x, y - 2, 5, 3)) {
            for (int i = 0; i < 5; ++i) {
                put(x + i, y, row[i]);
            }
            put(x + 2, y - 4, Question);
            coinRow(x, y - 1, 5);
        }
    }

    // Pipes, blocks, bushes and such along one stretch of ground.
    void furnish(const Segment& s) {
        using namespace block;
        int x = std::max(s.x0 + 1, kStartZone);
        const int end = std::min(s.x1 - 1, goal_ - 12);
        const int t = s.top;
        while (x < end) {
            const int room = end - x;
            switch (random_.range(0, 9)) {
                case 0:
                case 1:
                    if (traits_.pipes && room >= 2) {
                        const int height = random_.range(2, 4);
                        if (isFree(x, t - height, 2, height)) {
                            put(x, t - height, PipeTopLeft);
                            put(x + 1, t - height, PipeTopRight);
                            for (int y = t - height + 1; y < t; ++y) {
                                put(x, y, PipeLeft);
                                put(x + 1, y, PipeRight);
                            }
                            x += 2;
                        }
                    }
                    break;
                case 2:
                case 3: {
                    const int w = std::min(room, random_.range(3, 6));
                    if (w >= 2 && isFree(x, t - 5, w, 5)) {
                        bool question = false;
                        for (int i = 0; i < w; ++i) {
                            const bool q = random_.chance(30) || (!question && i == w - 1);
                            question = question || q;
                            put(x + i, t - 4, q ? Question : Brick);
                        }
                        if (random_.chance(40)) {
                            coinRow(x, t - 5, w);
                        } else if (w >= 4 && random_.chance(40)) {
                            put(x + w / 2, t - 8, Question);
                        }
                        x += w;
                    }
                    break;
                }
                case 4: {
                    const int w = std::min(room, random_.range(3, 5));
                    if (w >= 3 && isFree(x, t - 1, w, 1)) {
                        span(x, t - 1, w, BushLeft, Bush, BushRight);
                        x += w;
                    }
                    break;
                }
                case 5:
                    if (traits_.treeOnGround && room >= 2) {
                        placeTree(x, t);
                        x += 2;
                    }
                    break;
                case 6:
                    if (!traits_.groundDecos.empty() && isFree(x, t - 1, 1, 1)) {
                        put(x, t - 1, random_.pick(traits_.groundDecos));
                    }
                    break;
                case 7: {
                    const int w = std::min(room, random_.range(3, 5));
                    if (isFree(x, t - 3, w, 2)) {
                        coinRow(x, t - random_.range(2, 3), w);
                        x += w;
                    }
                    break;
                }
                case 8:
                    if (traits_.fences && room >= 2 && isFree(x, t - 1, room, 1)) {
                        const int w = std::min(room, random_.range(2, 4));
                        for (int i = 0; i < w; ++i) {
                            put(x + i, t - 1, Fence);
                        }
                        x += w;
                    } else if (room >= 3 && isFree(x, t - 2, 3, 2)) {
                        put(x, t - 1, Solid);
                        put(x + 1, t - 1, Solid);
                        put(x + 1, t - 2, Solid);
                        x += 2;
                    }
                    break;
                default: {
                    // A ledge higher up, within a jump from a block row.
                    const int w = random_.range(3, 5);
                    const int y = t - random_.range(7, 9);
                    if (isFree(x - 1, y - 2, w + 2, 4)) {
                        placePlatform(x, y, w);
                        if (random_.chance(25)) {
                            put(x + w / 2, y - 2, Heart);
                        } else {
                            coinRow(x, y - 1, w);
                        }
                    }
                    break;
                }
            }
            x += random_.range(1, 3);
        }
    }

    // Platforms over most gaps, some with coins on them.
    void bridgeGaps() {
        int x = 0;
        while (x < kMapColumns) {
            if (top_[size_t(x)] != kGap) {
                ++x;
                continue;
            }
            int x1 = x;
            while (x1 < kMapColumns && top_[size_t(x1)] == kGap) {
                ++x1;
            }
            const int rim = std::min(top_[size_t(x - 1)], top_[size_t(std::min(x1, 255))]);
            const int y = rim - random_.range(3, 5);
            const int w = x1 - x + 2;
            if (random_.chance(65) && isFree(x - 1, y - 1, w, 2)) {
                placePlatform(x - 1, y, w);
                if (random_.chance(50)) {
                    coinRow(x, y - 1, w - 2);
                }
            }
            x = x1;
        }
    }

    void drawClouds() {
        using namespace block;
        const int lowest = highestGround() - 8;
        const int count = 14 + random_.range(0, 6);
        for (int i = 0; i < count; ++i) {
            const int w = random_.range(3, 5);
            const int x = random_.range(0, kMapColumns - w);
            const int y = random_.range(2, std::max(3, lowest));
            if (isFree(x - 1, y - 1, w + 2, 4)) {
                span(x, y, w, CloudTopLeft, CloudTop, CloudTopRight);
                span(x, y + 1, w, CloudBottomLeft, CloudBottom, CloudBottomRight);
            }
        }
    }

    // Things that hang in the air: birds, fish, ghosts, stars, windows on a castle wall.
    void drawFloating() {
        using namespace block;
        const int lowest = highestGround() - 5;
        if (!traits_.floatingDecos.empty()) {
            const int count = (theme_ == Theme::Space ? 40 : 10) + random_.range(0, 8);
            for (int i = 0; i < count; ++i) {
                const int x = random_.range(kStartZone, kMapColumns - 1);
                const int y = random_.range(traits_.ceiling ? 6 : 2, lowest);
                if (isFree(x - 1, y - 1, 3, 3)) {
                    put(x, y, random_.pick(traits_.floatingDecos));
                }
            }
        }
        if (!traits_.treeOnGround) {
            // The theme's big picture (banner, sun, planet) high up instead.
            for (int i = 0; i < 3; ++i) {
                const int x = random_.range(kStartZone, kMapColumns - 2);
                const int y = random_.range(traits_.ceiling ? 6 : 3, std::max(4, lowest - 8));
                if (isFree(x - 1, y - 1, 4, 4)) {
                    put(x, y, TreeTopLeft);
                    put(x + 1, y, TreeTopRight);
                    put(x, y + 1, TreeBottomLeft);
                    put(x + 1, y + 1, TreeBottomRight);
                }
            }
        }
    }

    int index_;
    Theme theme_;
    Traits traits_;
    Random random_;
    std::array<int, kMapColumns> top_;
    std::vector<Segment> segments_;
    int goal_ = 0;
    SampleLevel level_;
};

}  // namespace

SampleLevel BuildSampleLevel(int index) {
    return LevelBuilder(index, SampleMapPlanFor(index).theme).build();
}

}  // namespace zantor
