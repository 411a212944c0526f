#include "core/numbers/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

#include "core/numbers/arithmetic_fault.h"

namespace sredna {
namespace {

struct ValCase {
    const char* name;
    const char* text;
    double expected;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    EXPECT_EQ(Val(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(
        ValCase{"whole", "123", 123}, ValCase{"leading_blanks", "   42", 42},
        ValCase{"tab_blank", "\t7", 7}, ValCase{"negative", "-5", -5},
        ValCase{"plus_sign", "+8", 8}, ValCase{"fraction", "2.5", 2.5},
        ValCase{"fraction_only", ".25", 0.25}, ValCase{"trailing_point", "3.", 3},
        ValCase{"comma_stops", "2,5", 2}, ValCase{"exponent", "1.5E3", 1500},
        ValCase{"small_exponent", "25e-2", 0.25}, ValCase{"signed_exponent", "1E+2", 100},
        ValCase{"bare_exponent_stops", "7E", 7}, ValCase{"exponent_sign_only_stops", "7e-x", 7},
        ValCase{"letters_stop", "12abc", 12}, ValCase{"no_number", "abc", 0},
        ValCase{"empty", "", 0}, ValCase{"sign_only", "-", 0}, ValCase{"point_only", ".", 0},
        ValCase{"inner_blank_stops", "1 2", 1}, ValCase{"padded_median_text", "  9", 9},
        ValCase{"underflow_reads_zero", "1e-400", 0},
        ValCase{"long_exponent", "0e99999999999999999999", 0}, ValCase{"point_one", "0.1", 0.1}),
    [](const testing::TestParamInfo<ValCase>& row) { return row.param.name; });

TEST(ValTest, TooLargeForADoubleIsAnArithmeticFault) {
    EXPECT_THROW(Val("1e400"), ArithmeticFault);
    EXPECT_THROW(Val("-1e99999999999"), ArithmeticFault);
    EXPECT_THROW(Val(std::string(400, '9')), ArithmeticFault);
}

TEST(ValTest, NegativeZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(Val("-0")));
}

struct TextCase {
    const char* name;
    double value;
    const char* expected;  // with "." as the separator
};

class GeneralNumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(GeneralNumberTextTest, WritesBothSeparators) {
    std::string point = GetParam().expected;
    std::string comma = point;
    std::replace(comma.begin(), comma.end(), '.', ',');
    EXPECT_EQ(GeneralNumberText(GetParam().value, '.'), point);
    EXPECT_EQ(GeneralNumberText(GetParam().value, ','), comma);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralNumberTextTest,
    testing::Values(
        TextCase{"zero", 0.0, "0"}, TextCase{"negative_zero", -0.0, "0"},
        TextCase{"whole", 615, "615"}, TextCase{"half", 0.5, "0.5"},
        TextCase{"negative", -2.25, "-2.25"}, TextCase{"negative_small", -0.75, "-0.75"},
        TextCase{"two_thirds_rounds_at_15", 8.0 / 3.0, "2.66666666666667"},
        TextCase{"five_thirds", 5.0 / 3.0, "1.66666666666667"},
        TextCase{"point_one_plus_point_two", 0.1 + 0.2, "0.3"},
        TextCase{"nearest_below_123", std::nextafter(123.0, 0.0), "123"},
        TextCase{"sqrt_12_5", std::sqrt(12.5), "3.53553390593274"},
        TextCase{"log_100", std::log(100.0), "4.60517018598809"},
        TextCase{"largest_fixed", 999999999999999.0, "999999999999999"},
        TextCase{"rounds_up_to_exponent", 999999999999999.9, "1E+15"},
        TextCase{"one_e_15", 1e15, "1E+15"},
        TextCase{"big", 123456789012345678.0, "1.23456789012346E+17"},
        TextCase{"one_e_minus_4_fixed", 0.0001, "0.0001"}, TextCase{"one_e_minus_5", 1e-5, "1E-05"},
        TextCase{"tiny_deviation", 123.0 - std::nextafter(123.0, 0.0), "1.4210854715202E-14"},
        TextCase{"three_digit_exponent", 1.5e-300, "1.5E-300"},
        TextCase{"negative_exponent_form", -2.5e20, "-2.5E+20"},
        TextCase{"max_double", std::numeric_limits<double>::max(), "1.79769313486232E+308"}),
    [](const testing::TestParamInfo<TextCase>& row) { return row.param.name; });

TEST(GeneralNumberTextTest, NotANumberAndInfinityAreFaults) {
    EXPECT_THROW(GeneralNumberText(std::numeric_limits<double>::quiet_NaN(), '.'), ArithmeticFault);
    EXPECT_THROW(GeneralNumberText(std::numeric_limits<double>::infinity(), '.'), ArithmeticFault);
    EXPECT_THROW(GeneralNumberText(-std::numeric_limits<double>::infinity(), ','), ArithmeticFault);
}

// Reading back what was written gives the value rounded to 15 digits.
TEST(GeneralNumberTextTest, RoundTripsThroughValAt15Digits) {
    std::mt19937_64 engine(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    while (checked < 20000) {
        auto value = std::bit_cast<double>(bits(engine));
        if (!std::isfinite(value)) {
            continue;
        }
        ++checked;
        char buffer[64];
        auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14)
                .ptr;
        double rounded = 0;
        std::from_chars(buffer, end, rounded);
        std::string text = GeneralNumberText(value, '.');
        ASSERT_EQ(Val(text), rounded == 0 ? 0.0 : rounded) << text;
    }
}

TEST(SingleNumberTextTest, SevenSignificantDigits) {
    EXPECT_EQ(SingleNumberText(37.0F, '.'), "37");
    EXPECT_EQ(SingleNumberText(1000.0F, ','), "1000");
    EXPECT_EQ(SingleNumberText(1.0F / 3.0F, '.'), "0.3333333");
    EXPECT_EQ(SingleNumberText(1.0F / 3.0F, ','), "0,3333333");
    EXPECT_EQ(SingleNumberText(12345678.0F, '.'), "1.234568E+07");
    EXPECT_EQ(SingleNumberText(-0.0F, '.'), "0");
}

TEST(IntTest, LargestWholeNumberNotAbove) {
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.2), -3.0);
    EXPECT_EQ(Int(5.0), 5.0);
    EXPECT_EQ(Int(9.999999F), 9.0F);
}

struct Int16Case {
    const char* name;
    double value;
    int expected;
};

class ToInt16Test : public testing::TestWithParam<Int16Case> {};

TEST_P(ToInt16Test, NearestWithHalvesToEven) {
    EXPECT_EQ(ToInt16(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToInt16Test,
    testing::Values(Int16Case{"half_down_to_even", 0.5, 0}, Int16Case{"one_and_half_up", 1.5, 2},
                    Int16Case{"two_and_half_down", 2.5, 2}, Int16Case{"negative_half", -0.5, 0},
                    Int16Case{"negative_one_and_half", -1.5, -2},
                    Int16Case{"negative_two_and_half", -2.5, -2},
                    Int16Case{"just_above_half", 2.5000001, 3},
                    Int16Case{"just_below_half", 2.4999999, 2}, Int16Case{"top", 32767.0, 32767},
                    Int16Case{"bottom", -32768.0, -32768},
                    Int16Case{"top_half_rounds_down", 32766.5, 32766},
                    Int16Case{"bottom_half_rounds_up", -32768.4, -32768}),
    [](const testing::TestParamInfo<Int16Case>& row) { return row.param.name; });

TEST(ToInt16Test, OutsideTheRangeIsAnOverflow) {
    EXPECT_THROW(ToInt16(32767.5), ArithmeticFault);  // rounds to 32768
    EXPECT_THROW(ToInt16(-32768.6), ArithmeticFault);
    EXPECT_THROW(ToInt16(1e300), ArithmeticFault);
    EXPECT_THROW(ToInt16(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault);
    EXPECT_THROW(ToInt16(std::numeric_limits<double>::infinity()), ArithmeticFault);
}

}  // namespace
}  // namespace sredna
