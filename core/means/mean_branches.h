#pragma once

#include <algorithm>
#include <limits>
#include <string_view>

#include "core/means/calculate.h"
#include "core/means/report.h"
#include "core/model/window_model.h"

// The branches of Calculate, one per kind of mean. Each writes its report
// and returns its mean, or the reason it has none.
namespace sredna::branches {

// The harmonic and geometric means are taken over positive values only; the
// first value that is not refuses the run on its running line.
inline constexpr std::string_view kZeroRefusal = "Между въведените стойности не трябва да има 0!";
inline constexpr std::string_view kNegativeRefusal =
    "Между въведените стойности не трябва да има отрицателни числа!";

// The smallest and largest value a branch has read (for the quadratic mean,
// magnitude). Every mean lies between them, and the mean of equal values is that value; rounding in
// a long running sum can step just past them (fifty 7s giving 6,99999999999999), so a branch puts
// such a result back at the nearest end.
class ValueRange {
public:
    void Take(double value) {
        low_ = std::min(low_, value);
        high_ = std::max(high_, value);
    }
    double Clamp(double mean) const { return std::clamp(mean, low_, high_); }

private:
    double low_ = std::numeric_limits<double>::infinity();
    double high_ = -std::numeric_limits<double>::infinity();
};

MeanOutcome Arithmetic(const ListBox& values, Report& report);
MeanOutcome Quadratic(const ListBox& values, Report& report);
MeanOutcome Harmonic(const ListBox& values, Report& report);
MeanOutcome Geometric(const ListBox& values, Report& report);
MeanOutcome Weighted(const ListBox& values, const ListBox& weights, Report& report);
MeanOutcome Median(const ListBox& values, ListBox& workList, Report& report);

}  // namespace sredna::branches
