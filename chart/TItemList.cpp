// SPDX-License-Identifier: MIT
#include "TItemList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TDrawItem>, "items are moved with realloc");

TItemList::~TItemList() {
    std::free(FItems);
}

std::size_t TItemList::MemoryBytes() const {
    std::size_t n = StorageBytes() + FIndex.Bytes();
    for (const auto& s : FSeries) n += sizeof(TCompactSeries) + std::size_t(s->Count) * 16 + s->Index.Bytes();
    return n;
}

const TLineIndex& TItemList::RecordIndex() const {
    if (FIndexValid < FRecords) FIndex.Truncate(FIndexValid);
    const TDrawItem* items = FItems;
    FIndex.Extend(
        FRecords, [items](int k) { return &items[k].X1; },
        [items](int k) {
            if (k == 0) return false;
            const TDrawItem &a = items[k], &b = items[k - 1];
            return a.Kind == ikLineTo && b.Kind == ikLineTo && a.Color == b.Color &&
                   a.PenStyle == b.PenStyle && a.LineWidth == b.LineWidth && a.Layer == b.Layer &&
                   a.Class == b.Class;
        });
    FIndexValid = FRecords;
    return FIndex;
}

const TDrawItem& TItemList::Find(int i) const {
    // the last series that starts at or before i
    auto after =
        std::upper_bound(FSeries.begin(), FSeries.end(), i,
                         [](int n, const std::unique_ptr<TCompactSeries>& s) { return n < s->Start; });
    if (after == FSeries.begin()) return FItems[i];
    const TCompactSeries& s = **(after - 1);
    if (i >= s.End()) return FItems[s.RecordAfter(i)];
    TDrawItem& made = FMade[FNextMade];
    FNextMade = (FNextMade + 1) % MadeItems;
    made = s.Pen;
    const double* p = s.Point(i - s.Start);
    made.X1 = p[0];
    made.Y1 = p[1];
    made.Kind = i == s.Start ? ikMoveTo : ikLineTo;
    return made;
}

bool TItemList::Reserve(std::size_t items) {
    if (items <= FStorage) return true;
    // Grow by an eighth, at least 64 records: amortised constant, small overshoot. A block of
    // 32 MiB or more is always a mapping of its own, which realloc grows by remapping its pages
    // instead of copying them; there a step of a sixty-fourth costs little and keeps a list of a
    // million items within 2 % of its need.
    constexpr std::size_t mappedBytes = std::size_t(32) << 20;
    const std::size_t step = FStorage * sizeof(TDrawItem) >= mappedBytes ? FStorage / 64 : FStorage / 8;
    const std::size_t wanted = std::max({items, FStorage + step, std::size_t(64)});
    void* grown = std::realloc(FItems, wanted * sizeof(TDrawItem));
    if (!grown) return false;
    FItems = static_cast<TDrawItem*>(grown);
    FStorage = wanted;
    return true;
}

void TItemList::GrowCapacity(int items, int allocSize) {
    const long long step = std::max(allocSize, 1);
    if (items <= FCapacity) return;
    const long long steps = (static_cast<long long>(items) - FCapacity + step - 1) / step;
    const long long grown = static_cast<long long>(FCapacity) + steps * step;
    FCapacity = static_cast<int>(std::min<long long>(grown, std::numeric_limits<int>::max()));
}

TDrawItem* TItemList::Append(int allocSize) {
    if (FCount == std::numeric_limits<int>::max()) return nullptr;
    if (!Reserve(std::size_t(FRecords) + 1)) return nullptr;
    GrowCapacity(FCount + 1, allocSize);
    ++FCount;
    return &FItems[FRecords++];
}

bool TItemList::AppendSeries(const double* x, const double* y, int n, const TDrawItem& pen, int allocSize) {
    if (n < 1 || n > std::numeric_limits<int>::max() - FCount) return false;
    auto s = std::make_unique<TCompactSeries>();
    s->XY.reset(new (std::nothrow) double[std::size_t(n) * 2]);
    if (!s->XY) return false;
    s->Start = FCount;
    s->Records = FRecords;
    s->Count = n;
    s->Pen = pen;
    s->Pen.Kind = ikLineTo;
    double* xy = s->XY.get();
    for (int k = 0; k < n; ++k) {
        xy[2 * k] = x[k];
        xy[2 * k + 1] = y[k];
    }
    s->Index.Reserve(n);
    // every point after the first goes on with the run of the one before it
    s->Index.Extend(
        n, [xy](int k) { return xy + 2 * std::size_t(k); }, [](int k) { return k > 0; });
    FSeries.push_back(std::move(s));
    GrowCapacity(FCount + n, allocSize);
    FCount += n;
    return true;
}

void TItemList::RemoveLast() {
    if (FCount == 0) return;
    if (!FSeries.empty() && FSeries.back()->End() == FCount) {
        TCompactSeries& s = *FSeries.back();
        --s.Count;
        s.Index.Truncate(s.Count);
        if (s.Count == 0) FSeries.pop_back();
    } else {
        --FRecords;
        if (FIndexValid > FRecords) FIndexValid = FRecords;
    }
    --FCount;
    if (FCount < FUnchanged) FUnchanged = FCount;
    if (FCount == 0) Clear();
}

void TItemList::Clear() {
    std::free(FItems);
    FItems = nullptr;
    FStorage = 0;
    FRecords = 0;
    FCount = 0;
    FCapacity = 0;
    FUnchanged = 0;
    FSeries.clear();
    FIndex.Clear();
    FIndexValid = 0;
}

void TItemList::CopyFrom(const TItemList& other) {
    if (&other == this) return;
    Clear();
    if (other.FRecords > 0 && Reserve(std::size_t(other.FRecords)))
        std::memcpy(FItems, other.FItems, std::size_t(other.FRecords) * sizeof(TDrawItem));
    else if (other.FRecords > 0)
        return;  // out of memory: stays empty
    for (const auto& from : other.FSeries) {
        auto s = std::make_unique<TCompactSeries>();
        s->XY.reset(new (std::nothrow) double[std::size_t(from->Count) * 2]);
        if (!s->XY) {
            Clear();
            return;  // out of memory: stays empty
        }
        std::memcpy(s->XY.get(), from->XY.get(), std::size_t(from->Count) * 2 * sizeof(double));
        s->Start = from->Start;
        s->Records = from->Records;
        s->Count = from->Count;
        s->Pen = from->Pen;
        s->Index = from->Index;
        FSeries.push_back(std::move(s));
    }
    FRecords = other.FRecords;
    FCount = other.FCount;
    FCapacity = other.FCapacity;
}
