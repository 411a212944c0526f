#pragma once

#include <optional>

#include "core/means/report.h"
#include "core/model/window_model.h"

namespace sredna {

// Why a kind of mean has no value for the lists given. Each reason is a line
// the report ends with: the two refusals of too few values, the refusal of a
// value not above 0 (the harmonic and geometric means), an arithmetic fault.
enum class NoMeanReason { None, NoValues, OneValue, ZeroValue, NegativeValue, Fault };

// The values nearest to and farthest from a mean, by position in the values
// list; among equal distances the lowest position.
struct Deviations {
    double nearest = 0;
    int nearestPosition = 0;
    double farthest = 0;
    int farthestPosition = 0;
};

// What one calculation found. The median has a mean but no deviations.
struct MeanOutcome {
    std::optional<double> mean;
    NoMeanReason reason = NoMeanReason::None;
    std::optional<Deviations> deviations;

    static MeanOutcome Of(double mean) { return {mean, NoMeanReason::None, std::nullopt}; }
    static MeanOutcome Without(NoMeanReason reason) { return {std::nullopt, reason, std::nullopt}; }
};

// The calculation of one kind of mean, step by step, into the report (which
// may write nowhere), followed by the deviation lines for every kind but the
// median. A fault ends the report with its line and the outcome has no
// mean. workList is the median's sorted work list.
MeanOutcome CalculateMean(MeanKind kind, const ListBox& values, const ListBox& weights,
                          ListBox& workList, Report& report);

// Calculates the mean of the selected kind over the values list and writes
// how it got there into the report box. Every kind but the median stores its
// mean in StoredMean and ends with the deviation lines. A refusal or an
// arithmetic fault ends the run with a message line; StoredMean then keeps
// its value.
void Calculate(WindowModel& model, char decimalSeparator);

// Appends the lines naming the values nearest to and farthest from
// StoredMean (the lowest position wins ties).
void ShowDeviations(WindowModel& model, char decimalSeparator);

}  // namespace sredna
