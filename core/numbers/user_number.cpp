#include "core/numbers/user_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "core/numbers/entry_limits.h"

namespace sredna {

namespace {

constexpr long long kMaxDigits = 15;
constexpr std::size_t kGroupDigits = 3;
constexpr std::string_view kBlanks = " \t";
// The gaps spreadsheets group thousands with, in UTF-8: U+00A0, U+202F.
constexpr std::array<std::string_view, 2> kGroupGaps = {"\xC2\xA0", "\xE2\x80\xAF"};

// The parts of a number text, before its value is judged.
struct NumberText {
    bool negative = false;
    std::string whole;  // the digits before the separator, without gaps
    bool grouped = false;
    char separator = 0;  // none
    std::string_view fraction;
    bool hasExponent = false;
    long long exponent = 0;
};

std::string_view Digits(std::string_view s, std::size_t& i) {
    const std::size_t from = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
    }
    return s.substr(from, i - from);
}

std::size_t GroupGapAt(std::string_view s, std::size_t i) {
    if (i == s.size() || static_cast<unsigned char>(s[i]) < 0x80U) {
        return 0;  // the usual end of the digits, at no cost
    }
    for (const std::string_view gap : kGroupGaps) {
        if (s.substr(i).starts_with(gap)) {
            return gap.size();
        }
    }
    return 0;
}

// The digits of a whole part into `whole`; false when gaps part groups that
// are not 1 to 3 digits and then exactly 3 each.
bool WholeDigits(std::string_view s, std::size_t& i, NumberText& number) {
    std::string_view group = Digits(s, i);
    number.whole = group;
    for (std::size_t gap = GroupGapAt(s, i); gap != 0; gap = GroupGapAt(s, i)) {
        if (!number.grouped && (group.empty() || group.size() > kGroupDigits)) {
            return false;
        }
        number.grouped = true;
        i += gap;
        group = Digits(s, i);
        if (group.size() != kGroupDigits) {
            return false;
        }
        number.whole += group;
    }
    return true;
}

std::size_t Sign(std::string_view s, NumberText& number) {
    if (s.empty() || (s[0] != '+' && s[0] != '-')) {
        return 0;
    }
    number.negative = s[0] == '-';
    return 1;
}

// An exponent matters only up to the length of the text: past that, every
// significant digit lies beyond the limits whatever it is. So its value is
// kept within `bound`, however many digits it has, and nothing overflows.
bool Exponent(std::string_view s, std::size_t& i, NumberText& number) {
    if (i == s.size() || (s[i] != 'e' && s[i] != 'E')) {
        return true;
    }
    ++i;
    const bool below = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const std::string_view digits = Digits(s, i);
    const auto bound = static_cast<long long>(s.size()) + kMaxDigits + 1;
    for (const char c : digits) {
        number.exponent = std::min(number.exponent * 10 + (c - '0'), bound);
    }
    number.exponent = below ? -number.exponent : number.exponent;
    number.hasExponent = true;
    return !digits.empty();
}

// The parts of a text trimmed of blanks, or nothing if it is no number.
std::optional<NumberText> Parse(std::string_view s) {
    NumberText number;
    std::size_t i = Sign(s, number);
    if (!WholeDigits(s, i, number)) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        number.separator = s[i++];
        number.fraction = Digits(s, i);
    }
    if (number.whole.empty() && number.fraction.empty()) {
        return std::nullopt;
    }
    if (!Exponent(s, i, number) || i != s.size()) {
        return std::nullopt;
    }
    return number;
}

bool MayBeThousands(const NumberText& number, char decimalSeparator) {
    return number.separator != 0 && number.separator != decimalSeparator && !number.whole.empty() &&
           number.whole.size() <= kGroupDigits && number.whole[0] != '0' &&
           number.fraction.size() == kGroupDigits && !number.hasExponent;
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

UserNumber Value(const NumberText& number) {
    // The significant digits, and the powers of ten of the first and last.
    std::string all = number.whole;
    all += number.fraction;
    const std::string_view significant = WithoutTrailing(WithoutLeading(all));
    if (significant.empty()) {
        return {.value = number.negative ? -0.0 : 0.0, .refusal = std::nullopt};
    }
    const auto leadingZeros = static_cast<long long>(all.find_first_not_of('0'));
    const long long lead =
        static_cast<long long>(number.whole.size()) - 1 - leadingZeros + number.exponent;
    const long long last = lead - static_cast<long long>(significant.size()) + 1;
    if (lead >= kMaxDigits) {
        return Refused(NumberRefusal::OutOfRange);
    }
    if (last < -kMaxDigits) {
        return Refused(NumberRefusal::TooManyDecimals);
    }
    if (static_cast<long long>(significant.size()) > kMaxDigits) {
        return Refused(NumberRefusal::TooManyDigits);
    }
    // At most 15 digits and a small exponent, read by the correctly rounding
    // library reader.
    std::string text = number.negative ? "-" : "";
    text += significant;
    text += 'e';
    text += std::to_string(last);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return {.value = value, .refusal = std::nullopt};
}

}  // namespace

UserNumber ReadUserNumber(std::string_view text, char decimalSeparator) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return Refused(NumberRefusal::NotANumber);
    }
    const std::optional<NumberText> number =
        Parse(text.substr(first, text.find_last_not_of(kBlanks) + 1 - first));
    if (!number) {
        return Refused(NumberRefusal::NotANumber);
    }
    if (MayBeThousands(*number, decimalSeparator)) {
        return Refused(NumberRefusal::MayBeThousands);
    }
    return Value(*number);
}

UserNumber ReadUserWeight(std::string_view text, char decimalSeparator) {
    const UserNumber number = ReadUserNumber(text, decimalSeparator);
    if (number.refusal == NumberRefusal::MayBeThousands) {
        return number;  // a weight of 1 or of 1000: asking is better than either
    }
    if (number.refusal || number.value != std::floor(number.value) || number.value < 1 ||
        number.value > kMaxWeight) {
        return Refused(NumberRefusal::NotAWeight);
    }
    return number;
}

bool MayBeGroups(std::string_view before, std::string_view after) {
    NumberText number;
    std::size_t i = Sign(before, number);
    if (!WholeDigits(before, i, number) || i != before.size() || number.whole.empty() ||
        (!number.grouped && number.whole.size() > kGroupDigits)) {
        return false;
    }
    std::size_t j = 0;
    return Digits(after, j).size() == kGroupDigits;
}

}  // namespace sredna
