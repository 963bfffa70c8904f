// SPDX-License-Identifier: MIT
#include "TItemList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TDrawItem>, "items are moved with realloc");

TItemList::~TItemList() {
    std::free(FItems);
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

TDrawItem* TItemList::Append(int allocSize) {
    if (FCount == std::numeric_limits<int>::max()) return nullptr;
    if (!Reserve(std::size_t(FCount) + 1)) return nullptr;
    if (FCount >= FCapacity) {
        const long long grown = static_cast<long long>(FCapacity) + std::max(allocSize, 1);
        FCapacity = static_cast<int>(std::min<long long>(grown, std::numeric_limits<int>::max()));
    }
    return &FItems[FCount++];
}

void TItemList::RemoveLast() {
    if (FCount > 0) --FCount;
    if (FCount < FUnchanged) FUnchanged = FCount;
    if (FCount == 0) Clear();
}

void TItemList::Clear() {
    std::free(FItems);
    FItems = nullptr;
    FStorage = 0;
    FCount = 0;
    FCapacity = 0;
    FUnchanged = 0;
}

void TItemList::CopyFrom(const TItemList& other) {
    if (&other == this) return;
    Clear();
    if (other.FCount > 0 && Reserve(std::size_t(other.FCount)))
        std::memcpy(FItems, other.FItems, std::size_t(other.FCount) * sizeof(TDrawItem));
    else if (other.FCount > 0)
        return;  // out of memory: stays empty
    FCount = other.FCount;
    FCapacity = other.FCapacity;
}
