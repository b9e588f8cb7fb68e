#pragma once

#include <optional>
#include <system_error>
#include <thread>

namespace images
{

// Runs body(begin, end) over [0, count): the second half on another thread when `worthIt` (the
// work pays for starting one) and a thread can be had, else everything on this thread.
template <typename Body> void splitAcrossCores(int count, bool worthIt, Body body)
{
    if (!worthIt || count < 2) {
        body(0, count);
        return;
    }
    const int half = count / 2;
    std::optional<std::thread> helper;
    try {
        helper.emplace([&] { body(half, count); });
    } catch (const std::system_error&) {
        body(0, count);
        return;
    }
    body(0, half);
    helper->join();
}

} // namespace images
