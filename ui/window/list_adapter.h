#pragma once

#include <QAbstractListModel>

#include <limits>

#include "core/model/list_box.h"
#include "core/model/model_events.h"

namespace sredna {

// One of the model's list boxes as Qt's views see it: every row is read from
// the ListBox itself, so the view holds no copy of 32,767 texts. The list's
// changes during an action are merged into one splice and told to the views
// once the action has ended (endAction): the views never see a list halfway
// through a change, and a paste is one insertion rather than thousands.
class ListAdapter : public QAbstractListModel {
    Q_OBJECT

public:
    // index: the list's index among the model's lists, as its notices carry it.
    ListAdapter(const ListBox& list, int index, EventHub& hub, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Rows can be edited in place from now on.
    void setEditable() { editable_ = true; }

    // Tells the views what the list's changes since the last call made of
    // it, as one splice; a splice that replaces most of the list as a reset.
    void endAction();

    // A row of the view's own after the list's last (the row Insert opens),
    // which the list does not hold. Kept, it becomes the list's new last item
    // when the action ends, with its editor still on it; dropped, it goes then.
    QModelIndex addExtraRow();
    void keepExtraRow() { keepExtra_ = true; }
    void dropExtraRow() { dropExtra_ = true; }

private:
    void noteSplice(const Change& change);
    // Emits the merged splice, dataChanged for the rows it rewrote.
    void showSplice(int position, int removed, int inserted);
    // The list has changed before its views hear of it: while they do, rows
    // from the end of the splice on are read where the list now has them.
    void moveLaterRows(int from, int shift);
    void settleRows();

    const ListBox& list_;
    // The rows the views know of, the extra row apart: the list's count as
    // of the last endAction.
    int shown_;
    bool extraRow_ = false;
    bool keepExtra_ = false;
    bool dropExtra_ = false;
    bool editable_ = false;
    // The changes of this action, merged: at position_, removed_ rows the
    // views know gave way to inserted_ rows of the list.
    bool changed_ = false;
    int position_ = 0;
    int removed_ = 0;
    int inserted_ = 0;
    // While the views hear of a splice: rows from movedFrom_ on are the
    // list's items movedBy_ further on.
    int movedFrom_ = std::numeric_limits<int>::max();
    int movedBy_ = 0;
    // Last: the notices stop before anything they would note goes.
    EventHub::Subscription changes_;
};

}  // namespace sredna
