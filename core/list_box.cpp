#include "core/list_box.h"

#include <algorithm>

#include "core/arithmetic_fault.h"

namespace sredna {

ListBox::ListBox(int index, const EventHub& hub, std::vector<std::string> items, bool visible,
                 bool sorted)
    : index_(index), hub_(hub), items_(std::move(items)), visible_(visible), sorted_(sorted) {}

const std::string& ListBox::Item(int position) const {
    static const std::string kEmpty;
    if (position < 0 || position >= Count()) {
        return kEmpty;
    }
    return items_[static_cast<std::size_t>(position)];
}

void ListBox::SetSelected(int position) {
    if (position == selected_ || position < -1 || position >= Count()) {
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
    auto at = items_.end();
    if (sorted_) {
        at = std::upper_bound(items_.begin(), items_.end(), text,
                              [](const std::string& a, const std::string& b) { return TextLess(a, b); });
    }
    int position = static_cast<int>(at - items_.begin());
    items_.insert(at, std::move(text));
    hub_.Notify(ChangeKind::ListItems, index_);
    // The selection stays on its item when an insertion lands before it.
    if (selected_ >= position) {
        ++selected_;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::RemoveItem(int position) {
    if (position < 0 || position >= Count()) {
        return;
    }
    items_.erase(items_.begin() + position);
    hub_.Notify(ChangeKind::ListItems, index_);
    if (selected_ == position) {
        selected_ = -1;
        hub_.Notify(ChangeKind::ListSelection, index_);
    } else if (selected_ > position) {
        --selected_;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::Clear() {
    items_.clear();
    hub_.Notify(ChangeKind::ListItems, index_);
    if (selected_ != -1) {
        selected_ = -1;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        hub_.Notify(ChangeKind::ListVisible, index_);
    }
}

}  // namespace sredna
