// SPDX-License-Identifier: MIT
#pragma once
// The index over runs of line points: for every block of consecutive points, the bounds of their
// world coordinates (least and greatest x and y), in a hierarchy of blocks of 16, 256, 4096 and
// 65536 points aligned on their point numbers. The renderer draws a block whose points all fall
// into one pixel column as the one vertical run their segments paint together, and a block wholly
// outside the drawing as the one segment from its first to its last point, without reading the
// points in between (ItemRuns.cpp says why the pixels are exactly those of every segment).
//
// A block is valid when every one of its points may be taken that way: the point goes on with the
// run of the point before it (the caller's test) and both its values are finite. NaN and infinite
// values break blocks, not runs: such a point is drawn as before, its block's points one by one.
//
// The index follows a list that grows and shrinks at its end: Extend indexes the points added
// since, rebuilding only the blocks that held the old end; Truncate forgets the points past a
// count. A block's bounds are those of the points it holds; the renderer takes only whole blocks.
// It holds 32 bytes of bounds and 32 of end points per 16 points, and 2 % more for the levels
// above: about 4.1 bytes a point.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

class TLineIndex {
public:
    static constexpr int Shift = 4;  // 16 blocks of a level make one of the next
    static constexpr int Fanout = 1 << Shift;
    static constexpr int Levels = 4;  // blocks of 16, 256, 4096, 65536 points

    struct TBounds {
        double MinX, MaxX, MinY, MaxY;
        bool Valid() const { return MinX == MinX; }  // an invalid block holds NaN
    };

    // The first and the last point of a block of level 0: the renderer takes the points around a
    // block from here rather than from the list, whose items lie far apart in the memory.
    struct TEnds {
        double FirstX, FirstY, LastX, LastY;
    };

    // log2 of the points in a block of level `level`
    static constexpr int LevelShift(int level) { return Shift * (level + 1); }

    int Indexed() const { return FIndexed; }
    const TBounds& Block(int level, int block) const {
        return FLevels[std::size_t(level)][std::size_t(block)];
    }
    const TEnds& Ends(int block) const { return FEnds[std::size_t(block)]; }
    // bytes of memory held
    std::size_t Bytes() const {
        std::size_t n = 0;
        for (const auto& l : FLevels) n += l.capacity() * sizeof(TBounds);
        return n + FEnds.capacity() * sizeof(TEnds);
    }

    // Only the first `count` points stay indexed.
    void Truncate(int count) {
        if (count < FIndexed) FIndexed = count < 0 ? 0 : count;
    }
    void Clear() {
        for (auto& l : FLevels) std::vector<TBounds>().swap(l);
        std::vector<TEnds>().swap(FEnds);
        FIndexed = 0;
    }
    // Room for `count` points without growing (a series that knows its size).
    void Reserve(int count) {
        for (int level = 0; level < Levels; ++level)
            FLevels[std::size_t(level)].reserve(std::size_t(Blocks(count, level)));
        FEnds.reserve(std::size_t(Blocks(count, 0)));
    }

    // Indexes points [Indexed(), count). xy(k) gives the address of point k's x, its y after it;
    // valid(k) whether point k goes on with the run of point k - 1.
    template <typename TXY, typename TValid>
    void Extend(int count, const TXY& xy, const TValid& valid) {
        if (count <= FIndexed) {
            FIndexed = count;
            return;
        }
        const int from = FIndexed;
        // level 0 from the points
        std::vector<TBounds>& first = FLevels[0];
        first.resize(std::size_t(Blocks(count, 0)));
        FEnds.resize(first.size());
        for (int b = from >> Shift; b < Blocks(count, 0); ++b) {
            const int end = int(std::min<std::int64_t>(count, std::int64_t(b + 1) << Shift));
            const double *head = xy(b << Shift), *tail = xy(end - 1);
            FEnds[std::size_t(b)] = TEnds{head[0], head[1], tail[0], tail[1]};
            TBounds bounds = Invalid();
            bool ok = true;
            for (int k = b << Shift; k < end; ++k) {
                const double* p = xy(k);
                const double x = p[0], y = p[1];
                if (!valid(k) || !std::isfinite(x) || !std::isfinite(y)) {
                    ok = false;
                    break;
                }
                if (k == b << Shift)
                    bounds = TBounds{x, x, y, y};
                else
                    Include(bounds, TBounds{x, x, y, y});
            }
            first[std::size_t(b)] = ok ? bounds : Invalid();
        }
        // each further level from the one below
        for (int level = 1; level < Levels; ++level) {
            const std::vector<TBounds>& below = FLevels[std::size_t(level - 1)];
            std::vector<TBounds>& here = FLevels[std::size_t(level)];
            const int blocks = Blocks(count, level);
            here.resize(std::size_t(blocks));
            const int belowBlocks = int(below.size());
            for (int b = from >> LevelShift(level); b < blocks; ++b) {
                const int end = int(std::min<std::int64_t>(belowBlocks, std::int64_t(b + 1) << Shift));
                TBounds bounds = below[std::size_t(b << Shift)];
                for (int c = (b << Shift) + 1; c < end && bounds.Valid(); ++c) {
                    const TBounds& child = below[std::size_t(c)];
                    if (!child.Valid()) {
                        bounds = Invalid();
                        break;
                    }
                    Include(bounds, child);
                }
                here[std::size_t(b)] = bounds;
            }
        }
        FIndexed = count;
    }

private:
    static int Blocks(int count, int level) {
        const int s = LevelShift(level);
        return int((std::int64_t(count) + (std::int64_t(1) << s) - 1) >> s);
    }
    static void Include(TBounds& bounds, const TBounds& more) {
        bounds.MinX = std::min(bounds.MinX, more.MinX);
        bounds.MaxX = std::max(bounds.MaxX, more.MaxX);
        bounds.MinY = std::min(bounds.MinY, more.MinY);
        bounds.MaxY = std::max(bounds.MaxY, more.MaxY);
    }
    static TBounds Invalid() {
        const double nan = std::nan("");
        return TBounds{nan, nan, nan, nan};
    }
    std::vector<TBounds> FLevels[Levels];
    std::vector<TEnds> FEnds;  // per block of level 0
    int FIndexed = 0;
};
