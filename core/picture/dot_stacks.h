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
    int position = 0;  // in the values list
};

// One distinct value: how often it counts, the column its dots stand in, the
// row of its highest dot (from 1 at the line), where its deviation segment
// runs, and its first place in the values list, whose text names it.
struct StackedValue {
    double value = 0;
    double count = 0;
    int column = 0;
    int topRow = 1;
    int position = 0;
};

// A stack of dots. A stack holds one value unless values span less than the
// smallest dot; then it stands at the middle of its smallest and largest
// value, and the line marks each of them.
struct DotColumn {
    double position = 0;
    int dots = 1;
    bool shared = false;
};

// The dot plot: the distinct values in ascending order, the columns they
// stand in, one dot size for all of them, and how many values one dot stands
// for (1, 2, 5, 10, 20, …): the fewest that let the tallest stack fit. A
// stack of fewer values than one dot stands for still gets one dot. The dots
// are as large as the view allows (columns across the line) unless distinct
// values lie closer; then smaller, down to half that size.
class DotStacks {
public:
    DotStacks() = default;
    DotStacks(std::vector<CountedValue> values, const NumberLine& line, int columns,
              int stackHeight);

    const std::vector<StackedValue>& Values() const { return values_; }
    const std::vector<DotColumn>& Columns() const { return columns_; }
    double ValuesPerDot() const { return valuesPerDot_; }
    // The dots' size as a part of the largest the view allows: 0.5 to 1.
    double DotScale() const { return dotScale_; }
    // The index of a distinct value, or -1.
    int Find(double value) const;

private:
    void Group(const NumberLine& line, int columns);
    void Scale(int stackHeight);

    std::vector<StackedValue> values_;
    std::vector<DotColumn> columns_;
    std::vector<double> columnCounts_;
    double valuesPerDot_ = 1;
    double dotScale_ = 1;
};

}  // namespace sredna
