#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/list_box.h"
#include "core/numbers/user_number.h"

namespace sredna {

// The step a value moves by in the picture: 1 while every value is a whole
// number, otherwise 10^-d, d the most decimal places any value has (at most
// kMaxStepDecimals). Counted from the values list's texts, so that "3,25"
// moves by 0,01 and never by a rounding's noise. A view counts it when a
// value is selected and keeps it while that value moves: "3,25" moved to
// "3,3" still moves by 0,01.
inline constexpr int kMaxStepDecimals = 4;

// The decimal places of a value's text: "3,25" 2, "1,5E-05" 6, "2,50" 1;
// 0 for a text that is not a plain number.
int DecimalPlaces(std::string_view text);

// Where a move took a value: the text for the values list, written as if
// the pupil had typed it, or why it may not go there.
struct MovedValue {
    std::string text;
    double value = 0;
    std::optional<NumberRefusal> refusal;
};

class ValueStep {
public:
    // decimals: 0 to kMaxStepDecimals.
    explicit ValueStep(int decimals = 0);
    static ValueStep Of(const ListBox& values);

    int Decimals() const { return decimals_; }
    double Size() const;

    // The value moved by a number of steps (negative: down), from its
    // nearest multiple of the step.
    MovedValue By(double value, std::int64_t steps, char separator) const;
    // The value moved up (direction 1) or down (-1) by a tenth of the
    // line's span, rounded to the step and at least one.
    MovedValue ByTenth(double value, double span, int direction, char separator) const;
    // A value dragged to a place on the line: the nearest multiple of the
    // step.
    MovedValue To(double place, char separator) const;

private:
    int decimals_;
};

// Why a move does nothing, for the line under the plot.
std::string MoveRefusalText(NumberRefusal refusal);

}  // namespace sredna
