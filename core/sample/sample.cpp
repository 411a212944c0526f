#include "core/sample/sample.h"

#include <string>

#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"

namespace sredna {

namespace {

// How many times "For i = 0 To count - 1" runs for a count that may be
// fractional or negative.
int IterationCount(double count) {
    if (!(count >= 1)) {
        return 0;
    }
    double iterations = Int(count - 1) + 1;
    if (iterations > ListBox::kMaxItems) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    return static_cast<int>(iterations);
}

// Int(scale × r) + 1. The product of a single and a single-precision draw is
// exact in double precision; rounding it to a single first would change a
// few draws.
float Draw(RandomSequence& random, float scale) {
    double product = static_cast<double>(scale) * static_cast<double>(random.Rnd());
    return static_cast<float>(Int(product) + 1);
}

}  // namespace

void GenerateSample(WindowModel& model, RandomSequence& random, std::string_view countText,
                    std::int16_t bound, char decimalSeparator) {
    model.Report().SetText({});
    const int count = IterationCount(Val(countText));
    ListBox& values = model.Values();
    ListBox& weights = model.Weights();
    values.Clear();
    weights.Clear();
    for (int i = 0; i < count; ++i) {
        values.AddItem(SingleNumberText(Draw(random, static_cast<float>(bound)), decimalSeparator));
        weights.AddItem(SingleNumberText(Draw(random, 10.0F), decimalSeparator));
    }
}

}  // namespace sredna
