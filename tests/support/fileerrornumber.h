#pragma once

#include "platform/fileerror.h"

#include <functional>

// The runtime error number `action` fails with, or 0 when it does not fail.
inline int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::FileError& error) {
        return error.number();
    }
    return 0;
}
