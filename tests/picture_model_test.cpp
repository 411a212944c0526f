// The picture's content: scale and ticks, stacks, centres and their reasons,
// the balance line and the texts, in both separators.
#include "core/picture/picture_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/numbers/random_sequence.h"
#include "core/picture/picture_numbers.h"
#include "core/picture/strip_labels.h"
#include "core/sample/sample.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

using test::Fill;
using test::WithSeparator;

// Letters, not bytes: a label's width in a font of one unit a letter.
std::size_t Letters(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : "|") + text;
    }
    return joined;
}

// Builds the picture of values (weights all 1 unless given) in a fresh model.
struct PictureRun {
    WindowModel model;
    Picture picture;

    PictureRun(MeanKind kind, const std::vector<std::string>& values, char separator,
               const std::vector<std::string>& weights = {}, PictureGeometry geometry = {}) {
        Fill(model.Values(), values);
        Fill(model.Weights(),
             weights.empty() ? std::vector<std::string>(values.size(), "1") : weights);
        picture = BuildPicture(model.Values(), model.Weights(), kind, separator, geometry);
    }
};

struct TickCase {
    const char* name;
    std::vector<std::string> values;
    const char* ticks;  // "." for the separator
};

TEST(PictureTest, TicksAtRoundStepsWithRoomForTheDots) {
    const TickCase cases[] = {
        {"small", {"2", "9", "4"}, "2|3|4|5|6|7|8|9"},
        {"large", {"150", "48000"}, "0|10000|20000|30000|40000|50000"},
        {"negative", {"-1", "-7.5"}, "-7|-6|-5|-4|-3|-2|-1"},
        {"decimal", {"0.12", "0.135"}, "0.12|0.122|0.124|0.126|0.128|0.13|0.132|0.134"},
        {"one_value_repeated", {"123", "123"}, "115|120|125|130|135"},
        {"zero_repeated", {"0", "0"}, "-1|-0.8|-0.6|-0.4|-0.2|0|0.2|0.4|0.6|0.8|1"},
    };
    for (const TickCase& c : cases) {
        for (const char separator : {'.', ','}) {
            PictureRun run(MeanKind::Arithmetic, c.values, separator);
            const NumberLine& line = run.picture.line;
            std::vector<std::string> labels;
            for (const Tick& tick : line.Ticks()) {
                labels.push_back(tick.label);
                EXPECT_TRUE(tick.position >= 0 && tick.position <= 1) << c.name;
            }
            EXPECT_EQ(Joined(labels), WithSeparator(c.ticks, separator)) << c.name;
            const auto& stacked = run.picture.stacks.Values();
            // Half a dot of room beyond the extreme values.
            const double halfDot = 0.5 / PictureGeometry{}.columns;
            EXPECT_GE(line.Position(stacked.front().value), halfDot) << c.name;
            EXPECT_LE(line.Position(stacked.back().value), 1 - halfDot) << c.name;
        }
    }
}

struct StackCase {
    const char* name;
    MeanKind kind;
    std::vector<std::string> values;
    std::vector<std::string> weights;
    int stackHeight;
    std::vector<int> columnDots;
    std::vector<int> topRows;  // of the distinct values
    const char* legend;
};

TEST(PictureTest, StacksCountWeightsAndScaleToFit) {
    const StackCase cases[] = {
        {"one_dot_a_value",
         MeanKind::Arithmetic,
         {"4", "2", "9", "4"},
         {"1", "3", "5", "2"},
         20,
         {1, 2, 1},
         {1, 2, 1},
         "= 1 стойност"},
        {"weighted_dot_a_weight",
         MeanKind::Weighted,
         {"4", "2", "9", "4"},
         {"1", "3", "5", "2"},
         20,
         {3, 3, 5},
         {3, 3, 5},
         "= 1 стойност"},
        // 5 / 2 rounds to 3, too tall for 2: five a dot, and one dot for
        // the stacks of fewer.
        {"scaled_to_fit",
         MeanKind::Weighted,
         {"4", "2", "9"},
         {"5", "1", "4"},
         2,
         {1, 1, 1},
         {1, 1, 1},
         "= 5 стойности"},
        // A dot is 2.2 wide, 1.1 at its smallest: 0 and 1 share a stack,
        // 1.5 has its own.
        {"close_values_share",
         MeanKind::Arithmetic,
         {"1.5", "100", "0", "1"},
         {},
         20,
         {2, 1, 1},
         {1, 2, 1, 1},
         "= 1 стойност"},
        {"shared_and_scaled",
         MeanKind::Weighted,
         {"0", "1", "100"},
         {"30", "20", "7"},
         5,
         {5, 1},
         {3, 5, 1},
         "= 10 стойности"},
    };
    for (const StackCase& c : cases) {
        PictureRun run(c.kind, c.values, '.', c.weights, {50, c.stackHeight, 10});
        const DotStacks& stacks = run.picture.stacks;
        std::vector<int> dots;
        for (const DotColumn& column : stacks.Columns()) {
            dots.push_back(column.dots);
        }
        std::vector<int> rows;
        for (const StackedValue& v : stacks.Values()) {
            rows.push_back(v.topRow);
        }
        EXPECT_EQ(dots, c.columnDots) << c.name;
        EXPECT_EQ(rows, c.topRows) << c.name;
        EXPECT_EQ(run.picture.dotLegend, c.legend) << c.name;
    }
}

struct ReasonCase {
    std::vector<std::string> values;
    const char* reasons;
};

TEST(PictureTest, CentresWithoutAValueSayWhy) {
    const ReasonCase cases[] = {
        {{}, "няма въведени стойности"},
        {{"5"}, "Средните не се изчисляват: нужни са поне две стойности."},
        {{"3", "0", "1"}, "хармонична, геометрична: не се изчисляват – има стойност 0"},
        {{"3", "0", "-1"},
         "хармонична, геометрична: не се изчисляват – има стойност 0 и отрицателни стойности"},
        {{"-1", "0"},
         "хармонична, геометрична: не се изчисляват – има стойност 0 и отрицателни стойности"},
        {{"1e200", "1"}, "квадратична: не се изчислява – аритметична грешка"},
        {{"2", "3"}, ""},
    };
    for (const ReasonCase& c : cases) {
        PictureRun run(MeanKind::Geometric, c.values, '.');
        EXPECT_EQ(Joined(run.picture.reasons), c.reasons);
        const Centre& geometric = run.picture.Selected();
        EXPECT_EQ(geometric.value.has_value(), geometric.reason == NoMeanReason::None);
    }
}

// Every number of the picture is the one the report writes: each centre's
// value; the nearest and the farthest value the report names are among
// those the picture marks. The model's lists stay as they
// were, the median's work list too.
TEST(PictureTest, AgreesWithTheReports) {
    RandomSequence random(5);
    std::vector<std::vector<std::string>> samples = {{"2", "4", "9"}, {"-1.5", "2.5", "2.5", "8"}};
    for (int round = 0; round < 20; ++round) {
        WindowModel model;
        GenerateSample(model, random, "25", 100, '.');
        samples.push_back(model.Values().Items());
    }
    for (const auto& values : samples) {
        for (int k = 0; k < kMeanKindCount; ++k) {
            const auto kind = static_cast<MeanKind>(k);
            test::CalculationRun report(kind, values, ',');
            const std::vector<std::string> workList = report.model.MedianWork().Items();
            const Picture picture =
                BuildPicture(report.model.Values(), report.model.Weights(), kind, ',', {});
            EXPECT_EQ(report.model.MedianWork().Items(), workList);
            const std::string& label = picture.Selected().label;
            if (!picture.Selected().value) {
                EXPECT_EQ(report.report.find("Минимално"), std::string::npos) << label;
                continue;
            }
            const std::string mean = GeneralNumberText(*picture.Selected().value, ',');
            const std::string line = kind == MeanKind::Median ? "медиана = " + mean + "\r\n"
                                                              : " " + mean + "\r\nМинимално";
            EXPECT_NE(report.report.find(line), std::string::npos) << label << report.report;
            const auto named = [&](const std::vector<NamedValue>& marked, const std::string& end) {
                return std::any_of(marked.begin(), marked.end(), [&](const NamedValue& v) {
                    return report.report.find(" при стойност " + v.text + end) != std::string::npos;
                });
            };
            if (kind != MeanKind::Median) {
                EXPECT_TRUE(named(picture.nearest, "\r\nМаксималмо")) << label;
                EXPECT_TRUE(named(picture.farthest, "\r\n")) << label;
            } else {
                EXPECT_TRUE(picture.nearest.empty() && picture.farthest.empty());
            }
        }
    }
}

struct BalanceCase {
    MeanKind kind;
    std::vector<std::string> values;
    std::vector<std::string> weights;
    const char* balance;  // "." for the separator
};

TEST(PictureTest, BalanceLine) {
    const BalanceCase cases[] = {
        {MeanKind::Arithmetic,
         {"2", "4", "9"},
         {},
         "Сбор на разстоянията до средната: отляво 4, отдясно 4"},
        // The two sums differ in their last digits, yet both are exact.
        {MeanKind::Arithmetic,
         {"18.7", "16.6", "18", "15.3", "12.6"},
         {},
         "Сбор на разстоянията до средната: отляво 4.58, отдясно 4.58"},
        {MeanKind::Arithmetic,
         {"1", "2", "4"},
         {},
         "Сбор на разстоянията до средната: отляво ≈ 1.6667, отдясно ≈ 1.6667"},
        {MeanKind::Weighted,
         {"2", "6", "2"},
         {"1", "2", "2"},
         "Сбор на тегло × разстояние: отляво 4.8, отдясно 4.8"},
        {MeanKind::Geometric,
         {"1", "100"},
         {},
         "Сбор на разстоянията до средната: отляво 9, отдясно 90"},
        // The median counts positions in the ordered values, repeats too.
        {MeanKind::Median, {"7", "12", "7", "100", "3"}, {}, "по 2 стойности от всяка страна"},
        {MeanKind::Median, {"1", "2", "3", "2"}, {}, "по 2 стойности от всяка страна"},
        {MeanKind::Median, {"4", "4"}, {}, "по 1 стойност от всяка страна"},
        {MeanKind::Harmonic, {"1", "-1"}, {}, ""},
    };
    for (const BalanceCase& c : cases) {
        for (const char separator : {'.', ','}) {
            PictureRun run(c.kind, c.values, separator, c.weights);
            EXPECT_EQ(run.picture.balance, WithSeparator(c.balance, separator));
        }
    }
}

TEST(PictureTest, DescriptionAndLabelsInEitherSeparator) {
    for (const char separator : {'.', ','}) {
        PictureRun run(MeanKind::Weighted, {"1", "4", "-2.5"}, separator, {"2", "1", "2"});
        const Picture& p = run.picture;
        EXPECT_EQ(p.Selected().label, WithSeparator("претеглена = 0.2", separator));
        EXPECT_EQ(p.centres[1].label, WithSeparator("квадратична ≈ 2.7839", separator));
        EXPECT_EQ(
            p.description,
            WithSeparator("Точкова диаграма на 3 стойности; най-малка -2.5, най-голяма 4. "
                          "Избрана: претеглена = 0.2. Другите: аритметична ≈ 0.83333; "
                          "квадратична ≈ 2.7839; медиана = 1. Без стойност: "
                          "хармонична, геометрична – има отрицателни стойности. Най-близка до "
                          "средната: 1; най-далечна: "
                          "4. Сбор на тегло × разстояние: отляво 5.4, отдясно 5.4. "
                          "Медианата не отчита теглата.",
                          separator));
    }
}

// The value list's texts of marked values, "|" between them.
std::string TextsOf(const std::vector<NamedValue>& named) {
    std::string joined;
    for (const NamedValue& v : named) {
        joined += (joined.empty() ? "" : "|") + v.text;
    }
    return joined;
}

struct TruthCase {
    const char* name;
    MeanKind kind;
    std::vector<std::string> values;
    std::vector<std::string> weights;
    const char* label;  // of the selected centre, "." for the separator
    const char* nearest;
    const char* farthest;
    const char* balance;
    const char* reasons;
    bool fewSegments;
};

// Dots stand at their values (or a stack at the middle of values closer than
// the smallest dot), each segment starts at its own stack and lies apart
// from those on its side, ties are all marked, and numbers are short.
TEST(PictureTest, TellsNoUntruth) {
    const std::vector<std::string> grades = [] {
        std::vector<std::string> g;
        for (const auto& [grade, count] : {std::pair{"6", 15}, {"5", 8}, {"4", 4}, {"3", 2}}) {
            g.insert(g.end(), static_cast<std::size_t>(count), grade);
        }
        g.emplace_back("2");
        return g;
    }();
    const TruthCase cases[] = {
        {"close_beside_far",
         MeanKind::Arithmetic,
         {"1", "2", "3", "4", "100"},
         {},
         "аритметична = 22",
         "4",
         "100",
         "Сбор на разстоянията до средната: отляво 78, отдясно 78",
         "",
         false},
        {"zero_and_negative",
         MeanKind::Arithmetic,
         {"-2.5", "0", "1.25", "3"},
         {},
         "аритметична = 0.4375",
         "0",
         "-2.5",
         "Сбор на разстоянията до средната: отляво 3.375, отдясно 3.375",
         "хармонична, геометрична: не се изчисляват – има стойност 0 и отрицателни стойности",
         false},
        {"thirty_grades",
         MeanKind::Arithmetic,
         grades,
         {},
         "аритметична ≈ 5.1333",
         "5",
         "2",
         "Сбор на разстоянията до средната: отляво 13, отдясно 13",
         "",
         false},
        {"thirty_grades_median",
         MeanKind::Median,
         grades,
         {},
         nullptr,
         "",
         "",
         "по 15 стойности от всяка страна",
         "",
         false},
        {"two_values_tie",
         MeanKind::Arithmetic,
         {"3", "12"},
         {},
         "аритметична = 7.5",
         "3|12",
         "3|12",
         "Сбор на разстоянията до средната: отляво 4.5, отдясно 4.5",
         "",
         false},
        {"weighted",
         MeanKind::Weighted,
         {"3", "4", "5", "6"},
         {"2", "5", "7", "1"},
         "претеглена ≈ 4.4667",
         "4",
         "6",
         "Сбор на тегло × разстояние: отляво ≈ 5.2667, отдясно ≈ 5.2667",
         "Медианата не отчита теглата.",
         false},
        {"median_with_weights",
         MeanKind::Median,
         {"3", "4", "5", "6"},
         {"2", "5", "7", "1"},
         nullptr,
         "",
         "",
         "по 2 стойности от всяка страна",
         "Медианата не отчита теглата.",
         false},
        {"arithmetic_leaves_weights_alone",
         MeanKind::Arithmetic,
         {"3", "4", "5", "6"},
         {"2", "5", "7", "1"},
         "аритметична = 4.5",
         "4|5",
         "3|6",
         "Сбор на разстоянията до средната: отляво 2, отдясно 2",
         "",
         false},
        // Ten values left of the mean in one row: too many to lie apart.
        {"too_many_in_a_row",
         MeanKind::Arithmetic,
         {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100", "1000"},
         {},
         "аритметична ≈ 140.91",
         "100",
         "1000",
         "Сбор на разстоянията до средната: отляво ≈ 859.09, отдясно ≈ 859.09",
         "",
         true},
    };
    for (const TruthCase& c : cases) {
        for (const char separator : {'.', ','}) {
            PictureRun run(c.kind, c.values, separator, c.weights);
            const Picture& p = run.picture;
            const auto& values = p.stacks.Values();
            const auto& columns = p.stacks.Columns();
            if (c.label != nullptr) {
                EXPECT_EQ(p.Selected().label, WithSeparator(c.label, separator)) << c.name;
            }
            EXPECT_EQ(TextsOf(p.nearest), c.nearest) << c.name;  // as the list writes them
            EXPECT_EQ(TextsOf(p.farthest), c.farthest) << c.name;
            EXPECT_EQ(p.balance, WithSeparator(c.balance, separator)) << c.name;
            EXPECT_EQ(Joined(p.reasons), c.reasons) << c.name;
            EXPECT_EQ(p.fewSegments, c.fewSegments) << c.name;
            // None of these data sets needs a shared stack: each value at
            // its own place, with dots no larger than the gaps allow.
            const double dot = p.stacks.DotScale() / PictureGeometry{}.columns;
            EXPECT_GE(p.stacks.DotScale(), 0.5) << c.name;
            ASSERT_EQ(columns.size(), values.size()) << c.name;
            for (std::size_t i = 0; i < values.size(); ++i) {
                EXPECT_DOUBLE_EQ(columns[i].position, p.line.Position(values[i].value)) << c.name;
                if (i > 0) {
                    EXPECT_GE(columns[i].position - columns[i - 1].position, dot * 0.999999)
                        << c.name;
                }
            }
            // A segment from every value off the mean (or only from the
            // marked ones), at a height within its top dot's row, none at the
            // height of another on its side.
            const double mean = p.line.Position(*p.Selected().value);
            std::size_t offMean = 0;
            for (const StackedValue& v : values) {
                offMean += v.value != *p.Selected().value ? 1U : 0U;
            }
            EXPECT_EQ(p.deviations.size(), c.fewSegments ? 2 : offMean) << c.name;
            for (std::size_t i = 0; i < p.deviations.size(); ++i) {
                const DeviationSegment& s = p.deviations[i];
                const StackedValue& v = values.at(static_cast<std::size_t>(s.value));
                EXPECT_EQ(s.from, columns.at(static_cast<std::size_t>(v.column)).position);
                EXPECT_EQ(s.to, mean);
                EXPECT_TRUE(s.height > v.topRow - 1 && s.height < v.topRow) << c.name;
                for (std::size_t j = 0; j < i; ++j) {
                    const DeviationSegment& t = p.deviations[j];
                    if ((s.from < mean) == (t.from < mean)) {
                        EXPECT_NE(s.height, t.height) << c.name << " " << i << " " << j;
                    }
                }
            }
        }
    }
}

// Values closer than the smallest dot share a stack at the middle of the
// smallest and largest of them; the segments start there.
TEST(PictureTest, ValuesCloserThanTheSmallestDotShareAStackAtTheirMiddle) {
    PictureRun run(MeanKind::Arithmetic, {"0", "0.1", "0.3", "100"}, '.');
    const Picture& p = run.picture;
    EXPECT_EQ(p.stacks.DotScale(), 0.5);
    ASSERT_EQ(p.stacks.Columns().size(), 2U);
    const DotColumn& shared = p.stacks.Columns()[0];
    EXPECT_TRUE(shared.shared);
    EXPECT_DOUBLE_EQ(shared.position, (p.line.Position(0) + p.line.Position(0.3)) / 2);
    EXPECT_EQ(shared.dots, 3);
    EXPECT_FALSE(p.stacks.Columns()[1].shared);
    for (const DeviationSegment& s : p.deviations) {
        EXPECT_EQ(s.from, s.value < 3 ? shared.position : p.stacks.Columns()[1].position);
    }
}

struct ShortCase {
    double value;
    const char* text;  // "." for the separator
    bool exact;
};

TEST(PictureTest, NumbersHaveFiveDigitsAndSayWhenRounded) {
    const ShortCase cases[] = {
        {2.3885296, "2.3885", false}, {14.866666666666667, "14.867", false},
        {0.1 + 0.2, "0.3", true},     {-2.5, "-2.5", true},
        {123456, "123460", false},    {150000000000000, "150000000000000", true},
        {99999.5, "100000", false},   {0.0000123456, "0.000012346", false},
        {0.00001, "0.00001", true},   {0.00000123456, "1.2346E-06", false},
        {1e15, "1E+15", true},        {0, "0", true},
    };
    for (const ShortCase& c : cases) {
        for (const char separator : {'.', ','}) {
            const ShortNumber shown = ShortNumberText(c.value, separator);
            EXPECT_EQ(shown.text, WithSeparator(c.text, separator)) << c.value;
            EXPECT_EQ(shown.exact, c.exact) << c.value;
        }
    }
    EXPECT_EQ(RelationText(2.3885296, ','), "≈ 2,3885");
    EXPECT_EQ(ApproximateText(2.5, ','), "2,5");
}

// The strip's labels, on a line of 100 and from 10 beyond its ends: inside,
// clear of each other, each covering its tick, and no leader line through
// another label.
// Means at one place with one number share a label on the strip, named in
// the order of the kinds; means that only round alike keep their own.
TEST(PictureTest, MeansAtOnePlaceShareAStripLabel) {
    const struct {
        MeanKind kind;
        std::vector<std::string> values;
        std::vector<std::string> labels;
    } cases[] = {
        {MeanKind::Arithmetic,
         {"123", "123", "123", "123", "123"},
         {"квадратична, хармонична, геометрична, претеглена, медиана = 123"}},
        {MeanKind::Median,
         {"2", "4", "6"},
         {"хармонична ≈ 3,2727", "геометрична ≈ 3,6342", "аритметична, претеглена = 4",
          "квадратична ≈ 4,3205"}},
        {MeanKind::Quadratic,
         {"1", "3"},
         {"хармонична = 1,5", "геометрична ≈ 1,7321", "аритметична, претеглена, медиана = 2"}},
    };
    for (const auto& c : cases) {
        PictureRun run(c.kind, c.values, ',');
        std::vector<std::string> labels;
        for (const StripEntry& entry : run.picture.strip) {
            labels.push_back(entry.label);
        }
        EXPECT_EQ(labels, c.labels) << c.values.front();
    }
}

TEST(PictureTest, StripLabelsKeepApartAndJoinTheirTicks) {
    const std::vector<std::vector<std::string>> samples = {{"3", "12"},
                                                           {"1", "2", "3", "4", "100"},
                                                           {"-2.5", "0", "1.25", "3"},
                                                           {"4", "4.01"},
                                                           {"123", "123", "123", "123", "123"}};
    for (const auto& values : samples) {
        for (int k = 0; k < kMeanKindCount; ++k) {
            PictureRun run(static_cast<MeanKind>(k), values, ',');
            std::vector<StripLabel> labels;
            for (const StripEntry& entry : run.picture.strip) {
                // A letter is 1.5 wide: labels a quarter of the line.
                const auto width = 1.5 * static_cast<double>(Letters(entry.label));
                const double middle = (entry.ticks.front() + entry.ticks.back()) / 2;
                labels.push_back({middle * 100, width, 0, 0});
            }
            PlaceStripLabels(labels, -10, 110, 1);
            for (std::size_t i = 0; i < labels.size(); ++i) {
                const StripLabel& a = labels[i];
                EXPECT_GE(a.left, -10);
                EXPECT_LE(a.left + a.width, 110);
                EXPECT_TRUE(a.x >= a.left && a.x <= a.left + a.width);
                for (std::size_t j = 0; j < i; ++j) {
                    const StripLabel& b = labels[j];
                    if (a.level == b.level) {
                        EXPECT_TRUE(a.left >= b.left + b.width + 1 ||
                                    b.left >= a.left + a.width + 1)
                            << values.front();
                    }
                    const StripLabel& upper = a.level < b.level ? a : b;
                    const StripLabel& lower = a.level < b.level ? b : a;
                    if (upper.level != lower.level && std::abs(a.x - b.x) > 1.0 / 16) {
                        EXPECT_FALSE(lower.x > upper.left && lower.x < upper.left + upper.width)
                            << values.front();
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace sredna
