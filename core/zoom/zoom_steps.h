#pragma once

#include <array>
#include <functional>

// The scales the classroom zoom steps through, in percent of the window's
// normal size, and the stepping between them.
namespace sredna::zoom {

inline constexpr std::array<int, 7> kSteps = {100, 125, 150, 175, 200, 250, 300};
inline constexpr int kNormal = 100;

bool IsStep(int percent);

// The step after or before `percent`, which must be a step; the last and
// the first step stay where they are.
int StepUp(int percent);
int StepDown(int percent);

// The largest step from 100 up to `percent` at which `fits` holds, but 100
// even where nothing fits: the window at its normal size is never refused.
// The steps only grow the window, so the first that does not fit ends it.
int LargestFitting(int percent, const std::function<bool(int percent)>& fits);

}  // namespace sredna::zoom
