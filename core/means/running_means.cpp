// The arithmetic, quadratic, harmonic and geometric means: one walk over the
// values that shows the running total before each step and the term it adds.
#include <cmath>

#include "core/means/mean_branches.h"

namespace sredna::branches {

namespace {

constexpr std::string_view kSumLabel = "към натрупаната сума ";

// What sets one kind apart from the others.
struct RunningMean {
    std::string_view header;
    std::string_view runningLabel;
    // The harmonic and geometric means have no meaning for a value of 0 or
    // below: a reciprocal of 0, a logarithm of 0 or of a negative.
    bool positiveOnly;
    bool writesTotal;
    // The quadratic mean lies between the smallest and largest magnitude,
    // not value: of -3 and 0,5 it is 2,15.
    bool byMagnitude;
    double (*term)(double value);
    void (*writeTerm)(Report& report, double value);
    double (*mean)(double sum, int count);
    void (*writeResult)(Report& report, double sum, int count, double mean);
};

const RunningMean kArithmetic{
    .header = "Изчислявам средна аритметична стойност: ",
    .runningLabel = kSumLabel,
    .positiveOnly = false,
    .writesTotal = true,
    .byMagnitude = false,
    .term = [](double v) { return v; },
    .writeTerm = [](Report& r, double v) { r.Append(" добавям ", v, kCrLf); },
    .mean = [](double sum, int n) { return sum / n; },
    .writeResult =
        [](Report& r, double sum, int n, double mean) {
            r.Append("средна аритметична = ", sum, " / ", n, " = ", mean, kCrLf);
        },
};

const RunningMean kQuadratic{
    .header = "Изчислявам средна квадратична стойност: ",
    .runningLabel = kSumLabel,
    .positiveOnly = false,
    .writesTotal = true,
    .byMagnitude = true,
    .term = [](double v) { return Checked(v * v); },
    .writeTerm = [](Report& r, double v) { r.Append(" добавям ", v, " * ", v, kCrLf); },
    .mean = [](double sum, int n) { return std::sqrt(sum / n); },
    .writeResult =
        [](Report& r, double sum, int n, double mean) {
            r.Append("средна квадратична: sqrt(", sum, " / ", n, ") = ", mean, kCrLf);
        },
};

const RunningMean kHarmonic{
    .header = "Изчислявам средна хармонична стойност:",
    .runningLabel = kSumLabel,
    .positiveOnly = true,
    .writesTotal = true,
    .byMagnitude = false,
    .term = [](double v) { return Checked(1.0 / v); },
    .writeTerm = [](Report& r, double v) { r.Append(" добавям 1 /", v, kCrLf); },
    .mean = [](double sum, int n) { return Checked(n / sum); },
    .writeResult =
        [](Report& r, double sum, int n, double mean) {
            r.Append("средна хармонична = ", n, " / ", sum, " = ", mean, kCrLf);
        },
};

// The running total is labelled a product although it is the sum of the
// logarithms, the logarithm of the product; pupils have always seen it so.
const RunningMean kGeometric{
    .header = "Изчислявам средна геометрична стойност: ",
    .runningLabel = "към натрупаното произведение ",
    .positiveOnly = true,
    .writesTotal = false,
    .byMagnitude = false,
    .term = [](double v) { return std::log(v); },
    .writeTerm = [](Report& r, double v) { r.Append(" добавям log (", v, ")", kCrLf); },
    .mean = [](double sum, int n) { return Checked(std::exp(sum / n)); },
    .writeResult =
        [](Report& r, double sum, int n, double mean) {
            r.Append("средна геометрична = exp(", sum, " / ", n, ") = ", mean, kCrLf);
        },
};

MeanOutcome Run(const RunningMean& kind, const ListBox& values, Report& report) {
    const int count = values.Count();
    report.Start(kind.header);
    double sum = 0;
    ValueRange range;
    for (int p = 0; p < count; ++p) {
        report.Append(kind.runningLabel, sum);
        double v = ItemValue(values.Item(p));
        if (kind.positiveOnly && !(v > 0)) {
            const bool zero = v == 0;
            report.Append(zero ? kZeroRefusal : kNegativeRefusal, kCrLf);
            return MeanOutcome::Without(zero ? NoMeanReason::ZeroValue
                                             : NoMeanReason::NegativeValue);
        }
        sum = Checked(sum + kind.term(v));
        kind.writeTerm(report, v);
        range.Take(kind.byMagnitude ? std::abs(v) : v);
    }
    const double mean = range.Clamp(kind.mean(sum, count));
    if (kind.writesTotal) {
        report.Append("Обща сума ", sum, " брой елементи: ", count, kCrLf);
    }
    kind.writeResult(report, sum, count, mean);
    return MeanOutcome::Of(mean);
}

}  // namespace

MeanOutcome Arithmetic(const ListBox& values, Report& report) {
    return Run(kArithmetic, values, report);
}

MeanOutcome Quadratic(const ListBox& values, Report& report) {
    return Run(kQuadratic, values, report);
}

MeanOutcome Harmonic(const ListBox& values, Report& report) {
    return Run(kHarmonic, values, report);
}

MeanOutcome Geometric(const ListBox& values, Report& report) {
    return Run(kGeometric, values, report);
}

}  // namespace sredna::branches
