// Each mean against a direct computation, over many random samples.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/numbers/numbers.h"
#include "tests/test_support.h"

namespace sredna {
namespace {

struct Sample {
    std::vector<std::string> values;
    std::vector<std::string> weights;
    std::vector<double> v;
    std::vector<double> w;
};

Sample Draw(std::mt19937& engine) {
    std::uniform_int_distribution<int> size(2, 40);
    std::uniform_int_distribution<int> value(1, 1000);
    std::uniform_int_distribution<int> weight(1, 10);
    Sample s;
    for (int i = size(engine); i > 0; --i) {
        s.v.push_back(value(engine));
        s.w.push_back(weight(engine));
        s.values.push_back(std::to_string(static_cast<int>(s.v.back())));
        s.weights.push_back(std::to_string(static_cast<int>(s.w.back())));
    }
    return s;
}

double Mean(MeanKind kind, const Sample& s, const std::vector<std::string>& weights) {
    test::CalculationRun run(kind, s.values, '.', weights);
    return run.model.StoredMean();
}

TEST(MeanPropertiesTest, AgreeWithDirectComputationAndTheirOrder) {
    std::mt19937 engine(12345);
    for (int round = 0; round < 300; ++round) {
        Sample s = Draw(engine);
        const auto n = static_cast<double>(s.v.size());
        double sum = 0;
        double squares = 0;
        double reciprocals = 0;
        double logs = 0;
        double weighted = 0;
        double weightTotal = 0;
        for (std::size_t i = 0; i < s.v.size(); ++i) {
            sum += s.v[i];
            squares += s.v[i] * s.v[i];
            reciprocals += 1 / s.v[i];
            logs += std::log(s.v[i]);
            weighted += s.v[i] * s.w[i];
            weightTotal += s.w[i];
        }
        const double arithmetic = Mean(MeanKind::Arithmetic, s, s.weights);
        const double quadratic = Mean(MeanKind::Quadratic, s, s.weights);
        const double harmonic = Mean(MeanKind::Harmonic, s, s.weights);
        const double geometric = Mean(MeanKind::Geometric, s, s.weights);
        const double weightedMean = Mean(MeanKind::Weighted, s, s.weights);
        const double equalWeights =
            Mean(MeanKind::Weighted, s, std::vector<std::string>(s.v.size(), "3"));
        auto near = [](double actual, double expected) {
            return std::abs(actual - expected) <= 1e-12 * std::abs(expected);
        };
        EXPECT_TRUE(near(arithmetic, sum / n));
        EXPECT_TRUE(near(quadratic, std::sqrt(squares / n)));
        EXPECT_TRUE(near(harmonic, n / reciprocals));
        EXPECT_TRUE(near(geometric, std::exp(logs / n)));
        EXPECT_TRUE(near(weightedMean, weighted / weightTotal));
        EXPECT_TRUE(near(equalWeights, arithmetic));
        EXPECT_GE(quadratic * (1 + 1e-12), arithmetic);
        EXPECT_GE(arithmetic * (1 + 1e-12), geometric);
        EXPECT_GE(geometric * (1 + 1e-12), harmonic);
    }
}

// The median of all the values, repeats included, against a sort of the
// numbers.
TEST(MeanPropertiesTest, MedianIsThatOfAllTheValues) {
    std::mt19937 engine(777);
    for (int round = 0; round < 200; ++round) {
        Sample s = Draw(engine);
        std::vector<double> sorted = s.v;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t m = sorted.size();
        const double expected =
            m % 2 == 1 ? sorted[m / 2] : 0.5 * sorted[m / 2 - 1] + 0.5 * sorted[m / 2];
        test::CalculationRun run(MeanKind::Median, s.values, '.');
        const std::string& report = run.report;
        std::string last = "медиана = " + GeneralNumberText(expected, '.') + "\r\n";
        ASSERT_TRUE(report.ends_with(last)) << report;
        ASSERT_EQ(run.model.MedianWork().Count(), static_cast<int>(m));
    }
}

// Every kind gives equal values back exactly, however long the running sum
// that rounding could carry past them.
TEST(MeanPropertiesTest, EqualValuesGiveThemselvesBack) {
    for (const std::string value : {"7", "2.5", "0.1", "999999999999999"}) {
        for (const int count : {2, 50, 32767}) {
            const std::vector<std::string> values(static_cast<std::size_t>(count), value);
            for (int kind = 0; kind < kMeanKindCount; ++kind) {
                test::CalculationRun run(static_cast<MeanKind>(kind), values, '.',
                                         std::vector<std::string>(values.size(), "1"));
                const std::string at = " при стойност " + value + "\r\n";
                SCOPED_TRACE(value + " x" + std::to_string(count) + ", kind " +
                             std::to_string(kind));
                if (kind == static_cast<int>(MeanKind::Median)) {
                    EXPECT_TRUE(run.report.ends_with("медиана = " + value + "\r\n"));
                    continue;
                }
                EXPECT_EQ(run.model.StoredMean(), std::stod(value));
                std::string deviations = " = 0" + at;
                deviations += "Максималмо отклонение от изчислената средна стойност = 0";
                deviations += at;
                EXPECT_TRUE(run.report.ends_with(deviations))
                    << run.report.substr(run.report.size() - 300);
            }
        }
    }
}

// A mean never leaves the values' range, whatever the rounding.
TEST(MeanPropertiesTest, StayBetweenTheSmallestAndTheLargestValue) {
    std::mt19937 engine(4242);
    std::uniform_int_distribution<int> digits(1, 15);
    for (int round = 0; round < 300; ++round) {
        Sample s = Draw(engine);
        // Values that share their leading digits, where rounding shows most.
        const double base = std::pow(10.0, digits(engine));
        for (std::size_t i = 0; i < s.v.size(); ++i) {
            s.v[i] = base - s.v[i] / 1000;
            s.values[i] = GeneralNumberText(s.v[i], '.');
            s.v[i] = std::stod(s.values[i]);
        }
        const auto [low, high] = std::minmax_element(s.v.begin(), s.v.end());
        for (int kind = 0; kind < kMeanKindCount; ++kind) {
            test::CalculationRun run(static_cast<MeanKind>(kind), s.values, '.', s.weights);
            if (kind != static_cast<int>(MeanKind::Median)) {
                ASSERT_GE(run.model.StoredMean(), *low) << run.report;
                ASSERT_LE(run.model.StoredMean(), *high) << run.report;
            }
        }
    }
}

}  // namespace
}  // namespace sredna
