// Val over arbitrary bytes. It returns a finite number or throws an overflow,
// and it reads exactly the leading number that the C library's strtod reads
// from the same text: the fuzzer never calls setlocale, so strtod reads "."
// here, while the core itself must not rely on that.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"
#include "fuzz/fuzz_check.h"

namespace {

using sredna::fuzz::Quoted;
using sredna::fuzz::Shown;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the leading number, written apart from the core's scanner:
// blanks (space, tab), a sign, digits with an optional "." and fraction (at
// least one digit in all), then an exponent only if it has a digit. 0 when
// the text does not start with a number.
std::size_t LeadingNumberLength(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Val clamps exponents at a million, which is exact only for texts far
    // shorter than that; the runs use -max_len=4096 anyway.
    if (size > 4096) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The independent reading: strtod on the leading number alone.
    const std::string number(text.substr(0, LeadingNumberLength(text)));
    double expected = 0.0;
    if (!number.empty()) {
        char* end = nullptr;
        errno = 0;
        expected = std::strtod(number.c_str(), &end);
        // Guards the harness: the scanner above must agree with strtod.
        FUZZ_CHECK(end == number.c_str() + number.size(),
                   "strtod stops early in " + Quoted(number));
    }
    const bool expectOverflow = std::isinf(expected);

    double value = 0.0;
    try {
        value = sredna::Val(text);
    } catch (const sredna::ArithmeticFault& fault) {
        FUZZ_CHECK(fault.kind() == sredna::ArithmeticFault::Kind::Overflow,
                   "Val threw " + std::string(fault.what()) + " for " + Quoted(text));
        FUZZ_CHECK(expectOverflow, "Val overflowed on " + Quoted(text) + ", strtod reads " +
                                       Shown(expected) + " from " + Quoted(number));
        return 0;
    }
    FUZZ_CHECK(std::isfinite(value), "Val returned " + Shown(value) + " for " + Quoted(text));
    FUZZ_CHECK(!expectOverflow, "Val returned " + Shown(value) + " for " + Quoted(text) +
                                    ", strtod overflows on " + Quoted(number));
    FUZZ_CHECK(value == expected && std::signbit(value) == std::signbit(expected),
               "Val returned " + Shown(value) + " for " + Quoted(text) + ", strtod reads " +
                   Shown(expected) + " from " + Quoted(number));
    return 0;
}
