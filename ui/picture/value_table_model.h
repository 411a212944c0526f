#pragma once

#include <QAbstractTableModel>

#include <optional>
#include <vector>

#include "core/model/window_model.h"
#include "core/picture/value_order.h"
#include "core/picture/value_table.h"

namespace sredna {

// The values sorted as the picture's keys walk them, with their weights and
// their distances to the selected mean, for the picture window's table. It
// also holds the order and the mean the plot names its selected value by,
// so that the two never differ. Read-only; its rows follow the lists when
// told (modelChanged).
class ValueTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ValueColumn, WeightColumn, DistanceColumn };

    ValueTableModel(const WindowModel& model, char separator, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The lists or the kind have changed.
    void modelChanged();
    // While the pupil guesses the mean, no distance gives it away: the
    // distance column goes, and the mean with it.
    void setGuessing(bool guessing);

    const ValueOrder& order() const { return order_; }
    // The mean the distances go to; none while guessing.
    std::optional<double> shownMean() const { return guessing_ ? std::nullopt : mean_; }

private:
    const WindowModel& model_;
    char separator_;
    ValueOrder order_;
    std::optional<double> mean_;
    // Distances stay numbers: only the cells in view are written out.
    std::vector<ValueRow> rows_;
    bool guessing_ = false;
};

}  // namespace sredna
