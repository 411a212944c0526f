#include "core/means/calculate.h"

#include <cmath>

#include "core/means/mean_branches.h"
#include "core/numbers/arithmetic_fault.h"

namespace sredna {

namespace {

constexpr std::string_view kNoValues = "Няма въведени стойности!";
constexpr std::string_view kOneValue =
    "Въведена е само една стойност, а за средна стойност са нужни поне две!";

MeanOutcome RunBranch(MeanKind kind, const ListBox& values, const ListBox& weights,
                      ListBox& workList, Report& report) {
    switch (kind) {
        case MeanKind::Arithmetic:
            return branches::Arithmetic(values, report);
        case MeanKind::Quadratic:
            return branches::Quadratic(values, report);
        case MeanKind::Harmonic:
            return branches::Harmonic(values, report);
        case MeanKind::Geometric:
            return branches::Geometric(values, report);
        case MeanKind::Weighted:
            return branches::Weighted(values, weights, report);
        case MeanKind::Median:
            // Sorts plain whole numbers as texts, any other values by number.
            return branches::Median(values, workList, report);
    }
    return {};
}

// The search both the report and the picture name their values by. The
// comparisons are strict, so the lowest position wins ties; item 0 compared
// with itself changes nothing.
Deviations FindDeviations(const ListBox& values, double mean) {
    auto deviation = [&](int p) { return Checked(std::abs(ItemValue(values.Item(p)) - mean)); };
    Deviations found;
    found.nearest = deviation(0);
    found.farthest = found.nearest;
    for (int p = 0; p < values.Count(); ++p) {
        const double d = deviation(p);
        if (found.nearest > d) {
            found.nearest = d;
            found.nearestPosition = p;
        }
        if (d > found.farthest) {
            found.farthest = d;
            found.farthestPosition = p;
        }
    }
    return found;
}

void WriteDeviations(Report& report, const ListBox& values, const Deviations& found) {
    report.Append("Минимално отклонение от изчислената средна стойност = ", found.nearest,
                  " при стойност ", values.Item(found.nearestPosition), kCrLf);
    // "Максималмо" is spelled so on purpose: it is what the program has
    // always written.
    report.Append("Максималмо отклонение от изчислената средна стойност = ", found.farthest,
                  " при стойност ", values.Item(found.farthestPosition), kCrLf);
}

}  // namespace

MeanOutcome CalculateMean(MeanKind kind, const ListBox& values, const ListBox& weights,
                          ListBox& workList, Report& report) {
    if (values.Count() < 2) {
        const bool none = values.Count() == 0;
        report.Start(none ? kNoValues : kOneValue);
        return MeanOutcome::Without(none ? NoMeanReason::NoValues : NoMeanReason::OneValue);
    }
    try {
        MeanOutcome outcome = RunBranch(kind, values, weights, workList, report);
        if (outcome.mean && kind != MeanKind::Median) {
            outcome.deviations = FindDeviations(values, *outcome.mean);
            WriteDeviations(report, values, *outcome.deviations);
        }
        return outcome;
    } catch (const ArithmeticFault& fault) {
        // On a line of its own, so the steps that led to it stay readable.
        report.AppendLine(fault.what());
        return MeanOutcome::Without(NoMeanReason::Fault);
    }
}

void Calculate(WindowModel& model, char decimalSeparator) {
    // No selected button takes the arithmetic branch.
    const MeanKind kind = model.SelectedKind().value_or(MeanKind::Arithmetic);
    Report report(model.Report(), decimalSeparator);
    const MeanOutcome outcome =
        CalculateMean(kind, model.Values(), model.Weights(), model.MedianWork(), report);
    // The median's result is never stored.
    if (outcome.deviations) {
        model.SetStoredMean(*outcome.mean);
    }
}

void ShowDeviations(WindowModel& model, char decimalSeparator) {
    const ListBox& values = model.Values();
    if (values.Count() == 0) {
        return;
    }
    Report report(model.Report(), decimalSeparator);
    WriteDeviations(report, values, FindDeviations(values, model.StoredMean()));
}

}  // namespace sredna
