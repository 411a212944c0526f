#pragma once

#include "core/model/list_box.h"

// What the pupil's own numbers may be, however they come in: typed, pasted,
// or read some other way later.
namespace sredna {

// A list box's count is a 16-bit number.
inline constexpr int kMaxValues = ListBox::kMaxItems;
// A weight counts how often its value occurs, and the weighted mean adds the
// weights into a 16-bit count: each weight, and all of them together, stay
// within it.
inline constexpr int kMaxWeight = 32767;
inline constexpr int kMaxWeightsTotal = 32767;

}  // namespace sredna
