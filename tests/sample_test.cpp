#include "core/sample/sample.h"

#include <gtest/gtest.h>

#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"

namespace sredna {
namespace {

TEST(GenerateSampleTest, FillsBothListsWithWholeNumbersInRange) {
    for (const std::int16_t bound :
         {std::int16_t{10}, std::int16_t{20}, std::int16_t{50}, std::int16_t{100},
          std::int16_t{200}, std::int16_t{500}, std::int16_t{1000}}) {
        WindowModel model;
        RandomSequence random(static_cast<std::uint64_t>(bound));
        model.Report().SetText("old report");
        GenerateSample(model, random, "25", bound, ',');
        EXPECT_EQ(model.Report().Text(), "");
        ASSERT_EQ(model.Values().Count(), 25);
        ASSERT_EQ(model.Weights().Count(), 25);
        for (int p = 0; p < 25; ++p) {
            const std::string& value = model.Values().Item(p);
            const std::string& weight = model.Weights().Item(p);
            EXPECT_EQ(value.find_first_not_of("0123456789"), std::string::npos) << value;
            EXPECT_GE(Val(value), 1);
            EXPECT_LE(Val(value), bound);
            EXPECT_GE(Val(weight), 1);
            EXPECT_LE(Val(weight), 10);
        }
    }
}

TEST(GenerateSampleTest, ValuesAndWeightsAlternateInTheOneSequence) {
    WindowModel model;
    RandomSequence random(2026);
    GenerateSample(model, random, "5", 1000, '.');
    RandomSequence replay(2026);
    for (int p = 0; p < 5; ++p) {
        double value = Int(1000.0 * replay.Rnd()) + 1;
        double weight = Int(10.0 * replay.Rnd()) + 1;
        EXPECT_EQ(model.Values().Item(p), GeneralNumberText(value, '.'));
        EXPECT_EQ(model.Weights().Item(p), GeneralNumberText(weight, '.'));
    }
}

TEST(GenerateSampleTest, CoversTheWholeRangeAndNeverExceedsIt) {
    WindowModel model;
    RandomSequence random(5);
    std::vector<int> seen(11, 0);
    for (int run = 0; run < 100; ++run) {
        GenerateSample(model, random, "25", 10, '.');
        for (const std::string& item : model.Values().Items()) {
            ++seen.at(static_cast<std::size_t>(Val(item)));
        }
    }
    EXPECT_EQ(seen[0], 0);
    for (int v = 1; v <= 10; ++v) {
        EXPECT_GT(seen[static_cast<std::size_t>(v)], 100) << v;
    }
}

TEST(GenerateSampleTest, CountTextIsReadAsANumber) {
    struct Case {
        const char* countText;
        int expected;
    };
    for (const Case& c : {Case{"5", 5}, Case{"2.5", 2}, Case{"0", 0}, Case{"-3", 0}, Case{"", 0},
                          Case{"0.5", 0}, Case{"1", 1}}) {
        WindowModel model;
        RandomSequence random(1);
        GenerateSample(model, random, c.countText, 10, '.');
        EXPECT_EQ(model.Values().Count(), c.expected) << c.countText;
        EXPECT_EQ(model.Weights().Count(), c.expected) << c.countText;
    }
}

TEST(GenerateSampleTest, ACountBeyondTheListsFaultsBeforeTheyChange) {
    WindowModel model;
    RandomSequence random(1);
    EXPECT_THROW(GenerateSample(model, random, "40000", 10, '.'), ArithmeticFault);
    EXPECT_EQ(model.Values().Count(), 5);
    EXPECT_EQ(model.Weights().Count(), 5);
}

}  // namespace
}  // namespace sredna
