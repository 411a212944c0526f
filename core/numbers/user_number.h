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
    NotAWeight,       // a weight that is not a whole number from 1 to 32767
    // Written with the other decimal separator in a way that may as well be
    // a thousand: "1,000" where "." is the separator, "1.000" where "," is.
    MayBeThousands
};

struct UserNumber {
    double value = 0;
    std::optional<NumberRefusal> refusal;
};

// Reads a number the user entered: blanks around it, an optional sign,
// digits with at most one decimal separator ("." or ","), at least one digit,
// and an optional exponent, as the program itself writes tiny values
// ("1,5E-05"). The whole part may be grouped in thousands by a no-break space
// (U+00A0) or a narrow no-break space (U+202F), as spreadsheets copy it: 1 to
// 3 digits, then groups of exactly 3. Limited to what a double holds exactly
// and writes back the same (15 significant digits, below 10^15, at most 15
// decimals), so a value read back from its text is the same number. Zeros
// that change nothing ("007", "2,50") are not counted.
//
// decimalSeparator is that of the regional settings. Either separator is
// taken, except that 1 to 3 digits (not starting with 0), the other
// separator and exactly 3 digits, with nothing after them, are refused: the
// other separator may group thousands there.
UserNumber ReadUserNumber(std::string_view text, char decimalSeparator);

// A weight counts how often its value occurs: a whole number from 1 to
// 32767, the 16-bit count the weighted mean keeps. "3,0" is taken as 3.
UserNumber ReadUserWeight(std::string_view text, char decimalSeparator);

// Whether two texts that a plain space parts could also be the groups of one
// number, as in "1 000" or "-12 345,5": the first a sign and the digits of
// whole groups (1 to 3, or grouped already), the second starting with
// exactly 3 digits.
bool MayBeGroups(std::string_view before, std::string_view after);

}  // namespace sredna
