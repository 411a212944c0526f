#include "core/picture/guess.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/picture/picture_numbers.h"
#include "core/picture/picture_texts.h"

namespace sredna {

namespace {

// Far past any line of typed values, so the units stay whole in a double.
constexpr double kMostUnits = 1e15;
// The digits the program writes a number with.
constexpr int kShownDigits = 15;

std::int64_t UnitsOf(double value, double unit) {
    return static_cast<std::int64_t>(std::clamp(std::round(value / unit), -kMostUnits, kMostUnits));
}

}  // namespace

Guess::Guess(const NumberLine& line) {
    Follow(line);
    at_ = UnitsOf((line.Low() + line.High()) / 2, unit_);
    Clamp();
}

double Guess::Marker() const {
    // 43 tenths of 1 is 4,3 and not 4,3000000000000007.
    return RoundedToDigits(static_cast<double>(at_) * unit_, kShownDigits);
}

void Guess::Move(int tenths) {
    at_ += tenths;
    Clamp();
}

void Guess::MovePage(int direction) {
    const std::int64_t page = std::max<std::int64_t>((highest_ - lowest_ + 5) / 10, 1);
    at_ += direction < 0 ? -page : page;
    Clamp();
}

void Guess::PlaceAt(double value) {
    at_ = UnitsOf(value, unit_);
    Clamp();
}

void Guess::Follow(const NumberLine& line) {
    const double marker = Marker();
    const double span = line.High() - line.Low();
    unit_ = line.Step() > 0 ? line.Step() / 10 : (span > 0 ? span / 100 : 1);
    lowest_ = static_cast<std::int64_t>(
        std::clamp(std::ceil(line.Low() / unit_), -kMostUnits, kMostUnits));
    highest_ = static_cast<std::int64_t>(
        std::clamp(std::floor(line.High() / unit_), -kMostUnits, kMostUnits));
    highest_ = std::max(highest_, lowest_);
    at_ = UnitsOf(marker, unit_);
    Clamp();
}

void Guess::Clamp() {
    at_ = std::clamp(at_, lowest_, highest_);
}

Picture WithoutAnswer(Picture picture, double guess, char separator) {
    picture.centres = {};
    picture.strip.clear();
    picture.reasons.clear();
    picture.deviations.clear();
    picture.nearest.clear();
    picture.farthest.clear();
    picture.balance.clear();
    picture.description = ValuesSentence(picture, separator) +
                          std::string(texts::kGuessDescription) +
                          ApproximateText(guess, separator) + std::string(texts::kSentenceEnd);
    return picture;
}

Picture WithGuess(Picture picture, const Guess& guess, char separator) {
    const double marker = guess.Marker();
    if (!guess.Revealed()) {
        picture = WithoutAnswer(std::move(picture), marker, separator);
    } else if (const std::string answer = GuessAnswer(picture, marker, separator);
               !answer.empty()) {
        picture.description += texts::kSentenceGap;
        picture.description += answer + std::string(texts::kSentenceEnd);
    }
    picture.guess = GuessMark{picture.line.Position(marker),
                              std::string(texts::kGuessMark) + ApproximateText(marker, separator)};
    return picture;
}

std::string GuessAnswer(const Picture& picture, double guess, char separator) {
    const std::optional<double> mean = picture.Selected().value;
    if (!mean) {
        return {};
    }
    return std::string(texts::kGuessAnswer) + ApproximateText(guess, separator) +
           std::string(texts::kGuessSeparator) + std::string(KindName(picture.kind)) +
           std::string(texts::kNameBeforeNumber) + RelationText(*mean, separator) +
           std::string(texts::kGuessSeparator) + std::string(texts::kGuessDifference) +
           std::string(texts::kNameBeforeNumber) +
           RelationText(std::abs(guess - RoundedToDigits(*mean, kShownDigits)), separator);
}

std::optional<std::string> GuessRefusal(const Picture& picture) {
    const Centre& selected = picture.Selected();
    if (selected.value) {
        return std::nullopt;
    }
    return std::string(texts::kGuessRefused) + std::string(KindName(picture.kind)) +
           std::string(texts::kGuessNotComputed) +
           std::string(texts::kNoMeanReasons.at(static_cast<std::size_t>(selected.reason))) +
           std::string(texts::kSentenceEnd);
}

}  // namespace sredna
