// Where the window opens, on screens it fits and on screens it does not, and
// where the picture window opens beside it.
#include <gtest/gtest.h>
#include <QScreen>
#include <QTest>

#include <optional>

#include "tests/window_with_form.h"
#include "ui/window/layout.h"

// So that a failure shows the point, not its bytes.
void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}

void PrintTo(const QRect& rect, std::ostream* os) {
    *os << rect.width() << "x" << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}

namespace sredna {
namespace {

struct PlacementCase {
    const char* name;
    QSize frame;
    QRect available;
    QPoint expected;
};

class WindowPositionTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPositionTest, CentresWhereItFitsAndKeepsTheCaptionInside) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(layout::WindowPosition(c.frame, c.available), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, WindowPositionTest,
    testing::Values(
        // A panel at the top: centred in what is left below it.
        PlacementCase{"fits_below_a_panel", {521, 460}, {0, 40, 1024, 728}, {251, 174}},
        PlacementCase{"too_tall_below_a_panel", {1040, 900}, {0, 32, 1366, 736}, {163, 32}},
        PlacementCase{"too_wide_and_tall", {1040, 900}, {100, 50, 800, 600}, {100, 50}},
        PlacementCase{"second_screen", {521, 460}, {1920, 0, 1024, 768}, {2171, 154}}),
    [](const testing::TestParamInfo<PlacementCase>& row) { return row.param.name; });

struct BesideCase {
    const char* name;
    QRect other;
    QRect available;
    std::optional<QRect> expected;
};

class BesideTest : public testing::TestWithParam<BesideCase> {};

// A frame of 640 × 480 that may be narrowed to 360.
TEST_P(BesideTest, RightElseLeftElseNarrowedElseNowhere) {
    const BesideCase& c = GetParam();
    EXPECT_EQ(layout::FrameBeside(c.other, {640, 480}, 360, c.available), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, BesideTest,
    testing::Values(
        BesideCase{"right", {700, 300, 521, 460}, {0, 0, 1920, 1040}, QRect(1221, 300, 640, 480)},
        BesideCase{"left", {1000, 300, 521, 460}, {0, 0, 1600, 1040}, QRect(360, 300, 640, 480)},
        // 380 pixels to the left, 379 to the right; lifted onto the screen.
        BesideCase{"narrowed", {380, 700, 521, 460}, {0, 0, 1280, 1024}, QRect(0, 544, 380, 480)},
        BesideCase{"nowhere", {250, 100, 521, 460}, {0, 0, 1024, 768}, std::nullopt}),
    [](const testing::TestParamInfo<BesideCase>& row) { return row.param.name; });

// A 300 × 400 window that must not narrow: beside where it fits, else in
// the corner where it hides least of the other.
TEST(CoveringLeastTest, BesideElseTheCornerThatHidesLeast) {
    const struct {
        QRect other;
        QRect available;
        QRect expected;
    } cases[] = {
        {{700, 300, 521, 460}, {0, 0, 1920, 1040}, {1221, 300, 300, 400}},
        // No side has 300 pixels: in the top right corner it covers 51 × 300
        // pixels of the other, in the top left 285 × 300, at the bottom more.
        {{15, 100, 760, 600}, {0, 0, 1024, 768}, {724, 0, 300, 400}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layout::FrameCoveringLeast(c.other, {300, 400}, c.available), c.expected);
    }
}

// Run on a 1366 × 768 screen at 200 %: the window is taller than the screen.
TEST(WindowPlacementTest, TooLargeForTheScreenKeepsItsCaptionOnIt) {
    WindowWithForm window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect area = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    ASSERT_GT(frame.height(), area.height()) << "run this on a screen smaller than the window";
    EXPECT_TRUE(area.contains(frame.topLeft()))
        << frame.x() << "," << frame.y() << " outside " << area.width() << "x" << area.height();
    EXPECT_GT(window.geometry().top(), area.top());  // the title bar is on the screen
    // Centred across by its frame, which exists only once the window is shown.
    ASSERT_NE(frame.size(), window.size()) << "this platform draws no frame";
    EXPECT_EQ(frame.left() - area.left(), area.right() - frame.right())
        << "frame " << frame.left() << ".." << frame.right();
}

}  // namespace
}  // namespace sredna
