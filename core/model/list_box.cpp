#include "core/model/list_box.h"

#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"

namespace sredna {

ListBox::ListBox(int index, const EventHub& hub, const std::vector<std::string>& items,
                 ListStyle style)
    : index_(index), hub_(hub), items_(items), style_(style) {}

const std::string& ListBox::Item(int position) const {
    static const std::string kEmpty;
    if (position < 0 || position >= Count()) {
        return kEmpty;
    }
    return items_.At(position);
}

void ListBox::SetSelected(int position) {
    if (position == selected_ || position < -1 || position >= Count() ||
        (position == -1 && style_.keepsSelection)) {
        return;
    }
    selected_ = position;
    hub_.Notify(ChangeKind::ListSelection, index_);
    hub_.RaiseListClick(index_);
}

void ListBox::AddItem(std::string text) {
    if (Count() >= kMaxItems) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    int position = Count();
    if (style_.sorted && order_ == SortOrder::Text) {
        position = items_.UpperBound(text, TextLess);
    } else if (style_.sorted) {
        // The new text is read once, the items it passes once each.
        position = items_.UpperBound(ItemValue(text), [](double key, const std::string& item) {
            return key < ItemValue(item);
        });
    }
    if (journal_ != nullptr) {
        journal_->Record(index_, {.position = position, .removed = {}, .inserted = {text}});
    }
    items_.Insert(position, std::move(text));
    ++revision_;
    NotifyItems(position, 0, 1);
    // The selection stays on its item when an insertion lands before it.
    if (selected_ >= position) {
        ++selected_;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::SetItem(int position, std::string text) {
    if (style_.sorted || position < 0 || position >= Count()) {
        return;
    }
    if (journal_ != nullptr) {
        journal_->Record(index_,
                         {.position = position, .removed = {Item(position)}, .inserted = {text}});
    }
    items_.Replace(position, std::move(text));
    ++revision_;
    NotifyItems(position, 1, 1);
}

bool ListBox::Precedes(std::string_view a, std::string_view b) const {
    return order_ == SortOrder::Text ? TextLess(a, b) : ItemValue(a) < ItemValue(b);
}

void ListBox::RemoveItem(int position) {
    if (position < 0 || position >= Count()) {
        return;
    }
    if (journal_ != nullptr) {
        journal_->Record(index_,
                         {.position = position, .removed = {Item(position)}, .inserted = {}});
    }
    items_.Erase(position);
    ++revision_;
    NotifyItems(position, 1, 0);
    if (selected_ == position) {
        selected_ = -1;
        hub_.Notify(ChangeKind::ListSelection, index_);
    } else if (selected_ > position) {
        --selected_;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::Clear() {
    const int removed = Count();
    if (journal_ != nullptr && removed > 0) {
        journal_->Record(index_, {.position = 0, .removed = items_.TakeAll(), .inserted = {}});
    }
    items_.Clear();
    ++revision_;
    NotifyItems(0, removed, 0);
    if (selected_ != -1) {
        selected_ = -1;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::ReplaceRange(int position, int count, const std::vector<std::string>& items) {
    if (style_.sorted || position < 0 || count < 0 || position > Count() - count ||
        Count() - count + static_cast<int>(items.size()) > kMaxItems) {
        return;
    }
    if (journal_ != nullptr) {
        ItemSplice splice{.position = position, .removed = {}, .inserted = items};
        for (int p = position; p < position + count; ++p) {
            splice.removed.push_back(Item(p));
        }
        journal_->Record(index_, std::move(splice));
    }
    // One item at a time, from the end of the range, then the new ones in
    // order: each erase or insert moves only the later items of its own
    // block, which the store keeps to a few hundred.
    for (int p = position + count - 1; p >= position; --p) {
        items_.Erase(p);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        items_.Insert(position + static_cast<int>(i), items[i]);
    }
    ++revision_;
    NotifyItems(position, count, static_cast<int>(items.size()));
    // The selection is the caller's to set: the range may have held it.
    if (selected_ >= Count()) {
        selected_ = -1;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::NotifyItems(int position, int removed, int inserted) const {
    hub_.Notify({.kind = ChangeKind::ListItems,
                 .index = index_,
                 .position = position,
                 .removed = removed,
                 .inserted = inserted});
}

void ListBox::SetVisible(bool visible) {
    if (style_.visible != visible) {
        style_.visible = visible;
        hub_.Notify(ChangeKind::ListVisible, index_);
    }
}

}  // namespace sredna
