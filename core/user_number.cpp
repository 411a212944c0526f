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
    std::string_view whole = Digits(s, i);
    std::string_view fraction;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        ++i;
        fraction = Digits(s, i);
    }
    if (i != s.size() || (whole.empty() && fraction.empty())) {
        return Refused(NumberRefusal::NotANumber);
    }
    whole = WithoutLeading(whole);
    fraction = WithoutTrailing(fraction);
    if (whole.size() > kMaxDigits) {
        return Refused(NumberRefusal::OutOfRange);
    }
    if (fraction.size() > kMaxDigits) {
        return Refused(NumberRefusal::TooManyDecimals);
    }
    std::string digits(whole);
    digits += fraction;
    if (WithoutTrailing(WithoutLeading(digits)).size() > kMaxDigits) {
        return Refused(NumberRefusal::TooManyDigits);
    }
    // At most 31 digits, read by the correctly rounding library reader.
    std::string number = negative ? "-" : "";
    number += whole.empty() ? "0" : std::string(whole);
    if (!fraction.empty()) {
        number += '.';
        number += fraction;
    }
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
