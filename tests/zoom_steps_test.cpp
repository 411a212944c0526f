// The classroom zoom's steps and its cap.
#include "core/zoom/zoom_steps.h"

#include <gtest/gtest.h>

namespace sredna::zoom {
namespace {

TEST(ZoomStepsTest, StepsUpAndDownThroughEveryScaleAndStopsAtTheEnds) {
    const int expected[] = {100, 125, 150, 175, 200, 250, 300};
    int percent = kNormal;
    for (int i = 1; i < 7; ++i) {
        percent = StepUp(percent);
        EXPECT_EQ(percent, expected[i]);
    }
    EXPECT_EQ(StepUp(300), 300);
    for (int i = 5; i >= 0; --i) {
        percent = StepDown(percent);
        EXPECT_EQ(percent, expected[i]);
    }
    EXPECT_EQ(StepDown(100), 100);
    EXPECT_FALSE(IsStep(130));
}

// The window fits up to a given scale; a screen too small for any still
// gets the normal size.
TEST(ZoomStepsTest, LargestFittingStopsAtTheFirstStepThatDoesNotFit) {
    struct Case {
        int percent;
        int fitsUpTo;
        int expected;
    };
    const Case cases[] = {
        {300, 300, 300}, {300, 175, 175}, {300, 180, 175},
        {150, 300, 150}, {300, 0, 100},   {100, 0, 100},
    };
    for (const Case& c : cases) {
        const int largest =
            LargestFitting(c.percent, [&c](int step) { return step <= c.fitsUpTo; });
        EXPECT_EQ(largest, c.expected) << c.percent << " up to " << c.fitsUpTo;
    }
}

}  // namespace
}  // namespace sredna::zoom
