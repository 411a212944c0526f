// The number texts of the reports over every bit pattern of a double (and of
// a single): a text exactly when the value is finite, in the shape %G gives
// with the chosen separator, reading back as the value rounded to its
// significant digits. The fuzzer never calls setlocale, so snprintf writes
// "." here and serves as the reference.
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>

#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"
#include "fuzz/fuzz_check.h"

namespace {

using sredna::ArithmeticFault;
using sredna::fuzz::Quoted;
using sredna::fuzz::Shown;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value rounded to `digits` significant digits, or nothing when that
// rounding leaves the range of a double (the largest doubles round up).
template <typename Real>
std::optional<double> Rounded(Real value, int digits) {
    std::array<char, 64> buffer{};
    auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::scientific, digits - 1);
    double rounded = 0;
    auto read = std::from_chars(buffer.data(), written.ptr, rounded);
    if (read.ec == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    return rounded;
}

template <typename Real>
void Check(Real value, int digits, char separator,
           std::string (*write)(Real value, char separator)) {
    const std::string subject = Shown(value) + " with " + std::to_string(digits) +
                                " digits and separator '" + separator + "'";
    std::string text;
    try {
        text = write(value, separator);
    } catch (const ArithmeticFault& fault) {
        const auto expected =
            std::isnan(value) ? ArithmeticFault::Kind::NotANumber : ArithmeticFault::Kind::Overflow;
        FUZZ_CHECK(!std::isfinite(value) && fault.kind() == expected,
                   std::string(fault.what()) + " for " + subject);
        return;
    }
    FUZZ_CHECK(std::isfinite(value), "wrote " + Quoted(text) + " for " + subject);

    // Shape: [-]digits[<separator>digits][E(+|-)dd[d]], at most `digits`
    // significant digits, no trailing zeros after the separator.
    const char other = separator == '.' ? ',' : '.';
    const std::size_t exponentAt = text.find('E');
    const std::string mantissa = text.substr(0, exponentAt);
    const std::size_t separatorAt = mantissa.find(separator);
    int significant = 0;
    bool leading = true;
    for (std::size_t i = mantissa.starts_with('-') ? 1 : 0; i < mantissa.size(); ++i) {
        if (i == separatorAt) {
            continue;
        }
        FUZZ_CHECK(IsDigit(mantissa[i]), "stray character in " + Quoted(text) + " for " + subject);
        leading = leading && mantissa[i] == '0';
        significant += leading ? 0 : 1;
    }
    FUZZ_CHECK(text.find(other) == std::string::npos, Quoted(text) + " for " + subject);
    FUZZ_CHECK(significant <= digits, Quoted(text) + " for " + subject);
    FUZZ_CHECK(separatorAt == std::string::npos ||
                   (separatorAt > 0 && IsDigit(mantissa[separatorAt - 1]) &&
                    separatorAt + 1 < mantissa.size() && mantissa.back() != '0'),
               Quoted(text) + " for " + subject);
    FUZZ_CHECK(mantissa.starts_with('-') == (value < 0), Quoted(text) + " for " + subject);

    // The same text as %G, except that negative zero is written "0".
    std::array<char, 64> reference{};
    std::snprintf(reference.data(), reference.size(), "%.*G", digits, static_cast<double>(value));
    std::string expected = value == 0 ? "0" : reference.data();
    for (char& c : expected) {
        c = c == '.' ? separator : c;
    }
    FUZZ_CHECK(text == expected,
               Quoted(text) + " instead of " + Quoted(expected) + " for " + subject);

    // Round trip through Val, which reads only ".".
    std::string readable = text;
    for (char& c : readable) {
        c = c == ',' ? '.' : c;
    }
    const std::optional<double> rounded = Rounded(value, digits);
    try {
        const double back = sredna::Val(readable);
        FUZZ_CHECK(rounded && back == *rounded,
                   Quoted(text) + " reads back as " + Shown(back) + " for " + subject);
    } catch (const ArithmeticFault& fault) {
        FUZZ_CHECK(!rounded,
                   Quoted(text) + " does not read back (" + fault.what() + ") for " + subject);
    }
}

}  // namespace

// Bytes 0-7: a double; bytes 4-7 also a single; byte 8: odd for ",".
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) {
        return 0;
    }
    double number = 0;
    std::memcpy(&number, data, sizeof number);
    float single = 0;
    std::memcpy(&single, data + 4, sizeof single);
    const char separator = (data[8] & 1) != 0 ? ',' : '.';
    Check(number, 15, separator, sredna::GeneralNumberText);
    Check(single, 7, separator, sredna::SingleNumberText);
    return 0;
}
