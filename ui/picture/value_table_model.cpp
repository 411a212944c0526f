#include "ui/picture/value_table_model.h"

#include "core/picture/picture_model.h"
#include "core/picture/picture_texts.h"
#include "ui/text/model_text.h"

namespace sredna {

ValueTableModel::ValueTableModel(const WindowModel& model, char separator, QObject* parent)
    : QAbstractTableModel(parent), model_(model), separator_(separator) {
    modelChanged();
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return guessing_ ? DistanceColumn : DistanceColumn + 1;
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const ValueRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case ValueColumn:
            return FromModel(row.value);
        case WeightColumn:
            return FromModel(row.weight);
        default:
            return FromModel(DistanceText(row.distance, separator_));
    }
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;  // the rank, as the plot's name counts it
    }
    if (section < 0 || section >= columnCount()) {
        return {};
    }
    return FromModel(texts::kTableHeaders.at(static_cast<std::size_t>(section)));
}

Qt::ItemFlags ValueTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void ValueTableModel::modelChanged() {
    const ListBox& values = model_.Values();
    const ListBox& weights = model_.Weights();
    const MeanKind kind = model_.SelectedKind().value_or(MeanKind::Arithmetic);
    ValueOrder sorted(values);
    // Only the mean of the kind shown: the other five would cost as much again.
    mean_ = sorted.Count() > 0 ? SelectedMean(values, weights, kind) : std::nullopt;
    std::vector<ValueRow> rows = ValueRows(values, weights, sorted, shownMean());
    const bool sameCount = rows.size() == rows_.size();
    // As many rows as before: rewritten in place, so that a table keeps its
    // current cell where a value moved.
    if (sameCount) {
        order_ = std::move(sorted);
        rows_ = std::move(rows);
        if (!rows_.empty()) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        }
        return;
    }
    beginResetModel();
    order_ = std::move(sorted);
    rows_ = std::move(rows);
    endResetModel();
}

void ValueTableModel::setGuessing(bool guessing) {
    if (guessing == guessing_) {
        return;
    }
    if (guessing) {
        beginRemoveColumns({}, DistanceColumn, DistanceColumn);
        guessing_ = true;
        endRemoveColumns();
    } else {
        beginInsertColumns({}, DistanceColumn, DistanceColumn);
        guessing_ = false;
        endInsertColumns();
    }
    modelChanged();  // the distances go with the mean, or come back
}

}  // namespace sredna
