#pragma once

#include <cstdint>
#include <string_view>

#include "core/model/window_model.h"
#include "core/numbers/random_sequence.h"

namespace sredna {

// Empties the report box and refills the values list with countText random
// whole numbers from 1 to bound, and the weights list with one weight from 1
// to 10 per value. Values and weights are drawn alternately from the one
// sequence. A count beyond a list's capacity is an ArithmeticFault, raised
// before either list changes.
void GenerateSample(WindowModel& model, RandomSequence& random, std::string_view countText,
                    std::int16_t bound, char decimalSeparator);

}  // namespace sredna
