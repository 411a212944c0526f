#include "core/zoom/zoom_steps.h"

#include <algorithm>

namespace sredna::zoom {

bool IsStep(int percent) {
    return std::find(kSteps.begin(), kSteps.end(), percent) != kSteps.end();
}

int StepUp(int percent) {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.end() ? percent : *next;
}

int StepDown(int percent) {
    const auto at = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return at == kSteps.begin() ? percent : *(at - 1);
}

int LargestFitting(int percent, const std::function<bool(int percent)>& fits) {
    int largest = kNormal;
    for (int step : kSteps) {
        if (step <= kNormal) {
            continue;
        }
        if (step > percent || !fits(step)) {
            break;
        }
        largest = step;
    }
    return largest;
}

}  // namespace sredna::zoom
