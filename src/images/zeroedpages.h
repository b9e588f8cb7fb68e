#pragma once

#include <cstddef>

namespace images
{

// A block of fresh memory the kernel hands out zeroed, in 2 MiB pages where it has them: a big
// buffer that must start at zero costs no clearing pass, and its page faults fall to whichever
// thread first writes each part. Empty (null data) when the memory cannot be had.
class ZeroedPages
{
public:
    explicit ZeroedPages(std::size_t bytes);
    ~ZeroedPages();
    ZeroedPages(const ZeroedPages&) = delete;
    ZeroedPages& operator=(const ZeroedPages&) = delete;

    void* data() const { return m_data; }
    std::size_t size() const { return m_size; }

private:
    void* m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace images
