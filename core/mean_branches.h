#pragma once

#include <optional>

#include "core/report.h"
#include "core/window_model.h"

// The branches of Calculate, one per kind of mean. Each writes its report
// and returns the mean, or nothing when it ends without one (a refusal, or
// the median, which never stores its result).
namespace sredna::branches {

std::optional<double> Arithmetic(const ListBox& values, Report& report);
std::optional<double> Quadratic(const ListBox& values, Report& report);
std::optional<double> Harmonic(const ListBox& values, Report& report);
std::optional<double> Geometric(const ListBox& values, Report& report);
std::optional<double> Weighted(const ListBox& values, const ListBox& weights, Report& report);
std::optional<double> Median(const ListBox& values, ListBox& workList, Report& report);

}  // namespace sredna::branches
