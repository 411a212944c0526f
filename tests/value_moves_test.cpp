// Moving a value in the picture: the step, where a move takes a value and
// what it refuses, the order the keys walk, the value a dot drags, and the
// table and accessible name of the values; in both separators.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/picture/picture_model.h"
#include "core/picture/value_order.h"
#include "core/picture/value_step.h"
#include "core/picture/value_table.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

using test::Fill;
using test::WithSeparator;

std::vector<std::string> InSeparator(const std::vector<std::string>& texts, char separator) {
    std::vector<std::string> converted;
    converted.reserve(texts.size());
    for (const std::string& text : texts) {
        converted.push_back(WithSeparator(text, separator));
    }
    return converted;
}

TEST(ValueStepTest, DecimalPlacesCountFromTheTexts) {
    const std::pair<const char*, int> cases[] = {
        {"5", 0},      {"-12", 0},     {"3.25", 2},  {"3,25", 2},     {"2,50", 1},      {"12,0", 0},
        {"-0,125", 3}, {"1,5E-05", 6}, {"1E-05", 5}, {"1,25E+02", 0}, {"1,255E+02", 1}, {"", 0}};
    for (const auto& [text, places] : cases) {
        EXPECT_EQ(DecimalPlaces(text), places) << text;
    }
}

struct MoveCase {
    const char* name;
    std::vector<std::string> values;  // "." for the separator
    std::function<MovedValue(const ValueStep&, double, char)> move;
    const char* moved;  // "." for the separator; empty where refused
    std::optional<NumberRefusal> refusal;
};

// The step is fixed from the whole list; the first value moves.
TEST(ValueStepTest, MovesByTheStepAsIfTyped) {
    const auto by = [](std::int64_t steps) {
        return [steps](const ValueStep& s, double v, char sep) { return s.By(v, steps, sep); };
    };
    const auto tenth = [](double span, int direction) {
        return [=](const ValueStep& s, double v, char sep) {
            return s.ByTenth(v, span, direction, sep);
        };
    };
    const auto to = [](double place) {
        return [place](const ValueStep& s, double, char sep) { return s.To(place, sep); };
    };
    const MoveCase cases[] = {
        {"whole_up", {"4", "7"}, by(1), "5", {}},
        {"whole_ten_down", {"4", "7"}, by(-10), "-6", {}},
        {"one_decimal_elsewhere", {"4", "2.5"}, by(1), "4.1", {}},
        {"one_decimal_down", {"4", "2.5"}, by(-1), "3.9", {}},
        {"two_decimals", {"3.25", "1"}, by(1), "3.26", {}},
        {"two_decimals_ten", {"3.25", "1"}, by(-10), "3.15", {}},
        {"through_zero", {"3.25"}, by(-400), "-0.75", {}},
        {"onto_zero", {"-0.05", "1.25"}, by(5), "0", {}},
        {"negative_up", {"-0.05", "1.25"}, by(-1), "-0.06", {}},
        {"trailing_zeros_dropped", {"0.25", "0.5"}, by(5), "0.3", {}},
        {"past_four_places_snaps", {"0.00001"}, by(1), "0.0001", {}},
        {"tiny_written_as_typed", {"0.0003", "1"}, by(-2), "0.0001", {}},
        {"tenth_of_the_line", {"3", "1"}, tenth(20, 1), "5", {}},
        {"tenth_rounded_to_the_step", {"3.25", "1"}, tenth(1.234, -1), "3.13", {}},
        {"tenth_at_least_a_step", {"4"}, tenth(0.001, 1), "5", {}},
        {"dragged_snaps", {"3.25"}, to(3.14159), "3.14", {}},
        {"dragged_no_minus_zero", {"3.25"}, to(-0.004), "0", {}},
        {"dragged_far_beyond", {"3"}, to(1e300), "", NumberRefusal::OutOfRange},
        {"up_to_the_limit", {"999999999999998"}, by(1), "999999999999999", {}},
        {"past_the_limit", {"999999999999999"}, by(1), "", NumberRefusal::OutOfRange},
        {"past_the_limit_down", {"-999999999999999"}, by(-1), "", NumberRefusal::OutOfRange},
        {"too_many_digits", {"100000000000000", "0.5"}, by(1), "", NumberRefusal::TooManyDigits},
        {"fifteen_digits_taken", {"10000000000000", "0.5"}, by(1), "10000000000000.1", {}},
        {"tenth_of_a_huge_line", {"3"}, tenth(1e17, 1), "", NumberRefusal::OutOfRange},
    };
    for (const char separator : {'.', ','}) {
        for (const MoveCase& c : cases) {
            WindowModel model;
            Fill(model.Values(), InSeparator(c.values, separator));
            const ValueStep step = ValueStep::Of(model.Values());
            const MovedValue moved = c.move(step, ItemValue(model.Values().Item(0)), separator);
            EXPECT_EQ(moved.text, WithSeparator(c.moved, separator)) << c.name << separator;
            EXPECT_EQ(moved.refusal, c.refusal) << c.name << separator;
            if (!moved.refusal) {
                EXPECT_EQ(moved.value, ItemValue(moved.text)) << c.name << separator;
            }
        }
    }
}

TEST(ValueStepTest, TheStepComesFromTheMostPlaces) {
    const std::pair<std::vector<std::string>, double> cases[] = {
        {{"1", "-2", "300"}, 1},    {{"1", "2,5"}, 0.1},  {{"3,25", "1", "2.5"}, 0.01},
        {{"1,5E-05", "2"}, 0.0001}, {{"2,50", "7"}, 0.1}, {{}, 1},
    };
    for (const auto& [values, size] : cases) {
        WindowModel model;
        Fill(model.Values(), values);
        EXPECT_DOUBLE_EQ(ValueStep::Of(model.Values()).Size(), size) << values.size();
    }
}

TEST(ValueStepTest, RefusalsSayWhy) {
    EXPECT_EQ(MoveRefusalText(NumberRefusal::OutOfRange),
              "Стойността не се премества: по абсолютна стойност числото трябва да е "
              "по-малко от 10^15.");
    EXPECT_EQ(MoveRefusalText(NumberRefusal::TooManyDigits),
              "Стойността не се премества: ще има повече от 15 значещи цифри.");
    EXPECT_EQ(MoveRefusalText(NumberRefusal::NotANumber),
              "Стойността не се премества: там няма число, което може да се въведе.");
}

// Left and Right walk by value, equal values in list order; Home the first
// of the smallest, End the last of the largest.
TEST(ValueOrderTest, KeysWalkByValueThenListOrder) {
    WindowModel model;
    Fill(model.Values(), {"5", "3", "5", "1", "3,0", "-2,5"});
    const ValueOrder order(model.Values());
    EXPECT_EQ(order.Smallest(), 5);
    EXPECT_EQ(order.Largest(), 2);
    std::vector<int> up;
    for (int p = order.Smallest(); p >= 0; p = order.Next(p)) {
        up.push_back(p);
    }
    EXPECT_EQ(up, (std::vector<int>{5, 3, 1, 4, 0, 2}));
    std::vector<int> down;
    for (int p = order.Largest(); p >= 0; p = order.Previous(p)) {
        down.push_back(p);
    }
    EXPECT_EQ(down, (std::vector<int>{2, 0, 4, 1, 3, 5}));
    EXPECT_EQ(order.LastOf(3), 4);
    EXPECT_EQ(order.LastOf(4), -1);
    EXPECT_EQ(order.Next(6), -1);
    EXPECT_EQ(ValueOrder().Smallest(), -1);
}

// A dot that stands for several values drags the largest, the last of
// equal ones; a column of one value, its last.
TEST(ValueOrderTest, ADotDragsTheLargestAndLastOfItsValues) {
    WindowModel model;
    Fill(model.Values(), {"0,001", "10", "0", "0,001", "10", "5"});
    Fill(model.Weights(), std::vector<std::string>(6, "1"));
    const Picture picture =
        BuildPicture(model.Values(), model.Weights(), MeanKind::Arithmetic, ',', PictureGeometry{});
    const ValueOrder order(model.Values());
    const auto columnOf = [&](double value) {
        return picture.stacks.Values()
            .at(static_cast<std::size_t>(picture.stacks.Find(value)))
            .column;
    };
    ASSERT_EQ(columnOf(0), columnOf(0.001));
    EXPECT_EQ(DraggedValue(picture.stacks, order, columnOf(0)), 3);
    EXPECT_EQ(DraggedValue(picture.stacks, order, columnOf(10)), 4);
    EXPECT_EQ(DraggedValue(picture.stacks, order, columnOf(5)), 5);
    EXPECT_EQ(DraggedValue(picture.stacks, order, 99), -1);
}

TEST(ValueTableTest, RowsByValueWithWeightAndDistance) {
    for (const char separator : {'.', ','}) {
        WindowModel model;
        Fill(model.Values(), InSeparator({"2", "1", "2", "1.5"}, separator));
        Fill(model.Weights(), {"1", "3", "2", "1"});
        const ValueOrder order(model.Values());
        const auto rows = [&](std::optional<double> mean) {
            std::string text;
            for (const ValueRow& row : ValueRows(model.Values(), model.Weights(), order, mean)) {
                text += std::to_string(row.position) + " " + row.value + " " + row.weight + " " +
                        DistanceText(row.distance, separator) + "|";
            }
            return text;
        };
        EXPECT_EQ(rows(5.0 / 3), WithSeparator("1 1 3 ≈ 0.66667|3 1.5 1 ≈ 0.16667|0 2 1 ≈ 0.33333|"
                                               "2 2 2 ≈ 0.33333|",
                                               separator));
        EXPECT_EQ(rows(1.5), WithSeparator("1 1 3 0.5|3 1.5 1 0|0 2 1 0.5|2 2 2 0.5|", separator));
        EXPECT_EQ(rows(std::nullopt), WithSeparator("1 1 3 |3 1.5 1 |0 2 1 |2 2 2 |", separator));
    }
}

TEST(ValueTableTest, TheAccessibleNameNamesTheSelectedValue) {
    for (const char separator : {'.', ','}) {
        WindowModel model;
        Fill(model.Values(), InSeparator({"4", "1", "2.5"}, separator));
        const ValueOrder order(model.Values());
        const ListBox& values = model.Values();
        const double mean = 7.5 / 3;
        EXPECT_EQ(ValueName(values, order, 0, mean, std::nullopt, separator),
                  WithSeparator("стойност 4, номер 3 от 3, разстояние до средната 1.5", separator));
        EXPECT_EQ(
            ValueName(values, order, 2, 2.4, std::nullopt, separator),
            WithSeparator("стойност 2.5, номер 2 от 3, разстояние до средната 0.1", separator));
        EXPECT_EQ(
            ValueName(values, order, 1, 7.0 / 3, std::nullopt, separator),
            WithSeparator("стойност 1, номер 1 от 3, разстояние до средната ≈ 1.3333", separator));
        // While guessing no distance gives the mean away.
        EXPECT_EQ(ValueName(values, order, 1, std::nullopt, 2.3, separator),
                  WithSeparator("стойност 1, номер 1 от 3, предположение 2.3", separator));
        EXPECT_EQ(ValueName(values, order, 1, std::nullopt, std::nullopt, separator),
                  "стойност 1, номер 1 от 3");
        EXPECT_EQ(ValueName(values, order, 3, mean, std::nullopt, separator), "няма стойности");
        // Four values of 123 and one of 124: the double 123,2 leaves no "≈".
        WindowModel moved;
        Fill(moved.Values(), {"123", "124"});
        EXPECT_EQ(
            ValueName(moved.Values(), ValueOrder(moved.Values()), 1, 123.2, std::nullopt,
                      separator),
            WithSeparator("стойност 124, номер 2 от 2, разстояние до средната 0.8", separator));
    }
}

}  // namespace
}  // namespace sredna
