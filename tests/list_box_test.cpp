#include "core/model/list_box.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/numbers/arithmetic_fault.h"

namespace sredna {
namespace {

// A list with a hub that records the click events it raises.
struct RecordingList : testing::Test {
    EventHub hub;
    std::vector<int> clicks;
    std::vector<Change> changes;
    EventHub::Subscription subscription;

    RecordingList() {
        hub.SetListClickHandler([this](int index) { clicks.push_back(index); });
        subscription = hub.Listen([this](const Change& change) { changes.push_back(change); });
    }
};

// Every view hears the changes until its subscription goes, whichever of the
// hub and the subscription goes first.
TEST(EventHubTest, EachListenerHearsUntilItsSubscriptionGoes) {
    std::vector<int> heard;
    auto hub = std::make_unique<EventHub>();
    EventHub::Subscription first = hub->Listen([&](const Change&) { heard.push_back(1); });
    std::optional<EventHub::Subscription> second =
        hub->Listen([&](const Change&) { heard.push_back(2); });
    hub->Notify(ChangeKind::Text, 0);
    second.reset();
    hub->Notify(ChangeKind::Text, 0);
    EventHub::Subscription moved = std::move(first);
    hub->Notify(ChangeKind::Text, 0);
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 1, 1}));
    hub.reset();
    moved.Cancel();  // the hub is gone: nothing to remove, nothing to reach
}

TEST_F(RecordingList, SelectingAnotherPositionRaisesOneClickWithTheListIndex) {
    ListBox list(3, hub, {"a", "b", "c"});
    list.SetSelected(1);
    list.SetSelected(1);
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(clicks, std::vector<int>{3});
    list.SetSelected(-1);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(clicks, (std::vector<int>{3, 3}));
}

TEST_F(RecordingList, SelectingOutsideTheListChangesNothing) {
    ListBox list(0, hub, {"a", "b"});
    list.SetSelected(1);
    list.SetSelected(2);
    list.SetSelected(-5);
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(clicks.size(), 1U);
}

TEST_F(RecordingList, ClearLeavesNoSelectionAndRaisesNoClick) {
    ListBox list(1, hub, {"a", "b"});
    list.SetSelected(0);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(clicks.size(), 1U);
}

TEST_F(RecordingList, SortedListInsertsInTextOrder) {
    ListBox list(4, hub, {}, {.visible = false, .sorted = true});
    for (const char* text : {" 20", "  5", "100", " 20", "  7"}) {
        list.AddItem(text);
    }
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"  5", "  7", " 20", " 20", "100"}));
}

TEST_F(RecordingList, UnsortedListAppends) {
    ListBox list(1, hub, {});
    for (const char* text : {"9", "10", "1"}) {
        list.AddItem(text);
    }
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"9", "10", "1"}));
}

TEST_F(RecordingList, RemovingMovesLaterItemsUp) {
    ListBox list(1, hub, {"x", "y", "z"});
    list.RemoveItem(1);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"x", "z"}));
    list.RemoveItem(7);
    list.RemoveItem(-1);
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(RecordingList, SelectionFollowsItsItemThroughRemovalAndInsertion) {
    ListBox list(4, hub, {}, {.visible = false, .sorted = true});
    for (const char* text : {"b", "d"}) {
        list.AddItem(text);
    }
    list.SetSelected(1);  // "d"
    list.AddItem("a");
    EXPECT_EQ(list.Item(list.Selected()), "d");
    list.RemoveItem(0);
    EXPECT_EQ(list.Item(list.Selected()), "d");
    list.RemoveItem(list.Selected());
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(clicks.size(), 1U);
}

TEST_F(RecordingList, ReadingOutsideTheListGivesAnEmptyText) {
    ListBox list(1, hub, {"5"});
    EXPECT_EQ(list.Item(0), "5");
    EXPECT_EQ(list.Item(1), "");
    EXPECT_EQ(list.Item(-1), "");
    EXPECT_EQ(list.Item(32767), "");
}

TEST_F(RecordingList, CountStopsAtTheSixteenBitLimit) {
    ListBox list(1, hub, std::vector<std::string>(ListBox::kMaxItems, "1"));
    EXPECT_THROW(list.AddItem("2"), ArithmeticFault);
    EXPECT_EQ(list.Count(), ListBox::kMaxItems);
}

TEST_F(RecordingList, ViewsLearnOfEveryKindOfChange) {
    ListBox list(2, hub, {"a"});
    list.AddItem("b");
    list.SetSelected(0);
    list.SetVisible(false);
    list.SetVisible(false);
    ASSERT_EQ(changes.size(), 3U);
    EXPECT_EQ(changes[0].kind, ChangeKind::ListItems);
    EXPECT_EQ(changes[1].kind, ChangeKind::ListSelection);
    EXPECT_EQ(changes[2].kind, ChangeKind::ListVisible);
    EXPECT_EQ(changes[2].index, 2);
}

// A view that follows only the reported splices, reading the inserted items
// from the list, ends up with the list's items: each splice says exactly
// where the change was, in a sorted list too.
TEST(ListBoxSplices, ReplayedSplicesRebuildTheList) {
    struct Case {
        const char* name;
        ListStyle style;
        std::function<void(ListBox&)> change;
    };
    const std::vector<Case> cases = {
        {"add", {}, [](ListBox& l) { l.AddItem("z"); }},
        {"sorted add", {.sorted = true}, [](ListBox& l) { l.AddItem("b"); }},
        {"set", {}, [](ListBox& l) { l.SetItem(1, "y"); }},
        {"remove", {}, [](ListBox& l) { l.RemoveItem(1); }},
        {"clear", {}, [](ListBox& l) { l.Clear(); }},
        {"replace range",
         {},
         [](ListBox& l) {
             l.ReplaceRange(1, 2, {"p", "q", "r"});
         }},
        {"several", {.sorted = true}, [](ListBox& l) {
             l.AddItem("0");
             l.RemoveItem(2);
             l.AddItem("e");
         }}};
    for (const Case& test : cases) {
        EventHub hub;
        ListBox list(3, hub, {"a", "c", "d"}, test.style);
        std::vector<std::string> shown = list.Items();
        const EventHub::Subscription subscription = hub.Listen([&](const Change& change) {
            if (change.kind != ChangeKind::ListItems) {
                return;
            }
            const auto at = shown.begin() + change.position;
            shown.erase(at, at + change.removed);
            for (int i = 0; i < change.inserted; ++i) {
                shown.insert(shown.begin() + change.position + i, list.Item(change.position + i));
            }
        });
        test.change(list);
        EXPECT_EQ(shown, list.Items()) << test.name;
    }
}

}  // namespace
}  // namespace sredna
