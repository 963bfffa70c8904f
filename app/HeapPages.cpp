// SPDX-License-Identifier: MIT
#include "HeapPages.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#include <malloc.h>
#include <sys/mman.h>
#define GRAVILO_HEAP_PAGES 1
#endif

void UseLargeHeapPages() {
#ifdef GRAVILO_HEAP_PAGES
    // the size of a large page on x86-64 and on 4 KiB arm64; elsewhere the advice is only unused
    constexpr std::uintptr_t LargePage = std::uintptr_t(2) << 20;
    // pictures come from the heap rather than from a mapping each, and what is freed stays there
    // for the next one
    constexpr int OwnMapping = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, OwnMapping);
    mallopt(M_TRIM_THRESHOLD, 2 * OwnMapping);
    // what a start uses, with room: untouched parts cost no memory
    constexpr std::size_t Reserve = 8 * LargePage;
    // a reserve of a mapping of its own would go back to the system when freed
    static_assert(Reserve < std::size_t(OwnMapping));
    // the heap grows by the reserve at once: a block that large, marked for large pages and given
    // back, is the room the next allocations are cut from
    void* block = std::malloc(Reserve);
    if (!block) return;
    const std::uintptr_t start = std::uintptr_t(block);
    const std::uintptr_t begin = (start + LargePage - 1) & ~(LargePage - 1);
    const std::uintptr_t end = (start + Reserve) & ~(LargePage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    std::free(block);
#endif
}
