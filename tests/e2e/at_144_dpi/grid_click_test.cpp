// Captures and click runs on a desktop scaled to 150 % (144 DPI): the offsets
// shown and the clicks made are the screen's own pixels, exact as at 100 %.

#include <gtest/gtest.h>

#include "steps/grid_runs.h"
#include "support/controls.h"

namespace {

using namespace e2e;

// Wide enough for the default 7 x 5 grid, and above the centred Vostrel
// window, which at 150 % reaches up to y = 245.
constexpr ClickRecorder::Placement kTarget{20, 10, 1100, 180};
// Bare desktop, right of the Vostrel window.
constexpr POINT kRestingPoint{1100, 950};

class GridClickAt144Dpi : public GridRuns {
protected:
    GridClickAt144Dpi() : GridRuns(kTarget, kRestingPoint) {}
};

TEST_F(GridClickAt144Dpi, CapturesTheOffsetAndClicksEveryPointExactly) {
    capture({{10, 20}, "150", "33", "7", "5"});
    EXPECT_EQ(app.text(编辑框1), "10");
    EXPECT_EQ(app.text(编辑框2), "20");
    const auto expected = expectedEvents({10, 20}, 150, 33, 7, 5);
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE("run " + std::to_string(r + 1));
        EXPECT_EQ(run(expected.size()), expected);
    }
}

}  // namespace
