#pragma once
// Waiting for another process to get somewhere: poll a condition until it
// holds or a time limit runs out. Never a bare sleep.

#include <windows.h>

#include <chrono>
#include <utility>

namespace e2e {

using std::chrono::milliseconds;
using namespace std::chrono_literals;

// Long enough for anything a healthy program does at once under Wine.
inline constexpr milliseconds kPromptly = 3s;

// Polls `condition` until it returns true; false if `limit` ran out first.
template <typename Condition>
bool waitUntil(Condition condition, milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Sleep(5);
    }
}

// Reads a value until `accept` takes it or `limit` runs out, and returns the
// last value read either way, so a failed expectation shows what was there.
template <typename Read, typename Accept>
auto waitForValue(Read read, Accept accept, milliseconds limit) -> decltype(read()) {
    auto value = read();
    waitUntil(
        [&] {
            value = read();
            return accept(value);
        },
        limit);
    return value;
}

// Reads until the value has stayed the same for `quiet`, or `limit` runs out;
// returns the last value read. For something that goes on for an unknown
// while, such as a target catching up with its queue.
template <typename Read>
auto waitForSteady(Read read, milliseconds quiet, milliseconds limit) -> decltype(read()) {
    auto value = read();
    auto since = std::chrono::steady_clock::now();
    waitUntil(
        [&] {
            auto now = read();
            if (now != value) {
                value = std::move(now);
                since = std::chrono::steady_clock::now();
                return false;
            }
            return std::chrono::steady_clock::now() - since >= quiet;
        },
        limit);
    return value;
}

// Reads until the value equals `expected`; returns the last value read.
template <typename Read, typename Value>
auto waitForEqual(Read read, const Value& expected, milliseconds limit) -> decltype(read()) {
    return waitForValue(read, [&](const auto& value) { return value == expected; }, limit);
}

}  // namespace e2e
