// SPDX-License-Identifier: MIT
#pragma once
// The storage of a display list, shared by every chart of a data-sharing group.
//
// ItemCapacity is the number the chart reports: it grows in steps of AllocSize and falls back to
// 0 when the list is emptied, as users of the chart expect. The memory beneath grows
// geometrically (by an eighth at a time, a sixty-fourth once the block is a mapping of its own;
// reallocated in place where the allocator can), so that adding is amortised constant time even
// with a small AllocSize, and a list of a million items overshoots its need by under 2 %.
//
// Two kinds of storage make up the list, in the order of the items:
// - records (TDrawItem, 88 bytes), one per item, with an index over their runs of LineTo items
//   (TLineIndex, about 4 bytes an item), brought up to date when a pass asks for it;
// - compact series (TCompactSeries): the points of one AddPolyline call, 16 bytes a point plus
//   their index, about 21 bytes a point in all. A series of n points counts as n items, a MoveTo
//   and n - 1 LineTo items of the pen, layer and class at the call; reading one of them gives a
//   record made on the call (see operator[]).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "LineIndex.h"
#include "TDrawItem.h"

// The points of one AddPolyline call.
struct TCompactSeries {
    int Start = 0;                 // the list's number of its first point
    int Records = 0;               // records of the list before it
    int Count = 0;                 // points in use
    TDrawItem Pen{};               // kind ikLineTo; the colour, style, width, layer and class of every point
    std::unique_ptr<double[]> XY;  // x, y of each point, one after the other
    TLineIndex Index;              // over its points 1 .. Count - 1 (the LineTo ones)

    const double* Point(int k) const { return &XY[std::size_t(k) * 2]; }
    int End() const { return Start + Count; }
    // the record of item i, an item after this series and before the next one
    int RecordAfter(int i) const { return Records + (i - End()); }
};

class TItemList {
public:
    TItemList() = default;
    ~TItemList();
    TItemList(const TItemList&) = delete;
    TItemList& operator=(const TItemList&) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    // bytes of the records
    std::size_t StorageBytes() const { return FStorage * sizeof(TDrawItem); }
    // bytes of everything the list holds: records, compact series and the indexes
    std::size_t MemoryBytes() const;

    // The records, in the order of the items; they are the whole list while it holds no compact
    // series (Series() empty), and record k is then item k.
    const TDrawItem* Data() const { return FItems; }
    int RecordCount() const { return FRecords; }
    const std::vector<std::unique_ptr<TCompactSeries>>& Series() const { return FSeries; }
    // The index over the records' runs of LineTo items, brought up to date.
    const TLineIndex& RecordIndex() const;

    // Item i. A point of a compact series has no record: its item is made on the call, kept in a
    // ring of MadeItems records that the list owns; the reference stays good for the next
    // MadeItems - 1 such calls, and until the list changes.
    static constexpr int MadeItems = 16;
    const TDrawItem& operator[](int i) const {
        if (FSeries.empty()) return FItems[i];
        return Find(i);
    }
    // Writable access counts as a change of the record (see UnchangedPrefix). Writing to a point
    // of a compact series changes only the copy made for the call.
    TDrawItem& operator[](int i) {
        if (i < FUnchanged) FUnchanged = i;
        if (FSeries.empty()) {
            if (i < FIndexValid) FIndexValid = i;
            return FItems[i];
        }
        FIndexValid = 0;
        return const_cast<TDrawItem&>(Find(i));
    }

    // A new record at the end (its contents undefined); the capacity grows by allocSize when full.
    // nullptr when memory is exhausted (the list is then unchanged).
    TDrawItem* Append(int allocSize);
    // A compact series of n >= 1 points at the end, drawn with pen's colour, style, width, layer
    // and class. False when memory is exhausted (the list is then unchanged).
    bool AppendSeries(const double* x, const double* y, int n, const TDrawItem& pen, int allocSize);
    // Drops the last item; the storage is freed when the list becomes empty.
    void RemoveLast();
    void Clear();
    // A private copy of the other list's items and numbers.
    void CopyFrom(const TItemList& other);

    // Change tracking for the one chart that renders from a saved picture of a prefix: the
    // number of leading records that have been neither removed nor rewritten since the last
    // MarkUnchanged (appending leaves them alone; removing at the end, clearing and writable
    // access lower it).
    int UnchangedPrefix() const { return FUnchanged; }
    void MarkUnchanged() { FUnchanged = FCount; }

private:
    bool Reserve(std::size_t items);
    void GrowCapacity(int items, int allocSize);
    const TDrawItem& Find(int i) const;
    TDrawItem* FItems = nullptr;
    std::size_t FStorage = 0;  // records allocated
    int FRecords = 0;          // records in use
    int FCount = 0;            // items
    int FCapacity = 0;         // reported capacity
    int FUnchanged = 0;
    std::vector<std::unique_ptr<TCompactSeries>> FSeries;  // in the order of their items
    // the record index, valid for the first FIndexValid items' records
    mutable TLineIndex FIndex;
    mutable int FIndexValid = 0;
    mutable TDrawItem FMade[MadeItems];
    mutable int FNextMade = 0;
};
