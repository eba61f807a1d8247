// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The points of a chart's series, kept between redraws. Each point has a day
// count as X and a float as Y; a point whose X is 0 is a blank: it is not drawn
// and breaks the line. X is kept as milliseconds after a whole day shared by a
// block of 32 points: with Y eight bytes a point, and a day count made of a date
// and a time to the millisecond (as the program's are) reads back unchanged.
// Points too far apart for that take a double each. Beside the points each series keeps a summary
// per block of points (how many are set, their X and Y extent, the first and last one) at a few
// block sizes, brought up to date lazily after writes, so that the line seen
// across a given number of pixel columns is found in time proportional to the
// columns, not to the points.

#include <cstddef>
#include <cstdint>
#include <vector>

class ChartData {
public:
    struct Point {
        double x;
        double y; // NaN: the line breaks here
    };
    struct Extent {
        double lower;
        double upper;
    };

    int Subsets() const { return static_cast<int>(series_.size()); }
    // New series are blank; removed ones are gone with their points.
    void SetSubsets(int count);
    int Points() const { return points_; }
    // Grows every series with blanks or cuts it to count points.
    void SetPoints(int count);

    // Writes outside the series or points fail and return false.
    bool SetX(int subset, int point, double x);
    bool SetY(int subset, int point, float y);
    double X(int subset, int point) const;
    float Y(int subset, int point) const;
    // Every point of the series becomes blank with Y 0.
    void Clear(int subset);
    // Drops the oldest n points of every series and appends n blanks.
    void DropOldest(int n);
    // Bulk writing without checks: a point of a series and point that exist; call
    // Changed() afterwards.
    void Put(int subset, int point, double x, float y);
    void Changed(int subset, int first, int last);
    // Changes with every change of the points: what was drawn from them is still right while it
    // stays.
    uint64_t Version() const { return version_; }

    // The extent of the set points of all series; false when there are none.
    bool XExtent(Extent& extent) const;
    bool YExtent(Extent& extent) const;

    // The line of a series between X lower and upper as seen across columns pixel
    // columns: per column its first, lowest, highest and last point (fewer when it
    // holds fewer), the nearest point outside the view on either side where the line
    // leaves it, and a NaN Y where it breaks. Returns how many set points lie in view.
    int Outline(int subset, Extent view, int columns, std::vector<Point>& out) const;
    // The set points with X in view, in order; false (out incomplete) when there are
    // more than limit.
    bool PointsInView(int subset, Extent view, int limit, std::vector<Point>& out) const;
    // The index of the set point whose X is nearest to x; -1 when the series has none.
    int Nearest(int subset, double x) const;

private:
    struct Block {
        double minX, maxX;
        // The first and last set point: a block within one pixel column adds its
        // stroke without reading the points.
        double firstX, lastX;
        float minY, maxY, firstY, lastY;
        int32_t count;                // set points
        bool blankBefore, blankAfter; // blanks before the first or after the last set point
    };
    struct Series {
        std::vector<int32_t> ms; // after the day of the point's block; Blank: no point
        std::vector<float> y;
        std::vector<int32_t> day; // of each block of points, a whole day count
        std::vector<double> wide; // X as given instead, once points lay too far apart
        // levels[k] summarises blocks of BlockSize(k) points.
        mutable std::vector<std::vector<Block>> levels;
        mutable int dirtyFirst = 0;
        mutable int dirtyEnd = 0; // exclusive
    };

    static constexpr int BaseShift = 5;  // 32 points per block at level 0, and per day
    static constexpr int LevelShift = 4; // 16 blocks per block of the next level
    static int BlockShift(int level) { return BaseShift + level * LevelShift; }

    static constexpr int32_t Blank = INT32_MIN;
    static bool IsSet(const Series& s, int point) {
        const auto i = static_cast<std::size_t>(point);
        return s.wide.empty() ? s.ms[i] != Blank : s.wide[i] != 0.0;
    }
    static double XOf(const Series& s, int point);
    static void PutX(Series& s, int point, double x);
    static void Resize(Series& s, int count);
    static void Widen(Series& s);
    void MarkDirty(const Series& s, int first, int end);
    const Series& Summarised(int subset) const;
    void Summarise(const Series& s) const;
    // Visits the points in order, offering the largest block that starts at each.
    template <class Visit> void Walk(const Series& s, Visit&& visit) const;

    std::vector<Series> series_;
    int points_ = 0;
    uint64_t version_ = 0;
};
