#include "core/list_box.h"

#include "core/arithmetic_fault.h"

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
    const int position = style_.sorted ? items_.UpperBound(text, TextLess) : Count();
    items_.Insert(position, std::move(text));
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
    items_.Erase(position);
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
    items_.Clear();
    hub_.Notify(ChangeKind::ListItems, index_);
    if (selected_ != -1) {
        selected_ = -1;
        hub_.Notify(ChangeKind::ListSelection, index_);
    }
}

void ListBox::SetVisible(bool visible) {
    if (style_.visible != visible) {
        style_.visible = visible;
        hub_.Notify(ChangeKind::ListVisible, index_);
    }
}

}  // namespace sredna
