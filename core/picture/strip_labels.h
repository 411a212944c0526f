#pragma once

#include <vector>

namespace sredna {

// A label under the strip of centres: the x of its tick and its width, in
// the view's own units; placing it gives its left edge and its level (0
// just under the strip, each level one line lower).
struct StripLabel {
    double x = 0;
    double width = 0;
    double left = 0;
    int level = 0;
};

// Places the labels between left and right, each on the highest level where
// it keeps gap clear of every other label and where no leader line (from a
// tick straight down to its label) crosses another label: centred on its
// tick where it can be, otherwise starting or ending at it. Where no level
// keeps the leaders clear, as with ticks at one place, the label goes on the
// highest level with room.
void PlaceStripLabels(std::vector<StripLabel>& labels, double left, double right, double gap);

}  // namespace sredna
