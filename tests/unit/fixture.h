#pragma once
// Every test starts as a fresh process would: a fresh simulated desktop, an
// empty grid state and no end routines.

#include <gtest/gtest.h>

#include <string>

#include "app/grid_state.h"
#include "core/end_routines.h"
#include "fake/fake_system.h"

class FakeDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        gridState = GridState{};
        discardEndRoutines();
        fake::reset();
    }
    void TearDown() override {
        // Releases the lists while the fake that hands out their blocks is alive.
        gridState = GridState{};
        discardEndRoutines();
    }

    // The text of the one box shown so far, or a failure.
    static std::string onlyBoxText() {
        const auto& boxes = fake::world().boxes;
        if (boxes.size() != 1) {
            ADD_FAILURE() << boxes.size() << " boxes shown, expected 1";
            return {};
        }
        return boxes.front().text;
    }

    fake::System& os = fake::world();
};

// The error box's text from its lines, each ended by CR LF.
inline std::string crlfLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
