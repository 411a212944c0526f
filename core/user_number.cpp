#include "core/user_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace sredna {

namespace {

constexpr std::size_t kMaxDigits = 15;
constexpr double kMaxWeight = 32767;

std::string_view Digits(std::string_view s, std::size_t& i) {
    const std::size_t from = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
    }
    return s.substr(from, i - from);
}

std::string_view WithoutLeading(std::string_view digits) {
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
}

std::string_view WithoutTrailing(std::string_view digits) {
    const std::size_t last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view() : digits.substr(0, last + 1);
}

UserNumber Refused(NumberRefusal why) {
    return {.value = 0, .refusal = why};
}

}  // namespace

UserNumber ReadUserNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return Refused(NumberRefusal::NotANumber);
    }
    const std::string_view s = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    std::size_t i = 0;
    const bool negative = s[0] == '-';
    if (s[0] == '+' || s[0] == '-') {
        ++i;
    }
    const std::string_view whole = Digits(s, i);
    std::string_view fraction;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        ++i;
        fraction = Digits(s, i);
    }
    if (whole.empty() && fraction.empty()) {
        return Refused(NumberRefusal::NotANumber);
    }
    // The program writes tiny values with an exponent ("1,5E-05"), so a list
    // copied out of it must paste back in.
    int exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool below = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        const std::string_view digits = Digits(s, i);
        if (digits.empty()) {
            return Refused(NumberRefusal::NotANumber);
        }
        // Four digits already reach far beyond any limit below.
        const std::string_view power = WithoutLeading(digits).substr(0, 4);
        std::from_chars(power.data(), power.data() + power.size(), exponent);
        exponent = below ? -exponent : exponent;
    }
    if (i != s.size()) {
        return Refused(NumberRefusal::NotANumber);
    }

    // The significant digits, and the powers of ten of the first and last.
    const std::string all = std::string(whole) + std::string(fraction);
    const std::string_view significant = WithoutTrailing(WithoutLeading(all));
    if (significant.empty()) {
        return {.value = negative ? -0.0 : 0.0, .refusal = std::nullopt};
    }
    const auto leadingZeros = static_cast<int>(all.find_first_not_of('0'));
    const int lead = static_cast<int>(whole.size()) - 1 - leadingZeros + exponent;
    const int last = lead - static_cast<int>(significant.size()) + 1;
    if (lead >= static_cast<int>(kMaxDigits)) {
        return Refused(NumberRefusal::OutOfRange);
    }
    if (last < -static_cast<int>(kMaxDigits)) {
        return Refused(NumberRefusal::TooManyDecimals);
    }
    if (significant.size() > kMaxDigits) {
        return Refused(NumberRefusal::TooManyDigits);
    }
    // At most 15 digits and a small exponent, read by the correctly rounding
    // library reader.
    std::string number = negative ? "-" : "";
    number += significant;
    number += 'e';
    number += std::to_string(last);
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return {.value = value, .refusal = std::nullopt};
}

UserNumber ReadUserWeight(std::string_view text) {
    const UserNumber number = ReadUserNumber(text);
    if (number.refusal || number.value != std::floor(number.value) || number.value < 1 ||
        number.value > kMaxWeight) {
        return Refused(NumberRefusal::NotAWeight);
    }
    return number;
}

}  // namespace sredna
