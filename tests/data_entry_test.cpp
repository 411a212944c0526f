// The pupil's own numbers: what the reader takes, the list edits' all or
// nothing, and whole reports for typed values.
#include "core/model/data_entry.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "core/model/form.h"
#include "core/model/window_texts.h"
#include "core/numbers/number_fields.h"
#include "core/numbers/numbers.h"
#include "core/numbers/user_number.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

using test::Fill;
using test::Lines;
using test::WithSeparator;

struct ReadCase {
    std::string text;
    std::optional<double> value;  // nothing: refused for `refusal`
    NumberRefusal refusal;
    const char* shown;  // the committed text, with "."
};

constexpr auto kNaN = NumberRefusal::NotANumber;

class UserNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(UserNumberTest, TakesOrRefusesAndReadsBackTheSame) {
    const ReadCase& c = GetParam();
    const UserNumber read = ReadUserNumber(c.text, '.');
    if (!c.value) {
        EXPECT_EQ(read.refusal, c.refusal);
        return;
    }
    ASSERT_FALSE(read.refusal);
    EXPECT_EQ(read.value, *c.value);
    for (char separator : {'.', ','}) {
        const std::string shown = GeneralNumberText(read.value, separator);
        EXPECT_EQ(shown, WithSeparator(c.shown, separator));
        EXPECT_EQ(ItemValue(shown), read.value) << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UserNumberTest,
    testing::Values(
        ReadCase{"2.50", 2.5, {}, "2.5"}, ReadCase{"2,5", 2.5, {}, "2.5"},
        ReadCase{" \t-3 ", -3, {}, "-3"}, ReadCase{"+4", 4, {}, "4"}, ReadCase{"-0", 0, {}, "0"},
        ReadCase{",5", 0.5, {}, "0.5"}, ReadCase{"5.", 5, {}, "5"}, ReadCase{"007", 7, {}, "7"},
        ReadCase{"-999999999999999", -999999999999999, {}, "-999999999999999"},
        ReadCase{"123456789,123456", 123456789.123456, {}, "123456789.123456"},
        ReadCase{"0.000000000000001", 1e-15, {}, "1E-15"}, ReadCase{"0.1", 0.1, {}, "0.1"},
        ReadCase{"2.500000000000000000", 2.5, {}, "2.5"},
        ReadCase{"1000000000000000", {}, NumberRefusal::OutOfRange, ""},
        ReadCase{"-0001234567890123456", {}, NumberRefusal::OutOfRange, ""},
        ReadCase{"0.0000000000000001", {}, NumberRefusal::TooManyDecimals, ""},
        ReadCase{"1234567890.1234567", {}, NumberRefusal::TooManyDigits, ""},
        ReadCase{"", {}, kNaN, ""}, ReadCase{" ", {}, kNaN, ""}, ReadCase{"abc", {}, kNaN, ""},
        ReadCase{"1.2.3", {}, kNaN, ""}, ReadCase{"1,2.3", {}, kNaN, ""},
        ReadCase{"1 000", {}, kNaN, ""}, ReadCase{"1e", {}, kNaN, ""},
        ReadCase{"1,5E-05", 1.5e-05, {}, "1.5E-05"}, ReadCase{"25E-15", 2.5e-14, {}, "2.5E-14"},
        ReadCase{"1e15", {}, NumberRefusal::OutOfRange, ""},
        ReadCase{"1.5e-15", {}, NumberRefusal::TooManyDecimals, ""}, ReadCase{"--1", {}, kNaN, ""},
        ReadCase{"+", {}, kNaN, ""}, ReadCase{".", {}, kNaN, ""}, ReadCase{"1-", {}, kNaN, ""},
        ReadCase{"0x10", {}, kNaN, ""}, ReadCase{"٣", {}, kNaN, ""},
        // Thousands grouped by a no-break or a narrow no-break space.
        ReadCase{"12\u00A0345,5", 12345.5, {}, "12345.5"},
        ReadCase{"-1\u202F000\u00A0000", -1e6, {}, "-1000000"},
        ReadCase{"999\u00A0999\u00A0999\u00A0999\u00A0999", 999999999999999, {}, "999999999999999"},
        ReadCase{
            "1\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000", {}, NumberRefusal::OutOfRange, ""},
        ReadCase{"1234\u00A0567", {}, kNaN, ""}, ReadCase{"12\u00A034", {}, kNaN, ""},
        ReadCase{"12\u00A03456", {}, kNaN, ""}, ReadCase{"\u00A0123", {}, kNaN, ""},
        ReadCase{"1\u00A0", {}, kNaN, ""}, ReadCase{"0,123\u00A0456", {}, kNaN, ""},
        // The exponent is judged by its value, however long.
        ReadCase{"0." + std::string(10000, '0') + "1e10000", 0.1, {}, "0.1"},
        ReadCase{"1e000000000000000000000000000001", 10, {}, "10"},
        ReadCase{"1e99999999999999999999", {}, NumberRefusal::OutOfRange, ""},
        ReadCase{"1e-99999999999999999999", {}, NumberRefusal::TooManyDecimals, ""},
        ReadCase{"0e99999999999999999999", 0, {}, "0"}));

// Either separator is taken, except where the other one may group
// thousands: 1 to 3 digits not starting with 0, then exactly 3.
TEST(UserNumberTest, TheOtherSeparatorMayGroupThousands) {
    struct Case {
        const char* text;
        char refusedWith;  // 0: taken with either
    };
    for (const auto& [text, refusedWith] :
         {Case{"1,000", '.'}, Case{" -999.000 ", ','}, Case{"+1.234", ','}, Case{"1,0000", 0},
          Case{"0,125", 0}, Case{"1000.000", 0}, Case{"1,000e0", 0}, Case{"2.5", 0},
          Case{"7.25", 0}, Case{"0.125", 0}, Case{"3.1416", 0}, Case{"1\u00A0000,000", 0}}) {
        for (const char separator : {'.', ','}) {
            EXPECT_EQ(ReadUserNumber(text, separator).refusal,
                      separator == refusedWith ? std::optional(NumberRefusal::MayBeThousands)
                                               : std::nullopt)
                << text << " with " << separator;
        }
    }
    EXPECT_EQ(ReadUserWeight("1.000", ',').refusal, NumberRefusal::MayBeThousands);
    EXPECT_EQ(ReadUserWeight("1\u202F000", ',').value, 1000);
}

// Plain spaces separate numbers only where no two neighbours could be one
// grouped number; then the whole text is refused, quoting the field.
TEST(SplitNumbersTest, SpacesThatMayGroupThousandsAreRefused) {
    struct Case {
        const char* text;
        std::vector<std::string_view> numbers;  // empty: refused
        const char* ambiguous = "";
    };
    const std::vector<Case> cases = {
        {"5 6 4 3 6", {"5", "6", "4", "3", "6"}},
        {" 2,5  3,5 ", {"2,5", "3,5"}},
        {"12345 678;2,5 100", {"12345", "678", "2,5", "100"}},
        {"1 0001 -5", {"1", "0001", "-5"}},
        {"1 000", {}, "1 000"},
        {"100 200 300", {}, "100 200 300"},
        {"7;  1 000 2 000 \r\n9", {}, "1 000 2 000"},
        {"152 148 160", {}, "152 148 160"},
        {"-12 345,5", {}, "-12 345,5"},
        {"1\u00A0000 000", {}, "1\u00A0000 000"},
    };
    for (const Case& c : cases) {
        const NumberFields fields = SplitNumbers(c.text, 100);
        EXPECT_EQ(fields.ambiguous.value_or(""), c.ambiguous) << c.text;
        if (!fields.ambiguous) {
            EXPECT_EQ(fields.numbers, c.numbers) << c.text;
        }
    }
    // One past the limit, and no further.
    EXPECT_EQ(SplitNumbers("1\n2 3\n4 1 000", 2).numbers,
              (std::vector<std::string_view>{"1", "2", "3"}));
}

TEST(UserNumberTest, AWeightIsAWholeNumberFrom1To32767) {
    for (const char* taken : {"1", "3,0", " 32767 ", "+7"}) {
        EXPECT_FALSE(ReadUserWeight(taken, '.').refusal) << taken;
    }
    for (const char* refused : {"0", "-1", "1.5", "32768", "x", ""}) {
        EXPECT_EQ(ReadUserWeight(refused, '.').refusal, NumberRefusal::NotAWeight) << refused;
    }
}

const std::string kOld = "старо\r\n";

struct EditCase {
    const char* name;
    std::function<bool(DataEntry&)> edit;
    std::vector<std::string> values{};  // afterwards; empty: as at the start
    std::vector<std::string> weights{};
    std::string report{};  // afterwards; empty: kOld
    int selected = -1;

    friend void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
};

const std::vector<std::string> kValues = {"1", "2", "3"};
const std::vector<std::string> kWeights = {"4", "5", "6"};

std::string Refusal(const std::string& quoted, std::string_view reason) {
    return "„" + quoted + "“" + std::string(reason) + "\r\n";
}

const std::string kFifteenZh = "жжжжжжжжжжжжжжж";

std::vector<EditCase> EditCases() {
    // The example is written with the settings' separator, here ".".
    const std::string notANumber =
        " не е число: пишат се цифри и по желание знак, една десетична запетая или точка и "
        "степенен показател, както в „1.5E-05“.";
    const std::string notAWeight = std::string(texts::kNotAWeight);
    return {
        {"edit_value", [](DataEntry& e) { return e.EditValue(1, " 2,50 "); }, {"1", "2.5", "3"}},
        {"edit_value_refused",
         [](DataEntry& e) { return !e.EditValue(1, "2,5,0"); },
         {},
         {},
         Refusal("2,5,0", notANumber)},
        {"edit_value_blank_is_no_edit", [](DataEntry& e) { return e.EditValue(0, "  "); }},
        {"edit_weight", [](DataEntry& e) { return e.EditWeight(0, "3,0"); }, {}, {"3", "5", "6"}},
        {"edit_weight_refused",
         [](DataEntry& e) { return !e.EditWeight(2, "2.5"); },
         {},
         {},
         Refusal("2.5", notAWeight)},
        {"add_value",
         [](DataEntry& e) { return e.AddValue("-0"); },
         {"1", "2", "3", "0"},
         {"4", "5", "6", "1"},
         "",
         3},
        {"add_blank_adds_nothing", [](DataEntry& e) { return e.AddValue(""); }},
        {"add_refused",
         [](DataEntry& e) { return !e.AddValue("1e+"); },
         {},
         {},
         Refusal("1e+", notANumber)},
        {"delete_selects_the_next",
         [](DataEntry& e) { return e.Delete(1); },
         {"1", "3"},
         {"4", "6"},
         "",
         1},
        {"delete_last_selects_the_previous",
         [](DataEntry& e) { return e.Delete(2); },
         {"1", "2"},
         {"4", "5"},
         "",
         1},
        {"delete_outside_deletes_nothing", [](DataEntry& e) { return !e.Delete(3); }},
        {"paste_values_every_separator",
         [](DataEntry& e) { return e.PasteValues("7\t8;9 -1,5\r\n\r\n11\n"); },
         {"1", "2", "3", "7", "8", "9", "-1.5", "11"},
         {"4", "5", "6", "1", "1", "1", "1", "1"}},
        {"paste_values_one_refused",
         [](DataEntry& e) { return !e.PasteValues("7\n1234567890123456\n9"); },
         {},
         {},
         Refusal("1234567890123456", texts::kOutOfRange)},
        {"paste_nothing",
         [](DataEntry& e) { return !e.PasteValues(" \r\n\t;"); },
         {},
         {},
         std::string(texts::kNothingToPaste) + "\r\n"},
        {"paste_weights_from_a_position",
         [](DataEntry& e) { return e.PasteWeights(1, "7\r\n8"); },
         {},
         {"4", "7", "8"}},
        {"paste_weights_beyond_the_list",
         [](DataEntry& e) { return !e.PasteWeights(2, "7 8"); },
         {},
         {},
         "Теглата за поставяне са повече от редовете от позиция 3 надолу (1).\r\n"},
        {"paste_weights_one_refused",
         [](DataEntry& e) { return !e.PasteWeights(0, "7;0"); },
         {},
         {},
         Refusal("0", notAWeight)},
        {"paste_spaces_may_group_thousands",
         [](DataEntry& e) { return !e.PasteValues("7\n 1 000 2 000\n9"); },
         {},
         {},
         Refusal("1 000 2 000", texts::kSpacesMayGroup)},
        {"typed_spaces_may_group_thousands",
         [](DataEntry& e) { return !e.EditValue(0, "1 000"); },
         {},
         {},
         Refusal("1 000", texts::kSpacesMayGroup)},
        {"other_separator_may_group_thousands",
         [](DataEntry& e) { return !e.EditValue(0, "1,000"); },
         {},
         {},
         Refusal("1,000", std::string(texts::kMayBeThousands) + "." +
                              std::string(texts::kMayBeThousandsEnd))},
        // The weights' total, 15 at the start, may reach 32767 but not pass
        // it, and a value added counts with its weight 1.
        {"weights_total_reaches_the_limit",
         [](DataEntry& e) {
             return e.EditWeight(0, "32756") && e.PasteWeights(1, "1\n1") &&
                    e.PasteWeights(1, "5 6");
         },
         {},
         {"32756", "5", "6"}},
        {"weights_total_edit_refused",
         [](DataEntry& e) { return !e.EditWeight(0, "32757"); },
         {},
         {},
         "Сборът на всички тегла ще стане 32768, а може да е най-много 32767.\r\n"},
        {"weights_total_paste_refused",
         [](DataEntry& e) { return !e.PasteWeights(1, "16000 16764"); },
         {},
         {},
         "Сборът на всички тегла ще стане 32768, а може да е най-много 32767.\r\n"},
        {"weights_total_of_added_values_refused",
         [](DataEntry& e) {
             return e.EditWeight(0, "32752") && !e.PasteValues("1 2 3 4 5") &&
                    e.PasteValues("1 2 3 4") && !e.AddValue("5");
         },
         {"1", "2", "3", "1", "2", "3", "4"},
         {"32752", "5", "6", "1", "1", "1", "1"},
         "Сборът на всички тегла ще стане 32768, а може да е най-много 32767 (всяка нова "
         "стойност е с тегло 1).\r\n"},
        {"line_breaks_are_quoted_as_spaces",
         [](DataEntry& e) { return !e.EditValue(0, "1\u20282\u0085\r\n3\u2029"); },
         {},
         {},
         Refusal("1 2   3 ", notANumber)},
        {"long_text_is_quoted_shortened",
         [](DataEntry& e) { return !e.EditValue(0, std::string(30, 'x') + kFifteenZh); },
         {},
         {},
         Refusal(std::string(30, 'x') + "жжжжжжжжжж…", notANumber)},
    };
}

class EditTest : public testing::TestWithParam<EditCase> {};

// Everything is checked before anything changes: a refusal leaves both lists
// as they were and replaces the report with one line; success leaves the
// report alone.
TEST_P(EditTest, ChangesAllOrNothing) {
    const EditCase& c = GetParam();
    Form form("", '.');
    WindowModel& model = form.Model();
    Fill(model.Values(), kValues);
    Fill(model.Weights(), kWeights);
    model.Values().SetSelected(-1);
    model.Report().SetText(kOld);
    EXPECT_TRUE(c.edit(form.Entry()));
    EXPECT_EQ(model.Values().Items(), c.values.empty() ? kValues : c.values);
    EXPECT_EQ(model.Weights().Items(), c.weights.empty() ? kWeights : c.weights);
    EXPECT_EQ(model.Report().Text(), c.report.empty() ? kOld : c.report);
    EXPECT_EQ(model.Values().Selected(), c.selected);
    EXPECT_EQ(model.Weights().Selected(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(Edits, EditTest, testing::ValuesIn(EditCases()),
                         [](const testing::TestParamInfo<EditCase>& row) {
                             return row.param.name;
                         });

TEST(EditTest, APasteBeyond32767ValuesIsRefusedWhole) {
    Form form("", ',');
    WindowModel& model = form.Model();
    std::string clipboard;
    for (int i = 0; i < ListBox::kMaxItems - 4; ++i) {
        clipboard += "1,5\n";
    }
    // After the five "123": one too many.
    EXPECT_FALSE(form.Entry().PasteValues(clipboard));
    EXPECT_EQ(model.Report().Text(),
              "Списъкът побира най-много 32767 стойности: в него има 5, а поставяните са "
              "повече от 32762.\r\n");
    ASSERT_TRUE(form.Entry().Delete(0));
    ASSERT_TRUE(form.Entry().PasteWeights(0, "1;1;1;1"));  // the weights' total just fits
    ASSERT_TRUE(form.Entry().PasteValues(clipboard));
    EXPECT_EQ(model.Values().Count(), ListBox::kMaxItems);
    EXPECT_EQ(model.Values().Item(4), "1,5");
    EXPECT_FALSE(form.Entry().PasteValues("2"));
    EXPECT_EQ(model.Report().Text(), "Списъкът побира най-много 32767 стойности и е пълен.\r\n");
    EXPECT_FALSE(form.Entry().AddValue("2"));
    EXPECT_EQ(model.Report().Text(), "Списъкът побира най-много 32767 стойности и е пълен.\r\n");
    EXPECT_EQ(model.Weights().Count(), ListBox::kMaxItems);
    EXPECT_EQ(form.Entry().CopyText(kWeightsList).size(), 2U * ListBox::kMaxItems - 1);
}

TEST(EditTest, CopyTextIsOneItemALine) {
    Form form("", '.');
    EXPECT_EQ(form.Entry().CopyText(kValuesList), "123\n123\n123\n123\n123");
    Fill(form.Model().Values(), {});
    EXPECT_EQ(form.Entry().CopyText(kValuesList), "");
}

struct TypedCase {
    const char* name;
    MeanKind kind;
    const char* values;   // pasted, with "." for the separator
    const char* weights;  // pasted over the weights; empty: all 1
    std::vector<std::string> lines;

    friend void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }
};

const std::string kMin = "Минимално отклонение от изчислената средна стойност = ";
const std::string kMax = "Максималмо отклонение от изчислената средна стойност = ";
const std::string kAt = " при стойност ";
const std::vector<std::string> kMedianHead = {"Изчислявам медиана на въведените данни:",
                                              "Данните се подреждат във възходящ ред."};

std::vector<std::string> Median(std::vector<std::string> lines) {
    lines.insert(lines.begin(), kMedianHead.begin(), kMedianHead.end());
    return lines;
}

std::vector<TypedCase> TypedCases() {
    return {
        {"arithmetic",
         MeanKind::Arithmetic,
         "-1.50 2.5 +4",
         "",
         {"Изчислявам средна аритметична стойност: ", "към натрупаната сума 0 добавям -1.5",
          "към натрупаната сума -1.5 добавям 2.5", "към натрупаната сума 1 добавям 4",
          "Обща сума 5 брой елементи: 3", "средна аритметична = 5 / 3 = 1.66666666666667",
          kMin + "0.833333333333333" + kAt + "2.5", kMax + "3.16666666666667" + kAt + "-1.5"}},
        // Read back from "1,5E-05"; the two deviations differ in their last
        // bits only.
        {"arithmetic_tiny_values_in_exponent_form",
         MeanKind::Arithmetic,
         "0.000015 0.000025",
         "",
         {"Изчислявам средна аритметична стойност: ", "към натрупаната сума 0 добавям 1.5E-05",
          "към натрупаната сума 1.5E-05 добавям 2.5E-05", "Обща сума 4E-05 брой елементи: 2",
          "средна аритметична = 4E-05 / 2 = 2E-05", kMin + "5E-06" + kAt + "2.5E-05",
          kMax + "5E-06" + kAt + "1.5E-05"}},
        {"quadratic",
         MeanKind::Quadratic,
         "-3 0.5",
         "",
         {"Изчислявам средна квадратична стойност: ", "към натрупаната сума 0 добавям -3 * -3",
          "към натрупаната сума 9 добавям 0.5 * 0.5", "Обща сума 9.25 брой елементи: 2",
          "средна квадратична: sqrt(9.25 / 2) = 2.15058131676066",
          kMin + "1.65058131676066" + kAt + "0.5", kMax + "5.15058131676066" + kAt + "-3"}},
        {"harmonic_of_both_signs",
         MeanKind::Harmonic,
         "0.5 -0.25 2",
         "",
         {"Изчислявам средна хармонична стойност:", "към натрупаната сума 0 добавям 1 /0.5",
          "към натрупаната сума 2Между въведените стойности не трябва да има отрицателни числа!"}},
        {"harmonic_reciprocals_cancel",
         MeanKind::Harmonic,
         "0.5 -0.5",
         "",
         {"Изчислявам средна хармонична стойност:", "към натрупаната сума 0 добавям 1 /0.5",
          "към натрупаната сума 2Между въведените стойности не трябва да има отрицателни числа!"}},
        {"geometric",
         MeanKind::Geometric,
         "0.5 8",
         "",
         {"Изчислявам средна геометрична стойност: ",
          "към натрупаното произведение 0 добавям log (0.5)",
          "към натрупаното произведение -0.693147180559945 добавям log (8)",
          "средна геометрична = exp(1.38629436111989 / 2) = 2", kMin + "1.5" + kAt + "0.5",
          kMax + "6" + kAt + "8"}},
        {"geometric_of_a_negative",
         MeanKind::Geometric,
         "4 -0.5",
         "",
         {"Изчислявам средна геометрична стойност: ",
          "към натрупаното произведение 0 добавям log (4)",
          "към натрупаното произведение 1.38629436111989Между въведените стойности не трябва да "
          "има отрицателни числа!"}},
        {"weighted",
         MeanKind::Weighted,
         "2.5 -1",
         "2 3,0",
         {"Изчислявам средна пpетеглена стойност:",
          "към натрупаната сума 0 добавям стойност 2.5 * 2 - брой елементи ",
          "към натрупаната сума 5 добавям стойност -1 * 3 - брой елементи ",
          "Обща сума 2 брой елементи: 5", "средна пpетеглена: 0.4", kMin + "1.4" + kAt + "-1",
          kMax + "2.1" + kAt + "2.5"}},
        // As texts "-1" < "-5" < " 3"; as numbers -5 < -1 < 3.
        {"median_of_negatives_in_numeric_order", MeanKind::Median, "-1 -5 3 -5", "",
         Median({"Новата съвкупност съдържа 4 елемента.",
                 "При четен брой елементи медиана е полусума на елементи с номера 2 и 3",
                 "медиана = -3"})},
        {"median_odd_keeps_padding", MeanKind::Median, "100;-1.5;7", "",
         Median({"Новата съвкупност съдържа 3 елемента.",
                 "При нечетен брой елементи медиана е елемент номер 2 със стойност    7",
                 "медиана = 7"})},
        {"median_odd_of_decimals_with_a_repeat", MeanKind::Median, "10 -2 2.5 10.0 -0.5", "",
         Median({"Новата съвкупност съдържа 5 елемента.",
                 "При нечетен брой елементи медиана е елемент номер 3 със стойност  2.5",
                 "медиана = 2.5"})},
        {"median_even_of_decimals", MeanKind::Median, "10 -2 2.5 -0.5", "",
         Median({"Новата съвкупност съдържа 4 елемента.",
                 "При четен брой елементи медиана е полусума на елементи с номера 2 и 3",
                 "медиана = 1"})},
    };
}

class TypedReportTest : public testing::TestWithParam<std::tuple<TypedCase, char>> {};

// Typed through the entry, calculated, and exact to the byte.
TEST_P(TypedReportTest, IsExactToTheByte) {
    const auto& [c, separator] = GetParam();
    Form form("", separator);
    WindowModel& model = form.Model();
    Fill(model.Values(), {});
    Fill(model.Weights(), {});
    ASSERT_TRUE(form.Entry().PasteValues(WithSeparator(c.values, separator)));
    if (*c.weights != '\0') {
        ASSERT_TRUE(form.Entry().PasteWeights(0, c.weights));
    }
    model.Kinds().Select(static_cast<int>(c.kind));
    Calculate(model, separator);
    EXPECT_EQ(model.Report().Text(), WithSeparator(Lines(c.lines), separator));
}

INSTANTIATE_TEST_SUITE_P(Kinds, TypedReportTest,
                         testing::Combine(testing::ValuesIn(TypedCases()),
                                          testing::Values('.', ',')),
                         [](const testing::TestParamInfo<std::tuple<TypedCase, char>>& row) {
                             return std::string(std::get<0>(row.param).name) +
                                    (std::get<1>(row.param) == '.' ? "_point" : "_comma");
                         });

// The work list holds every value padded to one width, in numeric order.
TEST(TypedMedianTest, WorkListIsInNumericOrder) {
    test::CalculationRun run(MeanKind::Median, {"10", "-2", "2,5", "10", "-0,5"}, ',');
    EXPECT_EQ(run.model.MedianWork().Items(),
              (std::vector<std::string>{"  -2", "-0,5", " 2,5", "  10", "  10"}));
    EXPECT_EQ(run.model.Values().Items(),
              (std::vector<std::string>{"10", "-2", "2,5", "10", "-0,5"}));
}

}  // namespace
}  // namespace sredna
