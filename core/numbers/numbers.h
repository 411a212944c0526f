#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number reading and writing for the reports. Nothing here consults the
// process locale: QApplication calls setlocale(LC_ALL, ""), and the reports
// must read "." and write the separator the caller asks for, whatever the
// user's regional settings say.
namespace sredna {

// Reads the leading number of a text: blanks, sign, digits, "." and
// fraction, exponent. Stops at the first character that does not fit; a text
// without a leading number gives 0. Throws ArithmeticFault beyond a double.
double Val(std::string_view text);

// Reads a list item as every calculation does: Val, except that "," serves
// as the decimal separator as well as ".", so an item written with the
// user's separator ("2,5", "1,5E-15") reads as the value it shows. For texts
// without a separator it gives exactly what Val gives.
double ItemValue(std::string_view text);

// 15 significant digits, no trailing zeros, no grouping; exponent form
// ("1.4210854715202E-14") exactly where %.15G would use it.
std::string GeneralNumberText(double value, char decimalSeparator);

// The same with at most `digits` significant digits (1 to 15): sums whose
// last digits are rounding noise.
std::string RoundedNumberText(double value, int digits, char decimalSeparator);

// The same for a single-precision value, with 7 significant digits.
std::string SingleNumberText(float value, char decimalSeparator);

// The largest whole number not greater than the argument.
double Int(double value);
float Int(float value);

// Nearest whole number, halves to even; outside -32768..32767 an overflow.
std::int16_t ToInt16(double value);

// Throws ArithmeticFault unless the value is finite, so that an overflow
// ends the calculation instead of writing "inf" into a report.
double Checked(double value);

}  // namespace sredna
