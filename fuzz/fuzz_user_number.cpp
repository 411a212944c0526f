// The reader of the pupil's numbers over arbitrary bytes, against the C
// library: every text it takes must give exactly what strtod reads from the
// same text with the blanks around it, the sign "+" and the no-break spaces
// between groups taken out and "," made ".". The fuzzer never calls
// setlocale, so strtod reads "." here. Texts the reader refuses are not
// compared: strtod also takes hexadecimal, "inf" and "nan".
//
// Input: the first byte is "," for that decimal separator of the settings
// (anything else gives "."), then the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/numbers/numbers.h"
#include "core/numbers/user_number.h"
#include "fuzz/fuzz_check.h"

namespace {

using sredna::fuzz::Quoted;
using sredna::fuzz::Shown;

// The text as strtod should read it, written apart from the reader.
std::string ForStrtod(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\xC2\xA0")) {
            ++i;
        } else if (rest.starts_with("\xE2\x80\xAF")) {
            i += 2;
        } else if (text[i] == ',') {
            out += '.';
        } else if (text[i] != '+' || i != 0) {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 4096) {
        return 0;
    }
    const char separator = data[0] == ',' ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const sredna::UserNumber read = sredna::ReadUserNumber(text, separator);
    if (read.refusal) {
        return 0;
    }
    const std::string number = ForStrtod(text);
    char* end = nullptr;
    const double expected = std::strtod(number.c_str(), &end);
    FUZZ_CHECK(end == number.c_str() + number.size(),
               "the reader took " + Quoted(text) + ", strtod stops early in " + Quoted(number));
    FUZZ_CHECK(read.value == expected && std::signbit(read.value) == std::signbit(expected),
               "the reader read " + Shown(read.value) + " from " + Quoted(text) +
                   ", strtod reads " + Shown(expected) + " from " + Quoted(number));
    // What is taken is what the program can write back: below 10^15, and
    // read again from its own text as the same number.
    FUZZ_CHECK(std::fabs(read.value) < 1e15, Quoted(text) + " read as " + Shown(read.value));
    for (const char shownWith : {'.', ','}) {
        const std::string shown = sredna::GeneralNumberText(read.value, shownWith);
        FUZZ_CHECK(sredna::ItemValue(shown) == read.value, Quoted(text) + " is written " +
                                                               Quoted(shown) + ", which reads as " +
                                                               Shown(sredna::ItemValue(shown)));
    }
    return 0;
}
