#pragma once

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QListView>

namespace sredna::test {

// A window list's rows as its view shows them, read through its model.
inline int RowCount(const QListView* list) {
    return list->model()->rowCount();
}
inline QModelIndex Row(const QListView* list, int row) {
    return list->model()->index(row, 0);
}
inline QString RowText(const QListView* list, int row) {
    return Row(list, row).data().toString();
}
inline QRect RowRect(const QListView* list, int row) {
    return list->visualRect(Row(list, row));
}
inline int CurrentRow(const QListView* list) {
    return list->currentIndex().row();
}
inline QModelIndexList SelectedRows(const QListView* list) {
    return list->selectionModel()->selectedIndexes();
}

}  // namespace sredna::test
