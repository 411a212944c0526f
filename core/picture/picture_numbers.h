#pragma once

#include <string>

namespace sredna {

// A computed number as the picture writes it: at most five significant
// digits, so that a pupil reads it at a glance, in plain decimals from 1E-05
// up to 1E+15, and whether it is the value itself or a rounding of it.
struct ShortNumber {
    std::string text;
    bool exact = true;
};

ShortNumber ShortNumberText(double value, char separator);

// "= 2,5" or "≈ 2,3885", for a label that joins a name to its number.
std::string RelationText(double value, char separator);

// "2,5" or "≈ 2,3885", for a number that stands after a word.
std::string ApproximateText(double value, char separator);

// The value rounded to this many significant digits (1 to 17); a value
// beyond a double as it is.
double RoundedToDigits(double value, int digits);

}  // namespace sredna
