#pragma once

#include <optional>
#include <string_view>

namespace sredna {

// Why a text the user typed or pasted is not taken.
enum class NumberRefusal {
    NotANumber,
    TooManyDigits,    // more than 15 significant digits
    TooManyDecimals,  // more than 15 digits after the separator
    OutOfRange,       // 10^15 or more in magnitude
    NotAWeight        // a weight that is not a whole number from 1 to 32767
};

struct UserNumber {
    double value = 0;
    std::optional<NumberRefusal> refusal;
};

// Reads a number the user entered: blanks around it, an optional sign,
// digits with at most one decimal separator ("." or ",", whatever the
// regional settings), at least one digit, and an optional exponent, as the
// program itself writes tiny values ("1,5E-05"); no grouping. Limited to
// what a double holds exactly and writes back the same (15 significant
// digits, below 10^15, at most 15 decimals), so a value read back from its
// text is the same number. Zeros that change nothing ("007", "2,50") are not
// counted.
UserNumber ReadUserNumber(std::string_view text);

// A weight counts how often its value occurs: a whole number from 1 to
// 32767, the 16-bit count the weighted mean keeps. "3,0" is taken as 3.
UserNumber ReadUserWeight(std::string_view text);

}  // namespace sredna
