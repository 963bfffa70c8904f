// SPDX-License-Identifier: MIT
#pragma once
// The storage of a display list, shared by every chart of a data-sharing group.
//
// ItemCapacity is the number the chart reports: it grows in steps of AllocSize and falls back to
// 0 when the list is emptied, as users of the chart expect. The memory beneath grows
// geometrically (by an eighth at a time, a sixty-fourth once the block is a mapping of its own;
// reallocated in place where the allocator can), so that adding is amortised constant time even
// with a small AllocSize, and a list of a million items overshoots its need by under 2 %.

#include <cstddef>
#include <cstdint>

#include "TDrawItem.h"

class TItemList {
public:
    TItemList() = default;
    ~TItemList();
    TItemList(const TItemList&) = delete;
    TItemList& operator=(const TItemList&) = delete;

    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    std::size_t StorageBytes() const { return FStorage * sizeof(TDrawItem); }

    const TDrawItem* Data() const { return FItems; }
    const TDrawItem& operator[](int i) const { return FItems[i]; }
    // Writable access counts as a change of the record (see UnchangedPrefix).
    TDrawItem& operator[](int i) {
        if (i < FUnchanged) FUnchanged = i;
        return FItems[i];
    }

    // A new record at the end (its contents undefined); the capacity grows by allocSize when full.
    // nullptr when memory is exhausted (the list is then unchanged).
    TDrawItem* Append(int allocSize);
    // Drops the last record; the storage is freed when the list becomes empty.
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
    TDrawItem* FItems = nullptr;
    std::size_t FStorage = 0;  // records allocated
    int FCount = 0;
    int FCapacity = 0;  // reported capacity
    int FUnchanged = 0;
};
