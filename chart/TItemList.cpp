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
    // grow by an eighth, at least 64 records: amortised constant, small overshoot
    const std::size_t wanted = std::max({items, FStorage + FStorage / 8, std::size_t(64)});
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
    if (FCount == 0) Clear();
}

void TItemList::Clear() {
    std::free(FItems);
    FItems = nullptr;
    FStorage = 0;
    FCount = 0;
    FCapacity = 0;
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
