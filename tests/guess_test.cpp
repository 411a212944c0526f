// Guessing the mean in the picture: the marker and its moves, what stays
// hidden until the answer, the answer's line and why no guess starts.
#include "core/picture/guess.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/test_support.h"

namespace sredna {
namespace {

using test::Fill;
using test::WithSeparator;

Picture PictureOf(MeanKind kind, const std::vector<std::string>& values,
                  const std::vector<std::string>& weights, char separator) {
    WindowModel model;
    Fill(model.Values(), values);
    Fill(model.Weights(), weights.empty() ? std::vector<std::string>(values.size(), "1") : weights);
    return BuildPicture(model.Values(), model.Weights(), kind, separator, PictureGeometry{});
}

struct MarkerCase {
    const char* action;
    std::function<void(Guess&)> act;
    double marker;
};

// On a line from 0,6 to 9,4 with ticks of 1, then one from 3,95 to 5,05
// with ticks of 0,2 and back: a tenth of a tick a key, a tick with Ctrl, a
// tenth of the line a page, and never past an end.
TEST(GuessTest, TheMarkerMovesByTenthsOfATickWithinTheLine) {
    const NumberLine wide(1, 9, 60, 10, ',');
    const NumberLine narrow(4, 5, 60, 10, ',');
    ASSERT_EQ(wide.Step(), 1);
    ASSERT_EQ(narrow.Step(), 0.2);
    Guess guess(wide);
    EXPECT_EQ(guess.Marker(), 5);
    const MarkerCase cases[] = {
        {"key up", [](Guess& g) { g.Move(1); }, 5.1},
        {"ctrl up", [](Guess& g) { g.Move(10); }, 6.1},
        {"keys down", [](Guess& g) { g.Move(-3); }, 5.8},
        {"page up", [](Guess& g) { g.MovePage(1); }, 6.7},
        {"click", [](Guess& g) { g.PlaceAt(4.26); }, 4.3},
        {"past the low end", [](Guess& g) { g.Move(-1000); }, 0.6},
        {"page from the end", [](Guess& g) { g.MovePage(1); }, 1.5},
        {"page down", [](Guess& g) { g.MovePage(-1); }, 0.6},
        {"past the high end", [](Guess& g) { g.Move(1000); }, 9.4},
        {"a narrower line", [&](Guess& g) { g.Follow(narrow); }, 5.04},
        {"a finer step", [](Guess& g) { g.Move(-1); }, 5.02},
        {"click past the end", [](Guess& g) { g.PlaceAt(-5); }, 3.96},
        {"click there", [](Guess& g) { g.PlaceAt(4.3); }, 4.3},
        {"the wide line again", [&](Guess& g) { g.Follow(wide); }, 4.3},
    };
    for (const MarkerCase& c : cases) {
        c.act(guess);
        EXPECT_EQ(guess.Marker(), c.marker) << c.action;
    }
    EXPECT_FALSE(guess.Revealed());
    guess.Reveal();
    EXPECT_TRUE(guess.Revealed());
}

struct HiddenCase {
    const char* name;
    MeanKind kind;
    std::vector<std::string> values;
    std::vector<std::string> weights;
    const char* description;  // "." for the separator
};

// Nothing on the strip, no balance line, no deviation, no nearest or
// farthest mark, and a description without a mean; the dots stay.
TEST(GuessTest, NothingGivesTheMeanAway) {
    const HiddenCase cases[] = {
        {"arithmetic",
         MeanKind::Arithmetic,
         {"1", "2", "3", "4", "10"},
         {},
         "Точкова диаграма на 5 стойности; най-малка 1, най-голяма 10. Предположение: 4.3."},
        {"weighted",
         MeanKind::Weighted,
         {"1", "2.5"},
         {"3", "1"},
         "Точкова диаграма на 2 стойности; най-малка 1, най-голяма 2.5. Предположение: 4.3."},
        {"median",
         MeanKind::Median,
         {"-1", "0", "7"},
         {},
         "Точкова диаграма на 3 стойности; най-малка -1, най-голяма 7. Предположение: 4.3."},
    };
    for (const char separator : {'.', ','}) {
        for (const HiddenCase& c : cases) {
            std::vector<std::string> values;
            for (const std::string& v : c.values) {
                values.push_back(WithSeparator(v, separator));
            }
            const Picture shown = PictureOf(c.kind, values, c.weights, separator);
            ASSERT_FALSE(shown.deviations.empty()) << c.name;
            const Picture hidden = WithoutAnswer(shown, 4.3, separator);
            EXPECT_EQ(hidden.description, WithSeparator(c.description, separator)) << c.name;
            for (const Centre& centre : hidden.centres) {
                EXPECT_FALSE(centre.value) << c.name;
                EXPECT_EQ(centre.label, "") << c.name;
            }
            EXPECT_TRUE(hidden.reasons.empty()) << c.name;
            EXPECT_TRUE(hidden.strip.empty()) << c.name;
            EXPECT_TRUE(hidden.deviations.empty()) << c.name;
            EXPECT_TRUE(hidden.nearest.empty()) << c.name;
            EXPECT_TRUE(hidden.farthest.empty()) << c.name;
            EXPECT_EQ(hidden.balance, "") << c.name;
            EXPECT_EQ(hidden.stacks.Values().size(), shown.stacks.Values().size()) << c.name;
        }
    }
}

struct AnswerCase {
    const char* name;
    MeanKind kind;
    std::vector<std::string> values;
    std::vector<std::string> weights;
    double guess;
    const char* answer;  // "." for the separator
};

TEST(GuessTest, TheAnswerNamesTheGuessTheMeanAndTheDifference) {
    const AnswerCase cases[] = {
        {"rounded",
         MeanKind::Arithmetic,
         {"4", "4.1", "5"},
         {},
         5,
         "Предположение: 5; аритметична ≈ 4.3667; разлика ≈ 0.63333"},
        {"exact",
         MeanKind::Arithmetic,
         {"4", "5"},
         {},
         4.3,
         "Предположение: 4.3; аритметична = 4.5; разлика = 0.2"},
        {"above",
         MeanKind::Median,
         {"4", "5", "9"},
         {},
         6,
         "Предположение: 6; медиана = 5; разлика = 1"},
        {"weighted",
         MeanKind::Weighted,
         {"4", "5"},
         {"1", "3"},
         5,
         "Предположение: 5; претеглена = 4.75; разлика = 0.25"},
        {"no_rounding_noise",
         MeanKind::Arithmetic,
         {"0.1", "0.2"},
         {},
         0.15,
         "Предположение: 0.15; аритметична = 0.15; разлика = 0"},
        {"no_mean", MeanKind::Geometric, {"-1", "2"}, {}, 1, ""},
    };
    for (const char separator : {'.', ','}) {
        for (const AnswerCase& c : cases) {
            std::vector<std::string> values;
            for (const std::string& v : c.values) {
                values.push_back(WithSeparator(v, separator));
            }
            const Picture picture = PictureOf(c.kind, values, c.weights, separator);
            EXPECT_EQ(GuessAnswer(picture, c.guess, separator), WithSeparator(c.answer, separator))
                << c.name << separator;
        }
    }
}

// The marker stands in both; the answer ends the description once shown.
TEST(GuessTest, TheShownPictureHidesUntilTheAnswerAndThenSaysIt) {
    const Picture whole = PictureOf(MeanKind::Arithmetic, {"4", "4,1", "5"}, {}, ',');
    Guess guess(whole.line);
    guess.PlaceAt(5);
    const Picture hidden = WithGuess(whole, guess, ',');
    EXPECT_FALSE(hidden.Selected().value);
    EXPECT_EQ(hidden.description.find("аритметична"), std::string::npos) << hidden.description;
    ASSERT_TRUE(hidden.guess);
    EXPECT_EQ(hidden.guess->label, "предположение 5");
    EXPECT_DOUBLE_EQ(hidden.guess->position, whole.line.Position(5));
    guess.Reveal();
    const Picture shown = WithGuess(whole, guess, ',');
    EXPECT_EQ(shown.Selected().label, whole.Selected().label);
    EXPECT_EQ(shown.description,
              whole.description + " Предположение: 5; аритметична ≈ 4,3667; разлика ≈ 0,63333.");
    ASSERT_TRUE(shown.guess);
    EXPECT_EQ(shown.guess->label, "предположение 5");
}

TEST(GuessTest, NoGuessWithoutAMean) {
    const std::tuple<MeanKind, std::vector<std::string>, const char*> cases[] = {
        {MeanKind::Geometric,
         {"-1", "2"},
         "Няма какво да се познае: геометрична не се изчислява – има отрицателни стойности."},
        {MeanKind::Harmonic,
         {"0", "2"},
         "Няма какво да се познае: хармонична не се изчислява – има стойност 0."},
        {MeanKind::Arithmetic,
         {},
         "Няма какво да се познае: аритметична не се изчислява – няма въведени стойности."},
        {MeanKind::Arithmetic,
         {"1"},
         "Няма какво да се познае: аритметична не се изчислява – нужни са поне две стойности."},
        {MeanKind::Arithmetic, {"1", "2"}, ""},
    };
    for (const auto& [kind, values, refusal] : cases) {
        const std::optional<std::string> why = GuessRefusal(PictureOf(kind, values, {}, ','));
        EXPECT_EQ(why.value_or(""), refusal);
    }
}

}  // namespace
}  // namespace sredna
