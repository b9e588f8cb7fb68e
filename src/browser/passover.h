#pragma once

#include "platform/fileerror.h"

// Runs one step of a set or screen write. A missing file, a denied access, a missing path or a
// bad name (52, 53, 70, 76) only skips the step; any other failure reaches the caller.
template <class Step> void passOver(Step&& step)
{
    try {
        step();
    } catch (const platform::FileError& error) {
        switch (error.number()) {
        case platform::BadFileName:
        case platform::FileNotFound:
        case platform::PermissionDenied:
        case platform::PathNotFound:
            return;
        default:
            throw;
        }
    }
}
