#include "images/zeroedpages.h"

#include <sys/mman.h>

namespace images
{

ZeroedPages::ZeroedPages(std::size_t bytes)
{
    if (bytes == 0)
        return;
    void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return;
    // Only advice: where the kernel has no huge pages to give, nothing changes.
    madvise(mapped, bytes, MADV_HUGEPAGE);
    m_data = mapped;
    m_size = bytes;
}

ZeroedPages::~ZeroedPages()
{
    if (m_data)
        munmap(m_data, m_size);
}

} // namespace images
