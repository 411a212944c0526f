#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/means/calculate.h"
#include "core/model/window_model.h"
#include "core/picture/dot_stacks.h"
#include "core/picture/number_line.h"

namespace sredna {

// How much the view can fit, counted in dots and tick labels: it measures
// its fonts and its size, the picture does not.
struct PictureGeometry {
    int columns = 60;      // dots side by side across the plot
    int stackHeight = 20;  // dots one above the other in a stack
    int maxTicks = 10;     // tick labels side by side

    bool operator==(const PictureGeometry&) const = default;
};

// One of the six centres on the strip under the line: its value and label
// ("хармонична ≈ 3,6364"), or the reason it has none ("геометрична: има
// отрицателни стойности").
struct Centre {
    std::optional<double> value;
    double position = 0;
    NoMeanReason reason = NoMeanReason::None;
    std::string label;
};

// A label on the strip of centres, for every centre with a value but the
// selected one. Centres at one place with one number share it: five values
// of 123 give "квадратична, хармонична, геометрична, претеглена, медиана =
// 123" and not
// four labels stacked on one tick.
struct StripEntry {
    std::vector<double> ticks;  // the positions of its centres, rising
    std::string label;
};

// The marker of a guess of the mean: where it stands on the line (0 at its
// low end, 1 at its high end) and its label, "предположение 4,3".
struct GuessMark {
    double position = 0;
    std::string label;
};

// From a distinct value's stack to the mean, at a height within the row of
// the value's top dot (in rows from the line: row 1 spans 0 to 1). Segments
// on one side of the mean lie at heights of their own.
struct DeviationSegment {
    double from = 0;
    double to = 0;
    double height = 0.5;
    int value = -1;  // among the distinct values
};

// A value at the nearest or the farthest distance from the mean: its index
// among the distinct values, and its text in the values list.
struct NamedValue {
    int value = -1;
    std::string text;
};

// Everything the picture shows, worked out here so that the view only maps
// positions (0 at the line's low end, 1 at its high end) onto its width and
// rows onto its height. Every number is the one the report writes for the
// same lists, from the same calculations. Which tick and centre labels
// collide depends on their widths, so stepping them down is the view's.
struct Picture {
    int valueCount = 0;
    NumberLine line;
    DotStacks stacks;
    std::string dotLegend;  // "= 10 стойности"
    MeanKind kind = MeanKind::Arithmetic;
    // The arithmetic and weighted means are balance points: their mark is a
    // triangle, the others' another shape.
    bool balancePoint = false;
    std::array<Centre, kMeanKindCount> centres;  // by kind
    std::vector<StripEntry> strip;               // by position
    std::vector<std::string> reasons;            // the lines under the strip
    std::vector<DeviationSegment> deviations;
    // Too many to lie apart: only the nearest and farthest values' segments.
    bool fewSegments = false;
    // Every value at the nearest distance, and at the farthest, as rounded to
    // 12 significant digits; none for the median.
    std::vector<NamedValue> nearest;
    std::vector<NamedValue> farthest;
    // "Сбор на разстоянията до средната: отляво 5, отдясно 5"
    std::string balance;
    std::string description;
    // While the pupil guesses the mean, and once the answer is shown.
    std::optional<GuessMark> guess;

    const Centre& Selected() const { return centres.at(static_cast<std::size_t>(kind)); }
};

// Values the line reaches at least, whatever the lists hold: a drag holds
// the line still, and pulls it out past its ends.
struct LineReach {
    double low = 0;
    double high = 0;
};

// The picture of the values list (and for the weighted kind its weights) for
// the selected kind. Changes nothing in the lists.
Picture BuildPicture(const ListBox& values, const ListBox& weights, MeanKind kind, char separator,
                     const PictureGeometry& geometry,
                     const std::optional<LineReach>& reach = std::nullopt);

// The mean of the kind alone, as the picture marks it: what the table's
// distances and the plot's name measure from, without the other five.
std::optional<double> SelectedMean(const ListBox& values, const ListBox& weights, MeanKind kind);

// A kind's name as the picture writes it: "аритметична", "претеглена".
std::string_view KindName(MeanKind kind);

// The description's first sentence, which gives no mean away: "Точкова
// диаграма на 3 стойности; най-малка 2, най-голяма 9."
std::string ValuesSentence(const Picture& picture, char separator);

}  // namespace sredna
