#include "ui/window/list_adapter.h"

#include <algorithm>

#include "ui/text/model_text.h"

namespace sredna {

ListAdapter::ListAdapter(const ListBox& list, int index, EventHub& hub, QObject* parent)
    : QAbstractListModel(parent),
      list_(list),
      shown_(list.Count()),
      changes_(hub.Listen([this, index](const Change& change) {
          if (change.kind == ChangeKind::ListItems && change.index == index) {
              noteSplice(change);
          }
      })) {}

int ListAdapter::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_ + (extraRow_ ? 1 : 0);
}

QVariant ListAdapter::data(const QModelIndex& index, int role) const {
    // The extra row has no text until the list takes one.
    if (!index.isValid() || (extraRow_ && index.row() == shown_) ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const int row = index.row() >= movedFrom_ ? index.row() + movedBy_ : index.row();
    return FromModel(list_.Item(row));
}

Qt::ItemFlags ListAdapter::flags(const QModelIndex& index) const {
    // The flags the list widget gave its items, so that screen readers see
    // the same items.
    if (!index.isValid() || index.row() >= rowCount()) {
        return Qt::ItemIsDropEnabled;
    }
    if (editable_) {
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled |
           Qt::ItemIsDragEnabled;
}

void ListAdapter::noteSplice(const Change& change) {
    if (!changed_) {
        changed_ = true;
        position_ = change.position;
        removed_ = change.removed;
        inserted_ = change.inserted;
        return;
    }
    // Both splices cover one stretch of the list as it is now; before it the
    // rows are untouched, after it they only moved.
    const int start = std::min(position_, change.position);
    const int end = std::max(position_ + inserted_, change.position + change.removed);
    removed_ = end - (inserted_ - removed_) - start;
    inserted_ = end + (change.inserted - change.removed) - start;
    position_ = start;
}

void ListAdapter::moveLaterRows(int from, int shift) {
    movedFrom_ = from;
    movedBy_ = shift;
}

void ListAdapter::settleRows() {
    movedFrom_ = std::numeric_limits<int>::max();
    movedBy_ = 0;
}

void ListAdapter::endAction() {
    if (changed_) {
        moveLaterRows(position_ + removed_, inserted_ - removed_);
    }
    if (extraRow_ && keepExtra_ && changed_ && position_ == shown_ && removed_ == 0 &&
        inserted_ == 1) {
        // The list took the extra row's text as its last item: the row stays,
        // with its editor, and shows the list's text.
        extraRow_ = false;
        changed_ = false;
        ++shown_;
        settleRows();
        emit dataChanged(index(position_), index(position_));
    } else if (extraRow_ && (keepExtra_ || dropExtra_)) {
        beginRemoveRows({}, shown_, shown_);
        extraRow_ = false;
        endRemoveRows();
    }
    keepExtra_ = false;
    dropExtra_ = false;
    if (changed_) {
        changed_ = false;
        showSplice(position_, removed_, inserted_);
    }
}

void ListAdapter::showSplice(int position, int removed, int inserted) {
    if (removed > 0 && inserted > 0 && std::max(removed, inserted) > 1 && 2 * removed > shown_) {
        // New numbers for old (an opened file, a new sample): cheaper for a
        // view to lay out afresh than to move every row.
        beginResetModel();
        shown_ = list_.Count();
        settleRows();
        endResetModel();
        return;
    }
    const int rewritten = std::min(removed, inserted);
    if (rewritten > 0) {
        emit dataChanged(index(position), index(position + rewritten - 1));
    }
    if (inserted > removed) {
        beginInsertRows({}, position + removed, position + inserted - 1);
        shown_ += inserted - removed;
        settleRows();
        endInsertRows();
    } else if (removed > inserted) {
        beginRemoveRows({}, position + inserted, position + removed - 1);
        shown_ -= removed - inserted;
        settleRows();
        endRemoveRows();
    }
    settleRows();  // a splice that changed no count
}

QModelIndex ListAdapter::addExtraRow() {
    beginInsertRows({}, shown_, shown_);
    extraRow_ = true;
    endInsertRows();
    return index(shown_);
}

}  // namespace sredna
