#pragma once
// The one guard through which every handler and every window creation runs:
// an error ends the handler, is shown in the default error box, and the
// program goes on with the next event.
#include "platform/error.h"
#include "platform/msgbox.h"

#include <exception>
#include <functional>
#include <new>

// Runs f; returns false when it failed (the error has been shown).
bool runGuarded(const std::function<void()> &f);

// Wraps a handler for connect(): the returned callable runs it guarded.
template <typename F>
auto guarded(F f)
{
    return [f = std::move(f)](auto &&...args) {
        runGuarded([&] { f(std::forward<decltype(args)>(args)...); });
    };
}
