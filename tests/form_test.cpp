// The window's handlers, driven through the model as the view drives them.
#include "core/model/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/numbers/arithmetic_fault.h"

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
    model.SetStoredMean(8);
    form.Command1_Click(kClearCommand);
    EXPECT_EQ(model.Text1(kReportBox).Text(), "");
    EXPECT_EQ(model.Spis(kValuesList).Count(), 0);
    EXPECT_EQ(model.Spis(kWeightsList).Count(), 0);
    EXPECT_EQ(model.Spis(kMedianList).Items(), workList);
    EXPECT_EQ(model.StoredMean(), 8);
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

// Closing asks exactly when the lists hold changes made by hand that are not
// in the last file saved or opened: the point of the history the lists are
// at decides, not what happened on the way there.
struct UnsavedCase {
    const char* name;
    std::vector<std::function<void(Form&)>> actions;  // each ended as the window ends it
    bool unsaved;

    friend void PrintTo(const UnsavedCase& c, std::ostream* os) { *os << c.name; }
};

class UnsavedNumbersTest : public testing::TestWithParam<UnsavedCase> {};

TEST_P(UnsavedNumbersTest, OnlyChangesByHandOnScreenAreUnsaved) {
    Form form("", ',');
    form.Form_Load();
    for (const auto& action : GetParam().actions) {
        action(form);
        form.EndAction();
    }
    EXPECT_EQ(form.HasUnsavedNumbers(), GetParam().unsaved);
}

const auto kEdit = [](Form& f) { f.Entry().EditValue(0, "7"); };
const auto kRandom = [](Form& f) { f.Command1_Click(kRandomCommand); };
const auto kClear = [](Form& f) { f.Command1_Click(kClearCommand); };
const auto kUndo = [](Form& f) { f.Undo(); };
const auto kRedo = [](Form& f) { f.Redo(); };
const auto kSaved = [](Form& f) { f.NumbersSaved(); };
const auto kOpen = [](Form& f) { f.OpenNumbers("1\r\n2\r\n", "a.csv"); };
const auto kOpenBad = [](Form& f) { f.OpenNumbers("1\r\nx\r\n", "a.csv"); };
const auto kDeleteAll = [](Form& f) {
    while (f.Model().Spis(kValuesList).Count() > 0) {
        f.Entry().Delete(0);
    }
};

INSTANTIATE_TEST_SUITE_P(
    Actions, UnsavedNumbersTest,
    testing::Values(
        UnsavedCase{"start", {}, false}, UnsavedCase{"edit", {kEdit}, true},
        UnsavedCase{"refused_edit", {[](Form& f) { f.Entry().EditValue(0, "x"); }}, false},
        UnsavedCase{
            "same_number_typed_again", {[](Form& f) { f.Entry().EditValue(0, "123.0"); }}, false},
        UnsavedCase{
            "equal_weights_pasted", {[](Form& f) { f.Entry().PasteWeights(1, "5\n5,0"); }}, false},
        UnsavedCase{"random", {kRandom}, false}, UnsavedCase{"clear", {kClear}, false},
        UnsavedCase{"edit_then_undo", {kEdit, kUndo}, false},
        UnsavedCase{"save_edit_undo_redo", {kSaved, kEdit, kUndo, kRedo}, true},
        UnsavedCase{"edit_then_random", {kEdit, kRandom}, false},
        UnsavedCase{"edit_then_clear_then_undo", {kEdit, kClear, kUndo}, true},
        UnsavedCase{"edit_then_save", {kEdit, kSaved}, false},
        UnsavedCase{"edit_then_open", {kEdit, kOpen}, false},
        UnsavedCase{"edit_then_bad_file", {kEdit, kOpenBad}, true},
        UnsavedCase{"open_then_edit", {kOpen, kEdit}, true},
        UnsavedCase{"open_random_undo", {kOpen, kRandom, kUndo}, false},
        UnsavedCase{"open_undo", {kEdit, kOpen, kUndo}, true},
        UnsavedCase{"undo_of_random", {kRandom, kUndo}, false},
        UnsavedCase{"redo_after_save", {kRandom, kUndo, kSaved, kRedo}, false},
        // The saved point, cut off by a new step after an undo, is not found
        // again even by the same edit.
        UnsavedCase{"saved_point_cut_off", {kEdit, kSaved, kUndo, kEdit}, true},
        UnsavedCase{"nothing_to_undo", {kUndo}, false},
        UnsavedCase{"all_deleted_by_hand", {kDeleteAll}, false}),
    [](const testing::TestParamInfo<UnsavedCase>& row) { return row.param.name; });

// The report matches the lists until either list, the kind or the report
// box itself changes; undoing a change does not bring the match back.
TEST_F(FormTest, TheReportMatchesTheListsItWasMadeOf) {
    EXPECT_FALSE(form.ReportKind());
    struct Change {
        const char* name;
        std::function<void()> change;
        bool kindKept;  // the report still names its kind
    };
    const std::vector<Change> changes = {
        {"value", [&] { form.Entry().EditValue(0, "7"); }, true},
        {"weight", [&] { form.Entry().EditWeight(1, "2"); }, true},
        {"kind", [&] { form.Model().Option1().Select(2); }, true},
        {"refusal", [&] { form.Entry().AddValue("x"); }, false},
        {"random", [&] { form.Command1_Click(kRandomCommand); }, false},
    };
    for (const Change& c : changes) {
        form.Model().Option1().Select(1);
        form.Command1_Click(kCalculateCommand);
        EXPECT_EQ(form.ReportKind(), MeanKind::Quadratic) << c.name;
        EXPECT_TRUE(form.ReportMatchesLists()) << c.name;
        c.change();
        EXPECT_FALSE(form.ReportMatchesLists()) << c.name;
        EXPECT_EQ(form.ReportKind().has_value(), c.kindKept) << c.name;
    }
}

}  // namespace
}  // namespace sredna
