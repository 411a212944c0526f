// Where the window opens, on screens it fits and on screens it does not.
#include <gtest/gtest.h>
#include <QScreen>
#include <QTest>

#include "ui/layout.h"
#include "ui/main_window.h"

// So that a failure shows the point, not its bytes.
void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
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

// Run on a 1366 × 768 screen at 200 %: the window is taller than the screen.
TEST(WindowPlacementTest, TooLargeForTheScreenKeepsItsCaptionOnIt) {
    MainWindow window;
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
