#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/picture/number_line.h"
#include "core/picture/picture_model.h"

namespace sredna {

// A guess of the selected mean before it is shown: a marker on the line, on
// tenths of the line's tick step, that starts at the middle. Until it is
// revealed, the picture shows nothing that gives the mean away.
class Guess {
public:
    explicit Guess(const NumberLine& line);

    double Marker() const;
    bool Revealed() const { return revealed_; }

    // By tenths of a tick: 1 a key, 10 with Ctrl; negative down.
    void Move(int tenths);
    // By a tenth of the line, Page Up (1) and Page Down (-1).
    void MovePage(int direction);
    // A click on the line.
    void PlaceAt(double value);
    // Keeps the marker's value on a line drawn anew for changed values,
    // within its ends.
    void Follow(const NumberLine& line);
    void Reveal() { revealed_ = true; }

private:
    void Clamp();

    double unit_ = 1;  // a tenth of a tick
    std::int64_t lowest_ = 0;
    std::int64_t highest_ = 0;
    std::int64_t at_ = 0;  // in units
    bool revealed_ = false;
};

// The picture with every part that would give the mean away left out: the
// strip of means and its lines, the balance line, the deviations, the
// nearest and farthest values; the description says where the guess stands.
Picture WithoutAnswer(Picture picture, double guess, char separator);

// The picture as a guess shows it: without the answer until it is revealed,
// then whole, with the answer's sentence ending its description; the
// marker in both.
Picture WithGuess(Picture picture, const Guess& guess, char separator);

// "Предположение: 5; аритметична ≈ 4,3667; разлика ≈ 0,63333": the guess,
// the selected mean and how far apart they are. Empty where it has no value.
std::string GuessAnswer(const Picture& picture, double guess, char separator);

// Why no guess starts: the selected mean has no value. None where it has.
std::optional<std::string> GuessRefusal(const Picture& picture);

}  // namespace sredna
