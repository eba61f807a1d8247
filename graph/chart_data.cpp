// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/chart_data.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

enum class Step { Take, Descend, Stop };

// Consecutive points that fall into one pixel column: drawn as their first, lowest,
// highest and last point.
struct Run {
    int column = 0;
    ChartData::Point first{}, last{};
    double minY = Inf, maxY = -Inf;
    int count = 0;
};
} // namespace

namespace {
constexpr int64_t MsPerDay = 86400000;
constexpr int32_t NoDay = INT32_MIN;
// Beyond this a day count has no room for its milliseconds in a double.
constexpr double FarDays = 1e9;
} // namespace

double ChartData::XOf(const Series& s, int point) {
    const auto i = static_cast<size_t>(point);
    if (!s.wide.empty())
        return s.wide[i];
    const int32_t ms = s.ms[i];
    if (ms == Blank)
        return 0.0;
    // Whole days first, as a date and a time make a day count.
    int64_t days = s.day[i >> BaseShift];
    int64_t rest = ms;
    if (rest < 0 || rest >= MsPerDay) {
        const int64_t whole = rest >= 0 ? rest / MsPerDay : -((-rest + MsPerDay - 1) / MsPerDay);
        days += whole;
        rest -= whole * MsPerDay;
    }
    return static_cast<double>(days) + static_cast<double>(rest) / MsPerDay;
}

void ChartData::PutX(Series& s, int point, double x) {
    const auto i = static_cast<size_t>(point);
    if (!s.wide.empty()) {
        s.wide[i] = x;
        return;
    }
    if (x == 0.0) {
        s.ms[i] = Blank;
        return;
    }
    if (!(std::abs(x) < FarDays)) {
        Widen(s);
        s.wide[i] = x;
        return;
    }
    const double whole = std::floor(x);
    const int64_t ms = std::llround((x - whole) * MsPerDay);
    int32_t& day = s.day[i >> BaseShift];
    if (day == NoDay)
        day = static_cast<int32_t>(whole);
    const int64_t offset = (static_cast<int64_t>(whole) - day) * MsPerDay + ms;
    if (offset <= Blank || offset > INT32_MAX) {
        const size_t first = i & ~((size_t(1) << BaseShift) - 1);
        const size_t end = std::min(first + (size_t(1) << BaseShift), s.ms.size());
        bool alone = true;
        for (size_t j = first; j < end; ++j)
            alone = alone && (j == i || s.ms[j] == Blank);
        if (alone) {
            day = static_cast<int32_t>(whole);
            s.ms[i] = static_cast<int32_t>(ms);
            return;
        }
        // A point weeks away from the others of its block.
        Widen(s);
        s.wide[i] = x;
        return;
    }
    s.ms[i] = static_cast<int32_t>(offset);
}

void ChartData::Widen(Series& s) {
    std::vector<double> x(s.ms.size());
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = XOf(s, static_cast<int>(i));
    s.wide = std::move(x);
    s.ms = {};
    s.day = {};
}

void ChartData::Resize(Series& s, int count) {
    if (!s.wide.empty()) {
        s.wide.resize(static_cast<size_t>(count), 0.0);
    } else {
        s.ms.resize(static_cast<size_t>(count), Blank);
        s.day.resize(static_cast<size_t>((count + (1 << BaseShift) - 1) >> BaseShift), NoDay);
    }
    s.y.resize(static_cast<size_t>(count), 0.0f);
}

void ChartData::SetSubsets(int count) {
    series_.resize(static_cast<size_t>(std::max(count, 0)));
    for (Series& s : series_)
        if (static_cast<int>(s.y.size()) != points_) {
            Resize(s, points_);
            MarkDirty(s, 0, points_);
        }
}

void ChartData::SetPoints(int count) {
    count = std::max(count, 0);
    const bool shrink = count < points_ / 2;
    points_ = count;
    for (Series& s : series_) {
        Resize(s, count);
        // A much smaller graph after a large one gives the memory back.
        if (shrink) {
            s.ms.shrink_to_fit();
            s.y.shrink_to_fit();
            s.day.shrink_to_fit();
            s.wide.shrink_to_fit();
        }
        s.levels.clear();
        MarkDirty(s, 0, count);
    }
}

bool ChartData::SetX(int subset, int point, double x) {
    if (subset < 0 || subset >= Subsets() || point < 0 || point >= points_)
        return false;
    Series& s = series_[static_cast<size_t>(subset)];
    PutX(s, point, x);
    MarkDirty(s, point, point + 1);
    return true;
}

bool ChartData::SetY(int subset, int point, float y) {
    if (subset < 0 || subset >= Subsets() || point < 0 || point >= points_)
        return false;
    Series& s = series_[static_cast<size_t>(subset)];
    s.y[static_cast<size_t>(point)] = y;
    MarkDirty(s, point, point + 1);
    return true;
}

double ChartData::X(int subset, int point) const {
    if (subset < 0 || subset >= Subsets() || point < 0 || point >= points_)
        return 0.0;
    return XOf(series_[static_cast<size_t>(subset)], point);
}

float ChartData::Y(int subset, int point) const {
    if (subset < 0 || subset >= Subsets() || point < 0 || point >= points_)
        return 0.0f;
    return series_[static_cast<size_t>(subset)].y[static_cast<size_t>(point)];
}

void ChartData::Clear(int subset) {
    if (subset < 0 || subset >= Subsets())
        return;
    Series& s = series_[static_cast<size_t>(subset)];
    s.wide = {};
    s.ms.assign(static_cast<size_t>(points_), Blank);
    s.day.assign(static_cast<size_t>((points_ + (1 << BaseShift) - 1) >> BaseShift), NoDay);
    std::fill(s.y.begin(), s.y.end(), 0.0f);
    MarkDirty(s, 0, points_);
}

void ChartData::DropOldest(int n) {
    n = std::clamp(n, 0, points_);
    for (Series& s : series_) {
        // Points change blocks, and so their bases.
        std::vector<double> x(static_cast<size_t>(points_ - n));
        for (int i = n; i < points_; ++i)
            x[static_cast<size_t>(i - n)] = XOf(s, i);
        std::move(s.y.begin() + n, s.y.end(), s.y.begin());
        std::fill(s.y.end() - n, s.y.end(), 0.0f);
        if (s.wide.empty()) {
            std::fill(s.ms.begin(), s.ms.end(), Blank);
            std::fill(s.day.begin(), s.day.end(), NoDay);
        }
        std::fill(s.wide.begin(), s.wide.end(), 0.0);
        for (size_t i = 0; i < x.size(); ++i)
            PutX(s, static_cast<int>(i), x[i]);
        MarkDirty(s, 0, points_);
    }
}

void ChartData::Put(int subset, int point, double x, float y) {
    Series& s = series_[static_cast<size_t>(subset)];
    PutX(s, point, x);
    s.y[static_cast<size_t>(point)] = y;
}

void ChartData::Changed(int subset, int first, int last) {
    if (subset >= 0 && subset < Subsets())
        MarkDirty(series_[static_cast<size_t>(subset)], std::max(first, 0),
                  std::min(last + 1, points_));
}

void ChartData::MarkDirty(const Series& s, int first, int end) {
    if (first >= end)
        return;
    ++version_;
    if (s.dirtyFirst >= s.dirtyEnd) {
        s.dirtyFirst = first;
        s.dirtyEnd = end;
    } else {
        s.dirtyFirst = std::min(s.dirtyFirst, first);
        s.dirtyEnd = std::max(s.dirtyEnd, end);
    }
}

const ChartData::Series& ChartData::Summarised(int subset) const {
    const Series& s = series_[static_cast<size_t>(subset)];
    if (s.dirtyFirst < s.dirtyEnd || s.levels.empty())
        Summarise(s);
    return s;
}

void ChartData::Summarise(const Series& s) const {
    const auto blocksAt = [this](int level) {
        const int shift = BlockShift(level);
        return (points_ + (1 << shift) - 1) >> shift;
    };
    int first = s.dirtyFirst, end = s.dirtyEnd;
    if (s.levels.empty()) {
        // One level more until a single block covers every point.
        for (int level = 0; level == 0 || blocksAt(level - 1) > 1; ++level)
            s.levels.emplace_back(static_cast<size_t>(blocksAt(level)));
        first = 0;
        end = points_;
    }
    s.dirtyFirst = s.dirtyEnd = 0;
    if (first >= end)
        return;

    constexpr float FloatInf = std::numeric_limits<float>::infinity();
    const Block none{Inf, -Inf, 0, 0, FloatInf, -FloatInf, 0, 0, 0, true, true};
    std::vector<Block>& base = s.levels[0];
    int firstBlock = first >> BaseShift;
    int lastBlock = (end - 1) >> BaseShift;
    for (int b = firstBlock; b <= lastBlock; ++b) {
        Block block = none;
        const int start = b << BaseShift;
        const int stop = std::min(points_, (b + 1) << BaseShift);
        for (int i = start; i < stop; ++i) {
            if (!IsSet(s, i))
                continue;
            const double x = XOf(s, i);
            const float y = s.y[static_cast<size_t>(i)];
            if (block.count == 0) {
                block.firstX = x;
                block.firstY = y;
                block.blankBefore = i > start;
            }
            block.lastX = x;
            block.lastY = y;
            block.blankAfter = i < stop - 1;
            block.minX = std::min(block.minX, x);
            block.maxX = std::max(block.maxX, x);
            block.minY = std::min(block.minY, y);
            block.maxY = std::max(block.maxY, y);
            ++block.count;
        }
        base[static_cast<size_t>(b)] = block;
    }
    for (size_t level = 1; level < s.levels.size(); ++level) {
        firstBlock >>= LevelShift;
        lastBlock >>= LevelShift;
        const std::vector<Block>& below = s.levels[level - 1];
        for (int b = firstBlock; b <= lastBlock; ++b) {
            Block block = none;
            const size_t start = static_cast<size_t>(b) << LevelShift;
            const size_t stop = std::min(below.size(), start + (size_t(1) << LevelShift));
            for (size_t c = start; c < stop; ++c) {
                const Block& child = below[c];
                if (child.count == 0)
                    continue;
                if (block.count == 0) {
                    block.firstX = child.firstX;
                    block.firstY = child.firstY;
                    block.blankBefore = c > start || child.blankBefore;
                }
                block.lastX = child.lastX;
                block.lastY = child.lastY;
                block.blankAfter = c < stop - 1 || child.blankAfter;
                block.minX = std::min(block.minX, child.minX);
                block.maxX = std::max(block.maxX, child.maxX);
                block.minY = std::min(block.minY, child.minY);
                block.maxY = std::max(block.maxY, child.maxY);
                block.count += child.count;
            }
            s.levels[level][static_cast<size_t>(b)] = block;
        }
    }
}

// Visits the points in order, offering at each point the largest block starting
// there; a block the visitor does not take is offered at the next level down, and
// below level 0 the points come one by one.
template <class Visit> void ChartData::Walk(const Series& s, Visit&& visit) const {
    const int top = static_cast<int>(s.levels.size()) - 1;
    int i = 0;
    while (i < points_) {
        int level = top;
        while (level >= 0 && (i & ((1 << BlockShift(level)) - 1)) != 0)
            --level;
        bool taken = false;
        for (; level >= 0; --level) {
            const int shift = BlockShift(level);
            const int end = std::min(points_, i + (1 << shift));
            const Step step = visit(i, end, &s.levels[static_cast<size_t>(level)][i >> shift]);
            if (step == Step::Stop)
                return;
            if (step == Step::Take) {
                i = end;
                taken = true;
                break;
            }
        }
        if (taken)
            continue;
        if (visit(i, i + 1, nullptr) == Step::Stop)
            return;
        ++i;
    }
}

bool ChartData::XExtent(Extent& extent) const {
    extent = {Inf, -Inf};
    for (int subset = 0; subset < Subsets(); ++subset)
        for (const Block& b : Summarised(subset).levels.back()) {
            extent.lower = std::min(extent.lower, b.minX);
            extent.upper = std::max(extent.upper, b.maxX);
        }
    return extent.lower <= extent.upper;
}

bool ChartData::YExtent(Extent& extent) const {
    extent = {Inf, -Inf};
    for (int subset = 0; subset < Subsets(); ++subset)
        for (const Block& b : Summarised(subset).levels.back())
            if (b.count > 0) {
                extent.lower = std::min(extent.lower, double(b.minY));
                extent.upper = std::max(extent.upper, double(b.maxY));
            }
    return extent.lower <= extent.upper;
}

int ChartData::Outline(int subset, Extent view, int columns, std::vector<Point>& out) const {
    out.clear();
    if (subset < 0 || subset >= Subsets() || points_ == 0 || columns < 1)
        return 0;
    const Series& s = Summarised(subset);
    const double width = view.upper - view.lower;
    // Column -1 holds everything left of the view, column `columns` everything right.
    const auto columnOf = [&](double x) {
        if (x < view.lower)
            return -1;
        if (x > view.upper)
            return columns;
        if (width <= 0)
            return 0;
        return std::min(static_cast<int>((x - view.lower) / width * columns), columns - 1);
    };
    const auto pointAt = [&](int i) {
        return Point{XOf(s, i), double(s.y[static_cast<size_t>(i)])};
    };

    int visible = 0;
    Run run;
    bool haveRun = false;
    bool gap = false; // a blank since the last point
    const auto close = [&] {
        if (run.column < 0) {
            out.push_back(run.last); // where the line enters the view
            return;
        }
        if (run.column >= columns) {
            out.push_back(run.first); // where it leaves
            return;
        }
        visible += run.count;
        out.push_back(run.first);
        if (run.count > 2) {
            // Lowest and highest at the column's middle, so that every column of
            // pixels gets its own upright stroke; the nearer one first.
            const double middle = view.lower + (run.column + 0.5) * width / columns;
            const bool lowFirst = run.first.y - run.minY < run.maxY - run.first.y;
            out.push_back({middle, lowFirst ? run.minY : run.maxY});
            out.push_back({middle, lowFirst ? run.maxY : run.minY});
        }
        if (run.count > 1)
            out.push_back(run.last);
    };
    // first..last are consecutive set points (blanks between them are finer than a pixel).
    const auto add = [&](int column, Point first, Point last, double minY, double maxY, int count) {
        if (haveRun && run.column == column) {
            run.last = last;
            run.minY = std::min(run.minY, minY);
            run.maxY = std::max(run.maxY, maxY);
            run.count += count;
            return;
        }
        if (haveRun) {
            close();
            if (gap)
                out.push_back({out.back().x, NaN});
        }
        run = Run{column, first, last, minY, maxY, count};
        haveRun = true;
    };

    Walk(s, [&](int first, int end, const Block* block) {
        if (!block) {
            if (!IsSet(s, first)) {
                gap = true;
            } else {
                const Point p = pointAt(first);
                add(columnOf(p.x), p, p, p.y, p.y, 1);
                gap = false;
            }
            return Step::Take;
        }
        if (block->count == 0) {
            gap = true;
            return Step::Take;
        }
        const int column = columnOf(block->minX);
        if (column != columnOf(block->maxX))
            return Step::Descend;
        (void)end;
        if (block->blankBefore)
            gap = true;
        add(column, {block->firstX, double(block->firstY)}, {block->lastX, double(block->lastY)},
            block->minY, block->maxY, block->count);
        gap = block->blankAfter;
        return Step::Take;
    });
    if (haveRun)
        close();
    return visible;
}

bool ChartData::PointsInView(int subset, Extent view, int limit, std::vector<Point>& out) const {
    out.clear();
    if (subset < 0 || subset >= Subsets())
        return true;
    const Series& s = Summarised(subset);
    bool complete = true;
    Walk(s, [&](int first, int end, const Block* block) {
        if (!block) {
            const double x = XOf(s, first);
            if (x != 0.0 && x >= view.lower && x <= view.upper) {
                if (static_cast<int>(out.size()) >= limit) {
                    complete = false;
                    return Step::Stop;
                }
                out.push_back({x, double(s.y[static_cast<size_t>(first)])});
            }
            return Step::Take;
        }
        (void)end;
        if (block->count == 0 || block->maxX < view.lower || block->minX > view.upper)
            return Step::Take;
        if (block->minX >= view.lower && block->maxX <= view.upper &&
            static_cast<int>(out.size()) + block->count > limit) {
            complete = false;
            return Step::Stop;
        }
        return Step::Descend;
    });
    return complete;
}

int ChartData::Nearest(int subset, double x) const {
    if (subset < 0 || subset >= Subsets())
        return -1;
    const Series& s = Summarised(subset);
    int best = -1;
    double bestDistance = Inf;
    Walk(s, [&](int first, int, const Block* block) {
        if (!block) {
            const double px = XOf(s, first);
            if (px != 0.0 && std::abs(px - x) < bestDistance) {
                bestDistance = std::abs(px - x);
                best = first;
            }
            return Step::Take;
        }
        if (block->count == 0)
            return Step::Take;
        const double distance = x < block->minX   ? block->minX - x
                                : x > block->maxX ? x - block->maxX
                                                  : 0.0;
        return distance >= bestDistance ? Step::Take : Step::Descend;
    });
    return best;
}
