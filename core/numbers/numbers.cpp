#include "core/numbers/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "core/numbers/arithmetic_fault.h"

namespace sredna {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The parts of a number text that Val accepted, ready for std::from_chars.
struct Scanned {
    std::string text;        // "-123.45e-6" style, without a leading "+"
    int decimalMagnitude{};  // power of ten of the leading significant digit
    bool hasSignificantDigit{};
    bool negative{};
};

std::size_t ScanDigits(std::string_view s, std::size_t i, std::string& out) {
    while (i < s.size() && IsDigit(s[i])) {
        out += s[i++];
    }
    return i;
}

// Reads an exponent ("E", optional sign, at least one digit) at i into the
// scanned text and returns its value, 0 when there is none. The value is
// clamped so that absurdly long exponents cannot overflow an int.
long ScanExponent(std::string_view s, std::size_t i, Scanned& scanned) {
    if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) {
        return 0;
    }
    std::size_t j = i + 1;
    bool negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
        negative = s[j] == '-';
        ++j;
    }
    if (j >= s.size() || !IsDigit(s[j])) {
        return 0;
    }
    long value = 0;
    while (j < s.size() && IsDigit(s[j])) {
        value = std::min(value * 10 + (s[j] - '0'), 1'000'000L);
        ++j;
    }
    const long exponent = negative ? -value : value;
    scanned.text += 'e';
    scanned.text += std::to_string(exponent);
    return exponent;
}

// separators: the decimal separators accepted, "." alone for Val.
Scanned Scan(std::string_view s, std::string_view separators) {
    Scanned scanned;
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) {
        ++i;
    }
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        scanned.negative = s[i] == '-';
        ++i;
    }
    std::string whole;
    std::string fraction;
    i = ScanDigits(s, i, whole);
    if (i < s.size() && separators.find(s[i]) != std::string_view::npos) {
        i = ScanDigits(s, i + 1, fraction);
    }
    if (whole.empty() && fraction.empty()) {
        return scanned;
    }
    std::size_t firstWhole = whole.find_first_not_of('0');
    std::size_t firstFraction = fraction.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        scanned.hasSignificantDigit = true;
        scanned.decimalMagnitude = static_cast<int>(whole.size() - firstWhole) - 1;
    } else if (firstFraction != std::string::npos) {
        scanned.hasSignificantDigit = true;
        scanned.decimalMagnitude = -static_cast<int>(firstFraction) - 1;
    }
    if (scanned.negative) {
        scanned.text += '-';
    }
    scanned.text += whole.empty() ? "0" : whole;
    if (!fraction.empty()) {
        scanned.text += '.' + fraction;
    }
    scanned.decimalMagnitude += static_cast<int>(ScanExponent(s, i, scanned));
    return scanned;
}

// Writes the digits of a number already rounded to `digits` significant
// digits by std::to_chars, in fixed or exponent form as %G would choose.
std::string Compose(std::string_view scientific, int digits, char separator) {
    bool negative = scientific.front() == '-';
    if (negative) {
        scientific.remove_prefix(1);
    }
    std::size_t e = scientific.find('e');
    std::string mantissa(1, scientific[0]);
    if (e > 1) {
        mantissa += scientific.substr(2, e - 2);
    }
    int exponent = std::atoi(std::string(scientific.substr(e + 1)).c_str());
    while (mantissa.size() > 1 && mantissa.back() == '0') {
        mantissa.pop_back();
    }
    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += separator;
            out += mantissa.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        std::string power = std::to_string(std::abs(exponent));
        if (power.size() < 2) {
            out += '0';
        }
        out += power;
    } else if (exponent >= 0) {
        auto whole = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= whole) {
            out += mantissa + std::string(whole - mantissa.size(), '0');
        } else {
            out += mantissa.substr(0, whole);
            out += separator;
            out += mantissa.substr(whole);
        }
    } else {
        out += '0';
        out += separator;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    return out;
}

template <typename Real>
std::string SignificantText(Real value, int digits, char separator) {
    if (std::isnan(value)) {
        throw ArithmeticFault(ArithmeticFault::Kind::NotANumber);
    }
    if (std::isinf(value)) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    if (value == 0) {
        return "0";  // negative zero included
    }
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::scientific, digits - 1);
    return Compose(std::string_view(buffer.data(), result.ptr), digits, separator);
}

// Most texts read are short plain decimals ("  2,5", "123"), many times over
// in the median's sorted insertions: they are read here without building a
// text for the library reader. A mantissa of at most 15 digits and a power of
// ten up to 10^15 are both exact doubles, so their quotient is the correctly
// rounded value, as std::from_chars gives it.
std::optional<double> ReadShortDecimal(std::string_view s, std::string_view separators) {
    constexpr int kMaxDigits = 15;
    static constexpr std::array<double, kMaxDigits + 1> kPowers = {
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::int64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool separator = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            if (++digits > kMaxDigits) {
                return std::nullopt;
            }
            mantissa = mantissa * 10 + (c - '0');
            decimals += separator ? 1 : 0;
        } else if (!separator && separators.find(c) != std::string_view::npos) {
            separator = true;
        } else {
            return std::nullopt;  // an exponent, or text after the number
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    const double value =
        static_cast<double>(mantissa) / kPowers[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

double ReadLeading(std::string_view text, std::string_view separators) {
    if (const std::optional<double> value = ReadShortDecimal(text, separators)) {
        return *value;
    }
    Scanned scanned = Scan(text, separators);
    if (scanned.text.empty()) {
        return 0.0;
    }
    double value = 0.0;
    const char* end = scanned.text.data() + scanned.text.size();
    auto result = std::from_chars(scanned.text.data(), end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is an overflow.
        if (!scanned.hasSignificantDigit || scanned.decimalMagnitude < 0) {
            return scanned.negative ? -0.0 : 0.0;
        }
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    return Checked(value);
}

}  // namespace

double Val(std::string_view text) {
    return ReadLeading(text, ".");
}

double ItemValue(std::string_view text) {
    return ReadLeading(text, ".,");
}

std::string GeneralNumberText(double value, char decimalSeparator) {
    return SignificantText(value, 15, decimalSeparator);
}

std::string RoundedNumberText(double value, int digits, char decimalSeparator) {
    return SignificantText(value, std::clamp(digits, 1, 15), decimalSeparator);
}

std::string SingleNumberText(float value, char decimalSeparator) {
    return SignificantText(value, 7, decimalSeparator);
}

double Int(double value) {
    return std::floor(value);
}

float Int(float value) {
    return std::floor(value);
}

std::int16_t ToInt16(double value) {
    if (std::isnan(value)) {
        throw ArithmeticFault(ArithmeticFault::Kind::NotANumber);
    }
    // Rounded by hand rather than with rint(), which would follow whatever
    // rounding mode the process happens to be in.
    double lower = std::floor(value);
    double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) {
        rounded = lower + 1.0;
    }
    if (rounded < -32768.0 || rounded > 32767.0) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    return static_cast<std::int16_t>(rounded);
}

double Checked(double value) {
    if (std::isnan(value)) {
        throw ArithmeticFault(ArithmeticFault::Kind::NotANumber);
    }
    if (std::isinf(value)) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    }
    return value;
}

}  // namespace sredna
