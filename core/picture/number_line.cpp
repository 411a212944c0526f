#include "core/picture/number_line.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/numbers/numbers.h"

namespace sredna {

namespace {

double PowerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

// multiple × 10^exponent, divided rather than multiplied by a negative power
// so that 3 × 0.1 comes out as the double nearest 0.3.
double Scaled(double multiple, int exponent) {
    return exponent >= 0 ? multiple * PowerOfTen(exponent) : multiple / PowerOfTen(-exponent);
}

}  // namespace

NumberLine::NumberLine(double smallest, double largest, int columns, int maxTicks, char separator) {
    columns = std::max(columns, 1);
    const double span = largest - smallest;
    // One value alone gets a tenth of itself on either side, and at least 1;
    // otherwise room for half a dot beyond the extreme values, and a little.
    const double pad =
        span == 0 ? std::max(std::abs(smallest) * 0.1, 1.0) : span * std::max(0.05, 1.0 / columns);
    // At the ends of the doubles' range the line stops at the largest
    // double, and is too wide for ticks.
    constexpr double kLargest = std::numeric_limits<double>::max();
    low_ = std::max(smallest - pad, -kLargest);
    high_ = std::min(largest + pad, kLargest);
    if (std::isfinite(high_ - low_)) {
        PlaceTicks(maxTicks, separator);
    }
}

double NumberLine::Position(double value) const {
    // Halves, so that a range as wide as the doubles' own cannot overflow.
    return (value / 2 - low_ / 2) / (high_ / 2 - low_ / 2);
}

void NumberLine::PlaceTicks(int maxTicks, char separator) {
    const double raw = (high_ - low_) / std::clamp(maxTicks, 2, 100);
    int exponent = static_cast<int>(std::floor(std::log10(raw)));
    const auto* fit = std::find_if(kRoundMultiples.begin(), kRoundMultiples.end(),
                                   [&](double m) { return Scaled(m, exponent) >= raw; });
    double multiple = 1;
    if (fit == kRoundMultiples.end()) {
        ++exponent;
    } else {
        multiple = *fit;
    }
    // No finer than the last of the 15 digits a label shows, so that no two
    // labels read the same.
    const double largest = std::max(std::abs(low_), std::abs(high_));
    const int finest = static_cast<int>(std::floor(std::log10(largest))) - 14;
    if (exponent < finest) {
        multiple = 1;
        exponent = finest;
    }
    step_ = Scaled(multiple, exponent);
    const double first = std::ceil(low_ / step_);
    const double count = std::floor(high_ / step_) - first + 1;
    for (int i = 0; i < std::min(count, 101.0); ++i) {
        const double value = Scaled((first + i) * multiple, exponent);
        ticks_.push_back({value, Position(value), GeneralNumberText(value, separator)});
    }
}

}  // namespace sredna
