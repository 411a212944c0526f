// The window's handlers, driven through the model as the view drives them.
#include "core/form.h"

#include <gtest/gtest.h>

#include "core/arithmetic_fault.h"

namespace sredna {
namespace {

class FormTest : public testing::Test {
protected:
    Form form{"intro\r\n", ','};
    WindowModel& model = form.Model();

    FormTest() {
        form.Form_Load();
        form.Random().Seed(4);
    }
};

TEST_F(FormTest, LoadSelectsTheDefaults) {
    EXPECT_EQ(model.Spis(kCountList).Selected(), 0);
    EXPECT_EQ(model.Spis(kRangeList).Selected(), 0);
    EXPECT_EQ(model.Option1().Kind(), MeanKind::Arithmetic);
    EXPECT_EQ(model.Spis(kValuesList).Selected(), -1);
}

TEST_F(FormTest, CalculatingRightAfterStartGives123) {
    form.Command1_Click(kCalculateCommand);
    EXPECT_NE(model.Text1(kReportBox).Text().find("средна аритметична = 615 / 5 = 123\r\n"),
              std::string::npos);
}

TEST_F(FormTest, ClearEmptiesReportAndDataOnly) {
    form.Command1_Click(kCalculateCommand);
    model.Spis(kCountList).SetSelected(2);
    model.Spis(kRangeList).SetSelected(3);
    model.Option1().Select(static_cast<int>(MeanKind::Median));
    form.Command1_Click(kCalculateCommand);
    const auto workList = model.Spis(kMedianList).Items();
    model.StoredMean = 8;
    form.Command1_Click(kClearCommand);
    EXPECT_EQ(model.Text1(kReportBox).Text(), "");
    EXPECT_EQ(model.Spis(kValuesList).Count(), 0);
    EXPECT_EQ(model.Spis(kWeightsList).Count(), 0);
    EXPECT_EQ(model.Spis(kMedianList).Items(), workList);
    EXPECT_EQ(model.StoredMean, 8);
    EXPECT_EQ(model.Spis(kCountList).Selected(), 2);
    EXPECT_EQ(model.Spis(kRangeList).Selected(), 3);
    EXPECT_EQ(model.Option1().Kind(), MeanKind::Median);
    EXPECT_EQ(model.Text1(kIntroBox).Text(), "intro\r\n");
    form.Command1_Click(kCalculateCommand);
    EXPECT_EQ(model.Text1(kReportBox).Text(), "Няма въведени стойности!\r\n");
}

TEST_F(FormTest, RandomUsesTheSelectedCountAndBound) {
    model.Spis(kCountList).SetSelected(4);  // "25"
    model.Spis(kRangeList).SetSelected(6);  // "1000"
    model.Text1(kReportBox).SetText("old");
    form.Command1_Click(kRandomCommand);
    EXPECT_EQ(model.Spis(kValuesList).Count(), 25);
    EXPECT_EQ(model.Spis(kWeightsList).Count(), 25);
    EXPECT_EQ(model.Text1(kReportBox).Text(), "");
}

TEST_F(FormTest, AValueAndItsWeightAreSelectedTogether) {
    int clicks = 0;
    model.Hub().SetListClickHandler([&](int index) {
        ++clicks;
        form.Spis_Click(index);
    });
    model.Spis(kValuesList).SetSelected(2);
    EXPECT_EQ(model.Spis(kWeightsList).Selected(), 2);
    EXPECT_EQ(clicks, 2);  // the value's click and exactly one for the weight
    model.Spis(kWeightsList).SetSelected(4);
    EXPECT_EQ(model.Spis(kValuesList).Selected(), 4);
    EXPECT_EQ(clicks, 4);
}

TEST_F(FormTest, KindsShowTheirListsAndHeaders) {
    struct Expected {
        MeanKind kind;
        bool weights;
        bool median;
    };
    for (const Expected& e :
         {Expected{MeanKind::Weighted, true, false}, Expected{MeanKind::Median, false, true},
          Expected{MeanKind::Harmonic, false, false}}) {
        model.Option1().Select(static_cast<int>(e.kind));
        EXPECT_EQ(model.Spis(kWeightsList).Visible(), e.weights);
        EXPECT_EQ(model.Etiket(4).Visible(), e.weights);
        EXPECT_EQ(model.Spis(kMedianList).Visible(), e.median);
        EXPECT_EQ(model.Label1(3).Visible(), e.median);
    }
}

TEST_F(FormTest, UnknownCommandDoesNothing) {
    form.Command1_Click(3);
    form.Command1_Click(-1);
    EXPECT_EQ(model.Text1(kReportBox).Text(), "");
    EXPECT_EQ(model.Spis(kValuesList).Count(), 5);
}

TEST_F(FormTest, ABoundBeyond16BitsIsReportedNotThrown) {
    model.Spis(kRangeList).AddItem("99999");
    model.Spis(kRangeList).SetSelected(7);
    EXPECT_NO_THROW(form.Command1_Click(kRandomCommand));
    EXPECT_EQ(model.Text1(kReportBox).Text(),
              ArithmeticFault::messageFor(ArithmeticFault::Kind::Overflow) + "\r\n");
    EXPECT_EQ(model.Spis(kValuesList).Count(), model.Spis(kWeightsList).Count());
}

}  // namespace
}  // namespace sredna
