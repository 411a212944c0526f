#include "core/picture/value_table.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/numbers.h"
#include "core/picture/picture_numbers.h"
#include "core/picture/picture_texts.h"

namespace sredna {

namespace {

// The digits the program writes a number with.
constexpr int kShownDigits = 15;

// The distance to the mean as written, to the last of the digits the larger
// of the two is written with: 124 to 123,2 is 0,8 and not the
// 0,79999999999999716 that the double 123,2 leaves. Rounded to significant
// digits only, so that every platform's arithmetic gives the same.
std::optional<double> Distance(double value, std::optional<double> mean) {
    if (!mean) {
        return std::nullopt;
    }
    const double written = RoundedToDigits(*mean, kShownDigits);
    const double distance = std::abs(value - written);
    const double larger = std::max(std::abs(value), std::abs(written));
    if (!std::isfinite(distance) || distance == 0) {
        return distance;
    }
    const double below = std::floor(std::log10(larger)) - std::floor(std::log10(distance));
    const int digits = kShownDigits - static_cast<int>(below);
    return digits < 1 ? 0.0 : RoundedToDigits(distance, digits);
}

}  // namespace

std::string DistanceText(std::optional<double> distance, char separator) {
    return distance ? ApproximateText(*distance, separator) : std::string();
}

std::vector<ValueRow> ValueRows(const ListBox& values, const ListBox& weights,
                                const ValueOrder& order, std::optional<double> mean) {
    std::vector<ValueRow> rows;
    rows.reserve(static_cast<std::size_t>(order.Count()));
    for (int rank = 0; rank < order.Count(); ++rank) {
        const int position = order.At(rank);
        rows.push_back({position, values.Item(position),
                        position < weights.Count() ? weights.Item(position) : std::string(),
                        Distance(order.Value(position), mean)});
    }
    return rows;
}

std::string ValueName(const ListBox& values, const ValueOrder& order, int position,
                      std::optional<double> mean, std::optional<double> guess, char separator) {
    const int rank = order.RankOf(position);
    if (rank < 0) {
        return std::string(texts::kNameNoValues);
    }
    std::string name = std::string(texts::kNameValue) + values.Item(position) +
                       std::string(texts::kNameRank) + GeneralNumberText(rank + 1, '.') +
                       std::string(texts::kNameOf) + GeneralNumberText(order.Count(), '.');
    if (guess) {
        name += texts::kNameGuess;
        name += ApproximateText(*guess, separator);
    } else if (mean) {
        name += texts::kNameDistance;
        name += DistanceText(Distance(order.Value(position), mean), separator);
    }
    return name;
}

}  // namespace sredna
