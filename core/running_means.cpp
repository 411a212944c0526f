// The arithmetic, quadratic, harmonic and geometric means: one walk over the
// values that shows the running total before each step and the term it adds.
#include <cmath>

#include "core/arithmetic_fault.h"
#include "core/mean_branches.h"

namespace sredna::branches {

namespace {

constexpr std::string_view kSumLabel = "към натрупаната сума ";
constexpr std::string_view kZeroRefusal = "Между въведените стойности не трябва да има 0!";

// What sets one kind apart from the others.
struct RunningMean {
    std::string_view header;
    std::string_view runningLabel;
    bool refusesZero;
    // The geometric step shows its term before adding it, so a value whose
    // logarithm fails is still named on the line above the fault.
    bool writesTermFirst;
    bool writesTotal;
    double (*term)(double value);
    void (*writeTerm)(Report& report, double value);
    double (*mean)(double sum, int count);
    void (*writeResult)(Report& report, double sum, int count, double mean);
};

double Divide(double dividend, double divisor) {
    if (divisor == 0) {
        throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
    }
    return Checked(dividend / divisor);
}

double Logarithm(double value) {
    if (!(value > 0)) {
        throw ArithmeticFault(ArithmeticFault::Kind::InvalidLogarithm);
    }
    return std::log(value);
}

const RunningMean kArithmetic{
    .header = "Изчислявам средна аритметична стойност: ",
    .runningLabel = kSumLabel,
    .refusesZero = false,
    .writesTermFirst = false,
    .writesTotal = true,
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
    .refusesZero = false,
    .writesTermFirst = false,
    .writesTotal = true,
    .term = [](double v) { return Checked(v * v); },
    .writeTerm = [](Report& r, double v) { r.Append(" добавям ", v, " * ", v, kCrLf); },
    .mean = [](double sum, int n) { return std::sqrt(sum / n); },
    .writeResult =
        [](Report& r, double sum, int n, double mean) {
            r.Append("средна квадратична: sqrt(", sum, " / ", n, ") = ", mean, kCrLf);
        },
};

// A value that reads as 0 is refused before its reciprocal is taken.
const RunningMean kHarmonic{
    .header = "Изчислявам средна хармонична стойност:",
    .runningLabel = kSumLabel,
    .refusesZero = true,
    .writesTermFirst = false,
    .writesTotal = true,
    .term = [](double v) { return Divide(1.0, v); },
    .writeTerm = [](Report& r, double v) { r.Append(" добавям 1 /", v, kCrLf); },
    .mean = [](double sum, int n) { return Divide(n, sum); },
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
    .refusesZero = false,
    .writesTermFirst = true,
    .writesTotal = false,
    .term = Logarithm,
    .writeTerm = [](Report& r, double v) { r.Append(" добавям log (", v, ")", kCrLf); },
    .mean = [](double sum, int n) { return Checked(std::exp(sum / n)); },
    .writeResult =
        [](Report& r, double sum, int n, double mean) {
            r.Append("средна геометрична = exp(", sum, " / ", n, ") = ", mean, kCrLf);
        },
};

std::optional<double> Run(const RunningMean& kind, const ListBox& values, Report& report) {
    const int count = values.Count();
    report.Start(kind.header);
    double sum = 0;
    for (int p = 0; p < count; ++p) {
        report.Append(kind.runningLabel, sum);
        double v = ItemValue(values.Item(p));
        if (kind.refusesZero && v == 0) {
            report.Append(kZeroRefusal, kCrLf);
            return std::nullopt;
        }
        if (kind.writesTermFirst) {
            kind.writeTerm(report, v);
        }
        sum = Checked(sum + kind.term(v));
        if (!kind.writesTermFirst) {
            kind.writeTerm(report, v);
        }
    }
    double mean = kind.mean(sum, count);
    if (kind.writesTotal) {
        report.Append("Обща сума ", sum, " брой елементи: ", count, kCrLf);
    }
    kind.writeResult(report, sum, count, mean);
    return mean;
}

}  // namespace

std::optional<double> Arithmetic(const ListBox& values, Report& report) {
    return Run(kArithmetic, values, report);
}

std::optional<double> Quadratic(const ListBox& values, Report& report) {
    return Run(kQuadratic, values, report);
}

std::optional<double> Harmonic(const ListBox& values, Report& report) {
    return Run(kHarmonic, values, report);
}

std::optional<double> Geometric(const ListBox& values, Report& report) {
    return Run(kGeometric, values, report);
}

}  // namespace sredna::branches
