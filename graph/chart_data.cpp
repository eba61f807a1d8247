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

void ChartData::SetSubsets(int count) {
    series_.resize(static_cast<size_t>(std::max(count, 0)));
    for (Series& s : series_)
        if (static_cast<int>(s.x.size()) != points_) {
            s.x.resize(static_cast<size_t>(points_), 0.0);
            s.y.resize(static_cast<size_t>(points_), 0.0f);
            MarkDirty(s, 0, points_);
        }
}

void ChartData::SetPoints(int count) {
    count = std::max(count, 0);
    const bool shrink = count < points_ / 2;
    points_ = count;
    for (Series& s : series_) {
        s.x.resize(static_cast<size_t>(count), 0.0);
        s.y.resize(static_cast<size_t>(count), 0.0f);
        // A much smaller graph after a large one gives the memory back.
        if (shrink) {
            s.x.shrink_to_fit();
            s.y.shrink_to_fit();
        }
        s.levels.clear();
        MarkDirty(s, 0, count);
    }
}

bool ChartData::SetX(int subset, int point, double x) {
    if (subset < 0 || subset >= Subsets() || point < 0 || point >= points_)
        return false;
    Series& s = series_[static_cast<size_t>(subset)];
    s.x[static_cast<size_t>(point)] = x;
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
    return series_[static_cast<size_t>(subset)].x[static_cast<size_t>(point)];
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
    std::fill(s.x.begin(), s.x.end(), 0.0);
    std::fill(s.y.begin(), s.y.end(), 0.0f);
    MarkDirty(s, 0, points_);
}

void ChartData::DropOldest(int n) {
    n = std::clamp(n, 0, points_);
    for (Series& s : series_) {
        std::move(s.x.begin() + n, s.x.end(), s.x.begin());
        std::move(s.y.begin() + n, s.y.end(), s.y.begin());
        std::fill(s.x.end() - n, s.x.end(), 0.0);
        std::fill(s.y.end() - n, s.y.end(), 0.0f);
        MarkDirty(s, 0, points_);
    }
}

double* ChartData::XArray(int subset) {
    return series_[static_cast<size_t>(subset)].x.data();
}

float* ChartData::YArray(int subset) {
    return series_[static_cast<size_t>(subset)].y.data();
}

void ChartData::Changed(int subset, int first, int last) {
    if (subset >= 0 && subset < Subsets())
        MarkDirty(series_[static_cast<size_t>(subset)], std::max(first, 0),
                  std::min(last + 1, points_));
}

void ChartData::MarkDirty(const Series& s, int first, int end) const {
    if (first >= end)
        return;
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

    std::vector<Block>& base = s.levels[0];
    int firstBlock = first >> BaseShift;
    int lastBlock = (end - 1) >> BaseShift;
    for (int b = firstBlock; b <= lastBlock; ++b) {
        Block block{Inf, -Inf, std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity(), 0};
        const int stop = std::min(points_, (b + 1) << BaseShift);
        for (int i = b << BaseShift; i < stop; ++i) {
            const double x = s.x[static_cast<size_t>(i)];
            if (x == 0.0)
                continue;
            const float y = s.y[static_cast<size_t>(i)];
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
            Block block{Inf, -Inf, std::numeric_limits<float>::infinity(),
                        -std::numeric_limits<float>::infinity(), 0};
            const size_t stop = std::min(below.size(), static_cast<size_t>(b + 1) << LevelShift);
            for (size_t c = static_cast<size_t>(b) << LevelShift; c < stop; ++c) {
                const Block& child = below[c];
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
        return Point{s.x[static_cast<size_t>(i)], double(s.y[static_cast<size_t>(i)])};
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
            const Point p = pointAt(first);
            if (p.x == 0.0) {
                gap = true;
            } else {
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
        int a = first, b = end - 1;
        while (s.x[static_cast<size_t>(a)] == 0.0)
            ++a;
        while (s.x[static_cast<size_t>(b)] == 0.0)
            --b;
        if (a > first)
            gap = true;
        add(column, pointAt(a), pointAt(b), block->minY, block->maxY, block->count);
        gap = b < end - 1;
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
            const double x = s.x[static_cast<size_t>(first)];
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
            const double px = s.x[static_cast<size_t>(first)];
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
