#include "platform/huge_page_heap.h"

#include <cstddef>  // defines __GLIBC__ where the C library is glibc

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#endif

namespace rumbelo {

#if defined(__linux__) && defined(__GLIBC__)
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Room the heap grows by in one step: the whole start-up fits in it.
constexpr int kHeapStep = 64 << 20;

std::uintptr_t alignUp(std::uintptr_t value) {
    return (value + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

void backHeapWithHugePages() {
    // Large blocks (the decoded pictures) come from the heap too, not from mappings of
    // their own that would each fault page by page; and freed room stays for reuse.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 2 * kHeapStep);
    mallopt(M_TOP_PAD, kHeapStep);
    // Threads allocate from the one heap that is advised below.
    mallopt(M_ARENA_MAX, 1);
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // One allocation past the heap's top makes it grow by the whole step now.
    // (volatile: a block never used would be optimised away with its allocation.)
    void* volatile block = std::malloc(kHugePage);
    std::free(block);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t start = alignUp(before);
    if (after > start + kHugePage)
        madvise(reinterpret_cast<void*>(start), after - start, MADV_HUGEPAGE);
}
#else
void backHeapWithHugePages() {}
#endif

}  // namespace rumbelo
