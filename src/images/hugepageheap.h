#pragma once

#include <cstddef>

namespace images
{

// Decoding a big picture touches tens of megabytes of fresh memory. Taken 4 KiB page by page, the
// page faults cost a large share of a conversion (most of all on virtual machines), so a
// short-lived process that converts pictures keeps its big blocks on the heap and asks the kernel
// for 2 MiB pages over the first `reserve` bytes of it. Call once, before the big allocations.
void preferHugePageHeap(std::size_t reserve);

} // namespace images
