#pragma once

#include <exception>
#include <utility>

// Runs one step of a handler whose failures are skipped: any error of the layers below is
// swallowed and the caller goes on with its next step. Returns whether the step completed.
template <class Step> bool attempt(Step&& step)
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
