#include "core/picture/value_step.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/numbers/numbers.h"
#include "core/picture/picture_texts.h"

namespace sredna {

namespace {

// Beyond this no moved value is taken (the reader stops at 10^15), and the
// fixed-point sums below stay far inside 64 bits.
constexpr double kFarBeyondTyped = 1e16;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int64_t Scale(int decimals) {
    std::int64_t scale = 1;
    for (int d = 0; d < decimals; ++d) {
        scale *= 10;
    }
    return scale;
}

// A number exactly as a decimal of the step's places: whole + units / scale,
// with 0 <= units < scale, so that sums carry no binary rounding.
struct Fixed {
    std::int64_t whole = 0;
    std::int64_t units = 0;
};

Fixed Add(Fixed a, Fixed b, std::int64_t scale) {
    Fixed sum{a.whole + b.whole, a.units + b.units};
    if (sum.units >= scale) {
        sum.units -= scale;
        ++sum.whole;
    }
    return sum;
}

// The value rounded to the step's places; none beyond what any move takes.
std::optional<Fixed> FixedOf(double value, int decimals) {
    if (!(std::abs(value) < kFarBeyondTyped)) {
        return std::nullopt;
    }
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    const std::string_view text(buffer.data(), written.ptr);
    const bool negative = text.front() == '-';
    Fixed magnitude;
    std::size_t i = negative ? 1 : 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude.whole = magnitude.whole * 10 + (text[i] - '0');
    }
    for (++i; i < text.size(); ++i) {
        magnitude.units = magnitude.units * 10 + (text[i] - '0');
    }
    if (!negative || (magnitude.whole == 0 && magnitude.units == 0)) {
        return magnitude;
    }
    if (magnitude.units == 0) {
        return Fixed{-magnitude.whole, 0};
    }
    return Fixed{-magnitude.whole - 1, Scale(decimals) - magnitude.units};
}

// "-2,75": the sign, the whole part and the places without trailing zeros.
std::string TextOf(Fixed number, int decimals, char separator) {
    const std::int64_t scale = Scale(decimals);
    const bool negative = number.whole < 0;
    const bool borrow = negative && number.units > 0;
    const std::int64_t whole = negative ? -(number.whole + (borrow ? 1 : 0)) : number.whole;
    const std::int64_t units = borrow ? scale - number.units : number.units;
    std::string text = negative ? "-" : "";
    text += std::to_string(whole);
    if (units > 0) {
        std::string places = std::to_string(units);
        places.insert(0, static_cast<std::size_t>(decimals) - places.size(), '0');
        places.erase(places.find_last_not_of('0') + 1);
        text += separator + places;
    }
    return text;
}

// The number read as the pupil's own typing would be, with its limits.
MovedValue AsTyped(std::optional<Fixed> number, int decimals, char separator) {
    MovedValue moved;
    if (!number) {
        moved.refusal = NumberRefusal::OutOfRange;
        return moved;
    }
    const UserNumber read = ReadUserNumber(TextOf(*number, decimals, separator), separator);
    if (read.refusal) {
        moved.refusal = read.refusal;
        return moved;
    }
    moved.value = read.value;
    moved.text = GeneralNumberText(read.value, separator);
    return moved;
}

}  // namespace

int DecimalPlaces(std::string_view text) {
    std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    int places = 0;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        int zeros = 0;  // trailing ones count for nothing: "2,50" is 2,5
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            zeros = text[i] == '0' ? zeros + 1 : 0;
            ++places;
        }
        places -= zeros;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        const std::size_t from = i + 1 < text.size() && text[i + 1] == '+' ? i + 2 : i + 1;
        int exponent = 0;
        const auto read = std::from_chars(text.data() + from, text.data() + text.size(), exponent);
        if (read.ec != std::errc{}) {
            return 0;
        }
        places -= exponent;
    }
    return std::max(places, 0);
}

ValueStep::ValueStep(int decimals) : decimals_(std::clamp(decimals, 0, kMaxStepDecimals)) {}

ValueStep ValueStep::Of(const ListBox& values) {
    int decimals = 0;
    for (int p = 0; p < values.Count() && decimals < kMaxStepDecimals; ++p) {
        decimals = std::max(decimals, DecimalPlaces(values.Item(p)));
    }
    return ValueStep(decimals);
}

double ValueStep::Size() const {
    return 1.0 / static_cast<double>(Scale(decimals_));
}

MovedValue ValueStep::By(double value, std::int64_t steps, char separator) const {
    const std::int64_t scale = Scale(decimals_);
    std::optional<Fixed> number = FixedOf(value, decimals_);
    if (number) {
        // Floor division, so that units stay from 0 to scale - 1.
        std::int64_t whole = steps / scale;
        std::int64_t units = steps % scale;
        if (units < 0) {
            units += scale;
            --whole;
        }
        number = Add(*number, Fixed{whole, units}, scale);
    }
    return AsTyped(number, decimals_, separator);
}

MovedValue ValueStep::ByTenth(double value, double span, int direction, char separator) const {
    const double tenth = std::max(std::abs(span) / 10, Size());
    const std::optional<Fixed> amount = FixedOf(direction < 0 ? -tenth : tenth, decimals_);
    std::optional<Fixed> number = FixedOf(value, decimals_);
    if (!amount || !number) {
        return AsTyped(std::nullopt, decimals_, separator);
    }
    return AsTyped(Add(*number, *amount, Scale(decimals_)), decimals_, separator);
}

MovedValue ValueStep::To(double place, char separator) const {
    return AsTyped(FixedOf(place, decimals_), decimals_, separator);
}

std::string MoveRefusalText(NumberRefusal refusal) {
    std::string text(texts::kMoveRefused);
    switch (refusal) {
        case NumberRefusal::TooManyDigits:
            return text + std::string(texts::kMoveTooManyDigits);
        case NumberRefusal::OutOfRange:
            return text + std::string(texts::kMoveOutOfRange);
        default:
            return text + std::string(texts::kMoveNoNumber);
    }
}

}  // namespace sredna
