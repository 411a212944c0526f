// Undo and redo of every kind of change to the values and weights lists.
#include "core/history/list_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/model/form.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

struct Lists {
    std::vector<std::string> values;
    std::vector<std::string> weights;
    int selected;
    int weightSelected;

    explicit Lists(const WindowModel& model)
        : values(model.Values().Items()),
          weights(model.Weights().Items()),
          selected(model.Values().Selected()),
          weightSelected(model.Weights().Selected()) {}
    bool operator==(const Lists&) const = default;
};

struct ChangeCase {
    const char* name;
    std::function<void(Form&)> change;

    friend void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }
};

class HistoryTest : public testing::TestWithParam<ChangeCase> {};

// Each change, taken back, gives the lists and the selection as they were;
// made again, as they were after it; and again and again.
TEST_P(HistoryTest, UndoAndRedoRestoreListsAndSelection) {
    Form form("", ',');
    WindowModel& model = form.Model();
    form.Form_Load();
    model.Counts().SetSelected(4);  // 25 values
    model.Values().SetSelected(2);
    model.Report().SetText("отчет\r\n");
    const Lists before(model);
    GetParam().change(form);
    form.History().CloseStep();
    const Lists after(model);
    const std::string report = model.Report().Text();
    ASSERT_NE(after, before);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(form.History().CanUndo());
        form.History().Undo();
        EXPECT_EQ(Lists(model), before);
        EXPECT_FALSE(form.History().CanUndo());
        ASSERT_TRUE(form.History().CanRedo());
        form.History().Redo();
        EXPECT_EQ(Lists(model), after);
    }
    EXPECT_EQ(model.Report().Text(), report);  // undo leaves the report alone
}

INSTANTIATE_TEST_SUITE_P(
    Changes, HistoryTest,
    testing::Values(ChangeCase{"edit_value", [](Form& f) { f.Entry().EditValue(1, "2,5"); }},
                    ChangeCase{"edit_weight", [](Form& f) { f.Entry().EditWeight(4, "9"); }},
                    ChangeCase{"add_value", [](Form& f) { f.Entry().AddValue("7"); }},
                    ChangeCase{"delete", [](Form& f) { f.Entry().Delete(0); }},
                    ChangeCase{"paste_values", [](Form& f) { f.Entry().PasteValues("1\n2\n3"); }},
                    ChangeCase{"paste_weights", [](Form& f) { f.Entry().PasteWeights(1, "7\n8"); }},
                    ChangeCase{"clear", [](Form& f) { f.ClearData(); }},
                    ChangeCase{"random", [](Form& f) { f.DrawSample(); }},
                    ChangeCase{"several_in_one_step",
                               [](Form& f) {
                                   f.Entry().Delete(3);
                                   f.Entry().AddValue("8");
                                   f.Entry().EditValue(0, "-1");
                                   f.Entry().PasteWeights(0, "2");
                               }}),
    [](const testing::TestParamInfo<ChangeCase>& row) { return row.param.name; });

TEST(HistoryTest, StepsGoBackInOrderAndANewChangeDropsTheRedo) {
    Form form("", '.');
    ListHistory& history = form.History();
    const auto values = [&] { return form.Model().Values().Items(); };
    form.Entry().EditValue(0, "1");
    history.CloseStep();
    form.Entry().EditValue(1, "2");
    history.CloseStep();
    history.CloseStep();  // no change: no step
    EXPECT_EQ(history.UndoSteps(), 2U);
    history.Undo();
    EXPECT_EQ(values(), (std::vector<std::string>{"1", "123", "123", "123", "123"}));
    form.Entry().EditValue(4, "5");
    history.CloseStep();
    EXPECT_FALSE(history.CanRedo());
    history.Undo();
    history.Undo();
    EXPECT_EQ(values(), std::vector<std::string>(5, "123"));
    EXPECT_FALSE(history.CanUndo());
}

TEST(HistoryTest, ARefusedEntryLeavesNothingToUndo) {
    Form form("", '.');
    EXPECT_FALSE(form.Entry().PasteValues("1\nx"));
    EXPECT_FALSE(form.Entry().EditWeight(0, "0"));
    form.History().CloseStep();
    EXPECT_FALSE(form.History().CanUndo());
}

// A step keeps what changed, packed: 32,767 pasted values, cleared again,
// cost a fraction of the 4 MB that the texts would take as strings; past the cap the oldest steps
// go, the newest stays.
TEST(HistoryTest, MemoryStaysSmallAndCapped) {
    Form form("", '.');
    form.ClearData();
    form.History().CloseStep();
    std::string clipboard;
    for (int i = 0; i < ListBox::kMaxItems; ++i) {
        clipboard += std::to_string(i % 1000) + "\n";
    }
    ASSERT_TRUE(form.Entry().PasteValues(clipboard));
    form.History().CloseStep();
    form.ClearData();
    form.History().CloseStep();
    EXPECT_LT(form.History().MemoryUse(), 1'000'000U);
    form.History().Undo();
    EXPECT_EQ(form.Model().Values().Count(), ListBox::kMaxItems);
    EXPECT_EQ(form.Model().Weights().Item(ListBox::kMaxItems - 1), "1");

    WindowModel model;
    ListHistory small(model, 1000);
    for (int i = 0; i < 50; ++i) {
        model.Values().AddItem(std::to_string(i));
        small.CloseStep();
    }
    EXPECT_LE(small.MemoryUse(), 1000U);
    EXPECT_GT(small.UndoSteps(), 1U);
    EXPECT_LT(small.UndoSteps(), 50U);
    small.Undo();
    EXPECT_EQ(model.Values().Count(), 5 + 49);
}

// The point saved last, once dropped past the cap, is not the start of what
// is kept: undoing everything kept still leaves work typed before it.
TEST(HistoryTest, ASavedPointDroppedPastTheCapLeavesTheListsUnsaved) {
    using Kind = ListHistory::StepKind;
    WindowModel model;
    ListHistory history(model, 1000);
    model.Values().AddItem("1");
    history.CloseStep(Kind::Fresh);
    history.MarkClean();
    EXPECT_FALSE(history.HoldsUnsavedWork());
    for (int i = 0; i < 50; ++i) {
        model.Values().AddItem(std::to_string(i));
        history.CloseStep(Kind::ByHand);
    }
    while (history.CanUndo()) {
        history.Undo();
    }
    EXPECT_TRUE(history.HoldsUnsavedWork());
    model.Values().Clear();
    history.CloseStep(Kind::Fresh);
    EXPECT_FALSE(history.HoldsUnsavedWork());
}

struct GestureCase {
    const char* name;
    std::function<void(Form&)> act;
    std::size_t steps;
    std::vector<std::string> values;
    bool unsaved;

    friend void PrintTo(const GestureCase& c, std::ostream* os) { *os << c.name; }
};

class GestureTest : public testing::TestWithParam<GestureCase> {};

// A value moved in the picture: a whole drag or a held key is one step, and
// one that ends where it began, or is cancelled, leaves none and the lists
// as saved; every step taken back gives the saved lists again.
TEST_P(GestureTest, AGestureIsOneStepOrNone) {
    const GestureCase& c = GetParam();
    Form form("", ',');
    form.ClearData();
    ASSERT_TRUE(form.Entry().PasteValues("3\n7"));
    form.EndAction();
    form.NumbersSaved();
    const Lists saved(form.Model());
    const std::size_t before = form.History().UndoSteps();

    c.act(form);
    EXPECT_FALSE(form.History().InGesture());
    EXPECT_EQ(form.History().UndoSteps() - before, c.steps);
    EXPECT_EQ(form.Model().Values().Items(), c.values);
    EXPECT_EQ(form.Model().Weights().Items(), (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(form.History().HoldsUnsavedWork(), c.unsaved);
    if (c.steps == 0) {
        EXPECT_EQ(Lists(form.Model()).values, saved.values);
    }
    for (std::size_t s = 0; s < c.steps; ++s) {
        form.Undo();
    }
    EXPECT_EQ(Lists(form.Model()).values, saved.values);
    EXPECT_FALSE(form.HasUnsavedNumbers());
}

INSTANTIATE_TEST_SUITE_P(Moves, GestureTest,
                         testing::Values(GestureCase{"drag",
                                                     [](Form& f) {
                                                         f.BeginMove();
                                                         f.MoveValue(0, "4");
                                                         f.MoveValue(0, "5,5");
                                                         f.EndMove();
                                                     },
                                                     1,
                                                     {"5,5", "7"},
                                                     true},
                                         GestureCase{"drag_back_to_its_start",
                                                     [](Form& f) {
                                                         f.BeginMove();
                                                         f.MoveValue(0, "4");
                                                         f.MoveValue(0, "3");
                                                         f.EndMove();
                                                     },
                                                     0,
                                                     {"3", "7"},
                                                     false},
                                         GestureCase{"drag_cancelled",
                                                     [](Form& f) {
                                                         f.BeginMove();
                                                         f.MoveValue(0, "4");
                                                         f.MoveValue(0, "5");
                                                         f.CancelMove();
                                                     },
                                                     0,
                                                     {"3", "7"},
                                                     false},
                                         GestureCase{"key_presses",
                                                     [](Form& f) {
                                                         f.MoveValue(1, "8");
                                                         f.MoveValue(1, "9");
                                                     },
                                                     2,
                                                     {"3", "9"},
                                                     true},
                                         GestureCase{"held_keys_on_two_values",
                                                     [](Form& f) {
                                                         f.BeginMove();
                                                         f.MoveValue(1, "8");
                                                         f.MoveValue(1, "9");
                                                         f.EndMove();
                                                         f.BeginMove();
                                                         f.MoveValue(0, "2");
                                                         f.EndMove();
                                                     },
                                                     2,
                                                     {"2", "9"},
                                                     true},
                                         GestureCase{"undo_during_a_drag_takes_it_back_whole",
                                                     [](Form& f) {
                                                         f.BeginMove();
                                                         f.MoveValue(0, "4");
                                                         f.MoveValue(0, "5");
                                                         f.Undo();
                                                     },
                                                     0,
                                                     {"3", "7"},
                                                     false}),
                         [](const testing::TestParamInfo<GestureCase>& param) {
                             return std::string(param.param.name);
                         });

// A cancelled drag puts the value back but leaves the dragged value
// selected, with its weight, and what could be redone stays.
TEST(HistoryTest, ACancelledDragKeepsTheDraggedSelectionAndTheRedo) {
    Form form("", '.');
    form.Entry().EditValue(2, "5");
    form.EndAction();
    form.Undo();
    form.Model().Values().SetSelected(4);
    form.BeginMove();
    form.MoveValue(1, "6");
    form.MoveValue(1, "7");
    form.CancelMove();
    EXPECT_EQ(form.Model().Values().Items(), std::vector<std::string>(5, "123"));
    EXPECT_EQ(form.Model().Values().Selected(), 1);
    EXPECT_EQ(form.Model().Weights().Selected(), 1);
    EXPECT_TRUE(form.History().CanRedo());
}

}  // namespace
}  // namespace sredna
