#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// What the fuzzers share: a check that stays in optimised builds (assert
// would not), and a readable quotation of the bytes that broke it.
namespace sredna::fuzz {

// Control characters, quotes and backslashes escaped, everything else (the
// reports' UTF-8 included) as it is, in double quotes.
inline std::string Quoted(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7f || c == '"' || c == '\\') {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xf];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A double in full: shortest-enough decimal and the exact bits in hex.
inline std::string Shown(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", value, value);
    return text;
}

// Aborting makes libFuzzer save the input as a crash.
[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              const std::string& detail) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n  %s\n", file, line, condition, detail.c_str());
    std::abort();
}

}  // namespace sredna::fuzz

// The detail is built only when the check fails.
#define FUZZ_CHECK(condition, detail)                                       \
    do {                                                                    \
        if (!(condition)) {                                                 \
            ::sredna::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)); \
        }                                                                   \
    } while (false)
