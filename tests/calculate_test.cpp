// The calculation driver: refusals, what is stored, faults, deviations.
#include "core/means/calculate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/numbers/arithmetic_fault.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

using test::Fill;

class CalculateTest : public testing::Test {
protected:
    WindowModel model;

    std::string Run(MeanKind kind, const std::vector<std::string>& values) {
        Fill(model.Values(), values);
        Fill(model.Weights(), std::vector<std::string>(values.size(), "1"));
        model.Kinds().Select(static_cast<int>(kind));
        Calculate(model, '.');
        return model.Report().Text();
    }

    static bool StartsWith(const std::string& text, const std::string& prefix) {
        return text.rfind(prefix, 0) == 0;
    }
};

TEST_F(CalculateTest, FewerThanTwoValuesAreRefusedForEveryKind) {
    const std::string oneValue =
        "Въведена е само една стойност, а за средна стойност са нужни поне две!\r\n";
    for (int kind = 0; kind < kMeanKindCount; ++kind) {
        for (const auto& [values, expected] :
             {std::pair{std::vector<std::string>{}, std::string("Няма въведени стойности!\r\n")},
              std::pair{std::vector<std::string>{"7"}, oneValue}}) {
            model.Report().SetText("old report");
            model.SetStoredMean(42);
            EXPECT_EQ(Run(static_cast<MeanKind>(kind), values), expected);
            EXPECT_EQ(model.StoredMean(), 42);
        }
    }
}

TEST_F(CalculateTest, NoSelectedKindTakesTheArithmeticBranch) {
    Calculate(model, '.');
    EXPECT_TRUE(StartsWith(model.Report().Text(), "Изчислявам средна аритметична стойност: \r\n"));
    EXPECT_EQ(model.StoredMean(), 123);
}

TEST_F(CalculateTest, StoresTheMeanOfEveryKindButTheMedian) {
    Run(MeanKind::Arithmetic, {"2", "4"});
    EXPECT_EQ(model.StoredMean(), 3);
    Run(MeanKind::Quadratic, {"3", "4"});
    EXPECT_EQ(model.StoredMean(), std::sqrt(12.5));
    Run(MeanKind::Harmonic, {"2", "4"});
    EXPECT_EQ(model.StoredMean(), 2 / 0.75);
    Run(MeanKind::Geometric, {"1", "100"});
    EXPECT_NEAR(model.StoredMean(), 10, 1e-12);
    double before = model.StoredMean();
    Run(MeanKind::Median, {"1", "2", "3"});
    EXPECT_EQ(model.StoredMean(), before);
    Run(MeanKind::Harmonic, {"1", "0"});
    EXPECT_EQ(model.StoredMean(), before);
    Run(MeanKind::Geometric, {"1", "-1"});
    EXPECT_EQ(model.StoredMean(), before);
}

TEST_F(CalculateTest, ASecondCalculationReplacesTheReport) {
    std::string first = Run(MeanKind::Quadratic, {"3", "4"});
    std::string second = Run(MeanKind::Quadratic, {"3", "4"});
    EXPECT_EQ(first, second);
}

TEST_F(CalculateTest, MedianKeepsTheValuesListAndFillsTheWorkList) {
    Run(MeanKind::Median, {"10", "9", "10", "10"});
    EXPECT_EQ(model.Values().Items(), (std::vector<std::string>{"10", "9", "10", "10"}));
    EXPECT_EQ(model.MedianWork().Items(), (std::vector<std::string>{" 9", "10", "10", "10"}));
    Run(MeanKind::Median, {"7", "12", "7", "100", "3"});
    EXPECT_EQ(model.MedianWork().Items(),
              (std::vector<std::string>{"  3", "  7", "  7", " 12", "100"}));
}

TEST_F(CalculateTest, DeviationTiesNameTheLowestPosition) {
    std::string report = Run(MeanKind::Arithmetic, {"4", "6"});
    EXPECT_NE(
        report.find("Минимално отклонение от изчислената средна стойност = 1 при стойност 4\r\n"),
        std::string::npos);
    EXPECT_NE(
        report.find("Максималмо отклонение от изчислената средна стойност = 1 при стойност 4\r\n"),
        std::string::npos);
    report = Run(MeanKind::Arithmetic, {"6", "2", "4", "8", "0"});  // mean 4
    EXPECT_TRUE(report.ends_with(
        "Минимално отклонение от изчислената средна стойност = 0 при стойност 4\r\n"
        "Максималмо отклонение от изчислената средна стойност = 4 при стойност 8\r\n"));
}

TEST_F(CalculateTest, ShowDeviationsReadsTheStoredMean) {
    Fill(model.Values(), {"2", "4", "9"});
    model.Report().SetText("");
    model.SetStoredMean(5);
    ShowDeviations(model, ',');
    EXPECT_EQ(model.Report().Text(),
              "Минимално отклонение от изчислената средна стойност = 1 при стойност 4\r\n"
              "Максималмо отклонение от изчислената средна стойност = 4 при стойност 9\r\n");
    const std::string before = model.Report().Text();
    Fill(model.Values(), {});
    ShowDeviations(model, '.');  // nothing to name: nothing written
    EXPECT_EQ(model.Report().Text(), before);
}

struct FaultCase {
    const char* name;
    MeanKind kind;
    std::vector<std::string> values;
    std::vector<std::string> weights;
    ArithmeticFault::Kind fault;

    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

class FaultTest : public CalculateTest, public testing::WithParamInterface<FaultCase> {};

// Faults end the run with one message line; the mean stored before stays.
TEST_P(FaultTest, EndsTheRunWithItsMessage) {
    const FaultCase& c = GetParam();
    Fill(model.Values(), c.values);
    Fill(model.Weights(), c.weights);
    model.Kinds().Select(static_cast<int>(c.kind));
    model.SetStoredMean(17);
    ASSERT_NO_THROW(Calculate(model, '.'));
    const std::string& report = model.Report().Text();
    std::string message = ArithmeticFault::messageFor(c.fault) + "\r\n";
    EXPECT_TRUE(report.ends_with("\r\n" + message)) << report;
    EXPECT_EQ(report.find(message), report.size() - message.size());
    EXPECT_EQ(model.StoredMean(), 17);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest,
                         testing::Values(FaultCase{"sum_overflows",
                                                   MeanKind::Arithmetic,
                                                   {"1e308", "1e308"},
                                                   {},
                                                   ArithmeticFault::Kind::Overflow},
                                         FaultCase{"value_too_large",
                                                   MeanKind::Arithmetic,
                                                   {"1", "1e999"},
                                                   {},
                                                   ArithmeticFault::Kind::Overflow},
                                         FaultCase{"square_overflows",
                                                   MeanKind::Quadratic,
                                                   {"1", "1e200"},
                                                   {},
                                                   ArithmeticFault::Kind::Overflow},
                                         FaultCase{"reciprocal_overflows",
                                                   MeanKind::Harmonic,
                                                   {"1", "1e-320"},
                                                   {},
                                                   ArithmeticFault::Kind::Overflow},
                                         FaultCase{"weights_missing",
                                                   MeanKind::Weighted,
                                                   {"1", "2", "3"},
                                                   {"1", "1"},
                                                   ArithmeticFault::Kind::MissingWeight},
                                         FaultCase{"weights_total_zero",
                                                   MeanKind::Weighted,
                                                   {"1", "2"},
                                                   {"1", "-1"},
                                                   ArithmeticFault::Kind::DivisionByZero},
                                         FaultCase{"weights_total_beyond_16_bits",
                                                   MeanKind::Weighted,
                                                   {"1", "2"},
                                                   {"30000", "3000"},
                                                   ArithmeticFault::Kind::Overflow},
                                         FaultCase{"deviation_overflows",
                                                   MeanKind::Arithmetic,
                                                   {"-1.5e308", "1.5e308", "1e308"},
                                                   {},
                                                   ArithmeticFault::Kind::Overflow}),
                         [](const testing::TestParamInfo<FaultCase>& row) {
                             return row.param.name;
                         });

// The fault line follows the running total on a line of its own.
TEST_F(CalculateTest, AFaultBreaksTheLineUnderWay) {
    EXPECT_EQ(Run(MeanKind::Quadratic, {"1e200", "3"}),
              "Изчислявам средна квадратична стойност: \r\n"
              "към натрупаната сума 0\r\n" +
                  ArithmeticFault::messageFor(ArithmeticFault::Kind::Overflow) + "\r\n");
}

}  // namespace
}  // namespace sredna
