// The picture's content: scale and ticks, stacks, centres and their reasons,
// the balance line and the texts, in both separators.
#include "core/picture/picture_model.h"

#include <gtest/gtest.h>

#include "core/numbers/random_sequence.h"
#include "core/sample/sample.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

using test::Fill;
using test::WithSeparator;

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
        Fill(model.Spis(kValuesList), values);
        Fill(model.Spis(kWeightsList),
             weights.empty() ? std::vector<std::string>(values.size(), "1") : weights);
        picture = BuildPicture(model.Spis(kValuesList), model.Spis(kWeightsList), kind, separator,
                               geometry);
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
        // A dot is 2.2 wide: 0, 1 and 1.5 share the first column.
        {"close_values_share",
         MeanKind::Arithmetic,
         {"1.5", "100", "0", "1"},
         {},
         20,
         {3, 1},
         {1, 2, 3, 1},
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
        {{"5"}, "нужни са поне две стойности"},
        {{"3", "0", "-1"}, "хармонична, геометрична: има стойност 0"},
        {{"-1", "0"}, "хармонична, геометрична: има отрицателни стойности"},
        {{"1e200", "1"}, "квадратична: аритметична грешка"},
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
// value, the nearest and the farthest value. The model's lists stay as they
// were, the median's work list too.
TEST(PictureTest, AgreesWithTheReports) {
    RandomSequence random(5);
    std::vector<std::vector<std::string>> samples = {{"2", "4", "9"}, {"-1.5", "2.5", "2.5", "8"}};
    for (int round = 0; round < 20; ++round) {
        WindowModel model;
        GenerateSample(model, random, "25", 100, '.');
        samples.push_back(model.Spis(kValuesList).Items());
    }
    for (const auto& values : samples) {
        for (int k = 0; k < kMeanKindCount; ++k) {
            const auto kind = static_cast<MeanKind>(k);
            test::CalculationRun report(kind, values, ',');
            const std::vector<std::string> workList = report.model.Spis(kMedianList).Items();
            const Picture picture = BuildPicture(report.model.Spis(kValuesList),
                                                 report.model.Spis(kWeightsList), kind, ',', {});
            EXPECT_EQ(report.model.Spis(kMedianList).Items(), workList);
            const std::string& label = picture.Selected().label;
            if (!picture.Selected().value) {
                EXPECT_EQ(report.report.find("Минимално"), std::string::npos) << label;
                continue;
            }
            const std::string mean = label.substr(label.find(" = ") + 3);
            const std::string line = kind == MeanKind::Median ? "медиана = " + mean + "\r\n"
                                                              : " " + mean + "\r\nМинимално";
            EXPECT_NE(report.report.find(line), std::string::npos) << label << report.report;
            if (kind != MeanKind::Median) {
                EXPECT_NE(
                    report.report.find(" при стойност " + picture.nearest->text + "\r\nМаксималмо"),
                    std::string::npos);
                EXPECT_TRUE(
                    report.report.ends_with(" при стойност " + picture.farthest->text + "\r\n"));
            } else {
                EXPECT_FALSE(picture.nearest || picture.farthest);
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
        {MeanKind::Arithmetic, {"2", "4", "9"}, {}, "отляво 4, отдясно 4"},
        // The two sums differ in their last digits.
        {MeanKind::Arithmetic,
         {"18.7", "16.6", "18", "15.3", "12.6"},
         {},
         "отляво 4.58, отдясно 4.58"},
        {MeanKind::Weighted, {"2", "6", "2"}, {"1", "2", "2"}, "отляво 4.8, отдясно 4.8"},
        {MeanKind::Geometric, {"1", "100"}, {}, "отляво 9, отдясно 90"},
        {MeanKind::Median,
         {"7", "12", "7", "100", "3"},
         {},
         "отляво 1 стойност, отдясно 2 стойности"},
        {MeanKind::Median, {"1", "2", "3", "2"}, {}, "по 1 стойност от двете страни"},
        {MeanKind::Median, {"4", "4"}, {}, "по 0 стойности от двете страни"},
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
        EXPECT_EQ(p.Selected().label, WithSeparator("пpетеглена = 0.2", separator));
        EXPECT_EQ(p.centres[1].label, WithSeparator("квадратична = 2.78388218141501", separator));
        EXPECT_EQ(
            p.description,
            WithSeparator("Точкова диаграма на 3 стойности; най-малка -2.5, най-голяма 4. "
                          "Избрана: претеглена = 0.2. Другите: аритметична = 0.833333333333333; "
                          "квадратична = 2.78388218141501; медиана = 1. Без стойност: "
                          "хармонична, геометрична – има отрицателни стойности. Най-близка до "
                          "средната: 1; най-далечна: "
                          "4. Сборове на разстоянията до средната: отляво 5.4, отдясно 5.4.",
                          separator));
    }
}

}  // namespace
}  // namespace sredna
