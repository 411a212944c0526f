#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/history/list_journal.h"
#include "core/model/item_store.h"
#include "core/model/model_events.h"

namespace sredna {

// The order of a sorted list: by character code, or by the number each text
// reads as (ItemValue).
enum class SortOrder { Text, Numeric };

// How a list box behaves, beyond holding its items.
struct ListStyle {
    bool visible = true;
    // Items go in ascending text order (the median work list).
    bool sorted = false;
    // Once an item is selected, some item stays selected: a choice the user
    // may change but not take away (the count and range lists).
    bool keepsSelection = false;
};

// A list box: text items, at most one selected position (-1 for none), a
// visible flag and, for the median work list, sorted insertion.
class ListBox {
public:
    // A list box's count is a 16-bit number.
    static constexpr int kMaxItems = 32767;

    ListBox(int index, const EventHub& hub, const std::vector<std::string>& items,
            ListStyle style = {});

    int Count() const { return items_.Size(); }
    // Counts every change to the items, so that a reader can tell whether
    // they are still those it saw.
    int Revision() const { return revision_; }

    // The text at a position; outside the list an empty text, which reads as 0.
    const std::string& Item(int position) const;
    std::vector<std::string> Items() const { return items_.ToVector(); }

    int Selected() const { return selected_; }
    // Selecting a different position (or -1) raises the list's click event;
    // the same position, one outside the list, or -1 in a list that keeps its
    // selection changes nothing.
    void SetSelected(int position);

    // Appends, or in a sorted list inserts before the first greater item.
    // Throws ArithmeticFault when the list already holds kMaxItems.
    void AddItem(std::string text);
    // Replaces the text at a position of an unsorted list; a position
    // outside the list is ignored.
    void SetItem(int position, std::string text);
    // Later items move up; a position outside the list is ignored.
    void RemoveItem(int position);
    void Clear();
    // Replaces count items from a position of an unsorted list with the
    // given ones, in one change notice: how a change is taken back or made
    // again. A range outside the list is ignored.
    void ReplaceRange(int position, int count, const std::vector<std::string>& items);

    // Every later change to the items is reported to the journal (nullptr:
    // to none).
    void SetJournal(ListJournal* journal) { journal_ = journal; }

    bool Visible() const { return style_.visible; }
    void SetVisible(bool visible);
    bool Sorted() const { return style_.sorted; }

    // The order of later insertions into a sorted list; Text at first. A
    // numeric insertion throws ArithmeticFault for a text beyond a double.
    void SetSortOrder(SortOrder order) { order_ = order; }
    SortOrder Order() const { return order_; }
    // Whether a comes before b in the list's order.
    bool Precedes(std::string_view a, std::string_view b) const;

    // The text order of sorted lists: by character code, so a space sorts
    // before the digits and equal-width digit texts sort numerically.
    static bool TextLess(std::string_view a, std::string_view b) { return a < b; }

private:
    // Tells the views which items changed: the splice the journal records.
    void NotifyItems(int position, int removed, int inserted) const;

    int index_;
    const EventHub& hub_;
    ItemStore items_;
    int selected_ = -1;
    ListStyle style_;
    SortOrder order_ = SortOrder::Text;
    ListJournal* journal_ = nullptr;
    int revision_ = 0;
};

}  // namespace sredna
