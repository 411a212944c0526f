#pragma once

#include "core/window_model.h"

namespace sredna {

// Calculates the mean of the selected kind over the values list and writes
// how it got there into the report box. Every kind but the median stores its
// mean in StoredMean and ends with the deviation lines. An arithmetic fault
// ends the run with a message line; StoredMean then keeps its value.
void Calculate(WindowModel& model, char decimalSeparator);

// Appends the lines naming the values nearest to and farthest from
// StoredMean (the lowest position wins ties).
void ShowDeviations(WindowModel& model, char decimalSeparator);

}  // namespace sredna
