#include "core/picture/picture_numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/numbers/numbers.h"
#include "core/picture/picture_texts.h"

namespace sredna {

namespace {

constexpr int kShortDigits = 5;
constexpr double kSmallestPlain = 1e-5;
constexpr double kLargestPlain = 1e15;

// The value rounded to this many significant digits, and the power of ten of
// its first digit after the rounding.
double Rounded(double value, int digits, int* exponent) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, digits - 1);
    double rounded = 0;
    std::from_chars(buffer.data(), written.ptr, rounded, std::chars_format::scientific);
    if (exponent != nullptr) {
        const std::string_view text(buffer.data(), written.ptr);
        *exponent = std::atoi(std::string(text.substr(text.find('e') + 1)).c_str());
    }
    return rounded;
}

// The rounded value in plain decimals, without trailing zeros.
std::string PlainText(double rounded, int exponent, char separator) {
    const int decimals = std::max(0, kShortDigits - 1 - exponent);
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                       std::chars_format::fixed, decimals);
    std::string text(buffer.data(), written.ptr);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        } else {
            text[point] = separator;
        }
    }
    return text;
}

}  // namespace

ShortNumber ShortNumberText(double value, char separator) {
    const std::string exact = GeneralNumberText(value, '.');  // throws beyond a double
    if (value == 0) {
        return {"0", true};
    }
    int exponent = 0;
    const double rounded = Rounded(value, kShortDigits, &exponent);
    ShortNumber shown;
    shown.exact = GeneralNumberText(rounded, '.') == exact;
    const double size = std::abs(rounded);
    shown.text = size >= kSmallestPlain && size < kLargestPlain
                     ? PlainText(rounded, exponent, separator)
                     : RoundedNumberText(value, kShortDigits, separator);
    return shown;
}

std::string RelationText(double value, char separator) {
    const ShortNumber shown = ShortNumberText(value, separator);
    return std::string(shown.exact ? texts::kEqualsSign : texts::kApproxSign) + shown.text;
}

std::string ApproximateText(double value, char separator) {
    const ShortNumber shown = ShortNumberText(value, separator);
    return shown.exact ? shown.text : std::string(texts::kApproxSign) + shown.text;
}

double RoundedToDigits(double value, int digits) {
    return std::isfinite(value) && value != 0 ? Rounded(value, std::clamp(digits, 1, 17), nullptr)
                                              : value;
}

}  // namespace sredna
