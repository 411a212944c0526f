#include <cstdint>

#include "core/means/mean_branches.h"
#include "core/numbers/arithmetic_fault.h"

namespace sredna::branches {

// Each value counts as often as the weight at its position. The weight total
// is kept as a 16-bit whole number, rounded after every step, and the report
// calls it the number of elements.
MeanOutcome Weighted(const ListBox& values, const ListBox& weights, Report& report) {
    report.Start("Изчислявам средна пpетеглена стойност:");
    double sum = 0;
    std::int16_t weightTotal = 0;
    ValueRange range;
    for (int p = 0; p < values.Count(); ++p) {
        if (p >= weights.Count()) {
            throw ArithmeticFault(ArithmeticFault::Kind::MissingWeight);
        }
        double v = ItemValue(values.Item(p));
        double w = ItemValue(weights.Item(p));
        report.Append("към натрупаната сума ", sum);
        sum = Checked(sum + Checked(v * w));
        report.Append(" добавям стойност ", v, " * ", w, " - брой елементи ", kCrLf);
        weightTotal = ToInt16(weightTotal + w);
        range.Take(v);
    }
    if (weightTotal == 0) {
        throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
    }
    const double mean = range.Clamp(sum / weightTotal);
    report.Append("Обща сума ", sum, " брой елементи: ", weightTotal, kCrLf);
    report.Append("средна пpетеглена: ", mean, kCrLf);
    return MeanOutcome::Of(mean);
}

}  // namespace sredna::branches
