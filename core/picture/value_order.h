#pragma once

#include <vector>

#include "core/model/list_box.h"
#include "core/picture/dot_stacks.h"

namespace sredna {

// The values in the order the picture's keys walk them: by value, equal
// values in list order. Positions are those of the values list; -1 is none.
class ValueOrder {
public:
    ValueOrder() = default;
    // A text beyond a double leaves the order empty, as it leaves the
    // picture without dots.
    explicit ValueOrder(const ListBox& values);

    int Count() const { return static_cast<int>(order_.size()); }
    // The list position of the value at a rank (0 the smallest), and back.
    int At(int rank) const;
    int RankOf(int position) const;
    // The value at a list position, as the calculations read it.
    double Value(int position) const { return values_.at(static_cast<std::size_t>(position)); }

    // Left and Right: the value before and after, or none past either end.
    int Previous(int position) const;
    int Next(int position) const;
    // Home and End: the smallest (the first among equal ones) and the
    // largest (the last).
    int Smallest() const { return At(0); }
    int Largest() const { return At(Count() - 1); }
    // The last in list order of the values equal to this one.
    int LastOf(double value) const;

private:
    std::vector<int> order_;      // positions by rank
    std::vector<int> ranks_;      // ranks by position
    std::vector<double> values_;  // by position
};

// The value a drag on a column of dots takes: the largest of the column,
// and of equal ones the last in list order; -1 for no such column.
int DraggedValue(const DotStacks& stacks, const ValueOrder& order, int column);

}  // namespace sredna
