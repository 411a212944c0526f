#pragma once

#include <array>
#include <string>
#include <vector>

namespace sredna {

// Round steps are these times a power of ten.
inline constexpr std::array<double, 3> kRoundMultiples = {1, 2, 5};

// A tick of the number line and its label, written as the program writes
// numbers.
struct Tick {
    double value = 0;
    double position = 0;
    std::string label;
};

// The scale of the picture: from a little below the smallest value to a
// little above the largest, with ticks at round steps (1, 2 or 5 times a
// power of ten). Positions run from 0 at the low end to 1 at the high end, so
// a view maps them onto its own width.
class NumberLine {
public:
    NumberLine() = default;
    // columns: how many dots fit across, so the extreme dots keep clear of
    // the ends; maxTicks: how many tick labels fit across.
    NumberLine(double smallest, double largest, int columns, int maxTicks, char separator);

    double Low() const { return low_; }
    double High() const { return high_; }
    double Position(double value) const;
    double Step() const { return step_; }
    const std::vector<Tick>& Ticks() const { return ticks_; }

private:
    void PlaceTicks(int maxTicks, char separator);

    double low_ = 0;
    double high_ = 1;
    double step_ = 0;
    std::vector<Tick> ticks_;
};

}  // namespace sredna
