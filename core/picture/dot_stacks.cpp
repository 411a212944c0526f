#include "core/picture/dot_stacks.h"

#include <algorithm>
#include <cmath>

namespace sredna {

namespace {

// Dots for a count, at least one and at most a full stack.
int DotsFor(double count, double valuesPerDot, int stackHeight) {
    const double dots = std::round(count / valuesPerDot);
    return dots < 1 ? 1 : static_cast<int>(std::min(dots, static_cast<double>(stackHeight)));
}

// The fewest round number of values per dot that lets the tallest stack fit;
// a count beyond every such number takes the largest.
double FittingValuesPerDot(double tallest, int stackHeight) {
    for (double power = 1;; power *= 10) {
        const auto* fit = std::find_if(
            kRoundMultiples.begin(), kRoundMultiples.end(),
            [&](double m) { return std::round(tallest / (m * power)) <= stackHeight; });
        if (fit != kRoundMultiples.end()) {
            return *fit * power;
        }
        if (!std::isfinite(power * 100)) {
            return power * 10;
        }
    }
}

}  // namespace

DotStacks::DotStacks(std::vector<CountedValue> values, const NumberLine& line, int columns,
                     int stackHeight) {
    std::sort(values.begin(), values.end(),
              [](const CountedValue& a, const CountedValue& b) { return a.value < b.value; });
    for (const CountedValue& v : values) {
        const double count = std::max(v.count, 0.0);  // a weight below 0 counts for nothing
        if (!values_.empty() && values_.back().value == v.value) {
            values_.back().count += count;
            values_.back().position = std::min(values_.back().position, v.position);
        } else {
            values_.push_back({v.value, count, 0, 1, v.position});
        }
    }
    Group(line, std::max(columns, 1));
    Scale(std::max(stackHeight, 1));
}

void DotStacks::Group(const NumberLine& line, int columns) {
    constexpr double kSmallestScale = 0.5;  // still a dot a pupil sees
    const double largest = 1.0 / columns;
    double closest = largest;
    for (std::size_t i = 1; i < values_.size(); ++i) {
        closest = std::min(closest,
                           line.Position(values_[i].value) - line.Position(values_[i - 1].value));
    }
    dotScale_ = std::isnan(closest) ? 1 : std::clamp(closest / largest, kSmallestScale, 1.0);
    const double width = largest * dotScale_;
    double first = 0;  // the position of a column's smallest value
    for (StackedValue& v : values_) {
        const double at = line.Position(v.value);
        if (columns_.empty() || !(at - first < width)) {
            columns_.push_back({at, 1, false});
            columnCounts_.push_back(0);
            first = at;
        } else {
            columns_.back().shared = true;
        }
        columns_.back().position = first + (at - first) / 2;
        v.column = static_cast<int>(columns_.size()) - 1;
        columnCounts_.back() += v.count;
    }
}

void DotStacks::Scale(int stackHeight) {
    const double tallest =
        columnCounts_.empty() ? 0 : *std::max_element(columnCounts_.begin(), columnCounts_.end());
    valuesPerDot_ = FittingValuesPerDot(tallest, stackHeight);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        columns_[c].dots = DotsFor(columnCounts_[c], valuesPerDot_, stackHeight);
    }
    double upTo = 0;  // the count of a value and those under it in its column
    int column = -1;
    for (StackedValue& v : values_) {
        upTo = v.column == column ? upTo + v.count : v.count;
        column = v.column;
        v.topRow = std::min(DotsFor(upTo, valuesPerDot_, stackHeight),
                            columns_[static_cast<std::size_t>(column)].dots);
    }
}

int DotStacks::Find(double value) const {
    auto at = std::lower_bound(values_.begin(), values_.end(), value,
                               [](const StackedValue& v, double x) { return v.value < x; });
    return at != values_.end() && at->value == value ? static_cast<int>(at - values_.begin()) : -1;
}

}  // namespace sredna
