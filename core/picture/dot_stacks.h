#pragma once

#include <string>
#include <vector>

#include "core/picture/number_line.h"

namespace sredna {

// A value as the picture counts it: for the weighted kind a value counts as
// often as its weight, otherwise once.
struct CountedValue {
    double value = 0;
    double count = 1;
};

// One distinct value: how often it counts, the column its dots stand in, and
// the row of its highest dot (from 1 at the line), where its deviation
// segment runs.
struct StackedValue {
    double value = 0;
    double count = 0;
    int column = 0;
    int topRow = 1;
};

// A stack of dots. Values closer than a dot's width share it; it stands at
// the smallest of them, so neighbouring stacks never overlap.
struct DotColumn {
    double value = 0;
    double position = 0;
    int dots = 1;
};

// The dot plot: the distinct values in ascending order, the columns they
// share, and how many values one dot stands for (1, 2, 5, 10, 20, …): the
// fewest that let the tallest stack fit. A stack of fewer values than one
// dot stands for still gets one dot.
class DotStacks {
public:
    DotStacks() = default;
    DotStacks(std::vector<CountedValue> values, const NumberLine& line, int stackHeight);

    const std::vector<StackedValue>& Values() const { return values_; }
    const std::vector<DotColumn>& Columns() const { return columns_; }
    double ValuesPerDot() const { return valuesPerDot_; }
    // The index of a distinct value, or -1.
    int Find(double value) const;

private:
    void Group(const NumberLine& line);
    void Scale(int stackHeight);

    std::vector<StackedValue> values_;
    std::vector<DotColumn> columns_;
    std::vector<double> columnCounts_;
    double valuesPerDot_ = 1;
};

}  // namespace sredna
