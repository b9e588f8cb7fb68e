#include "images/hugepageheap.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>

namespace images
{

void preferHugePageHeap(std::size_t reserve)
{
    constexpr std::uintptr_t HugePage = 2 * 1024 * 1024;
    // Blocks mapped one by one would miss the advice; freed heap memory stays for the next block.
    // The freed reserve is a top chunk a little larger than `reserve`: a threshold of `reserve`
    // itself would hand the advised pages straight back to the kernel.
    if (mallopt(M_MMAP_MAX, 0) != 1 || mallopt(M_TRIM_THRESHOLD, int(2 * reserve)) != 1)
        return;
    void* block = std::malloc(reserve);
    if (!block)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = (start + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t end = (start + reserve) & ~(HugePage - 1);
    // Only advice: where the kernel has no huge pages to give, nothing changes.
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    std::free(block);
}

} // namespace images
