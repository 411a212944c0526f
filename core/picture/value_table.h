#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/list_box.h"
#include "core/picture/value_order.h"

namespace sredna {

// A row of the table of the values: the value and its weight as the lists
// write them, and its distance to the selected mean, none without a mean.
struct ValueRow {
    int position = 0;  // in the values list
    std::string value;
    std::string weight;
    std::optional<double> distance;
};

// A distance as the picture writes it: "≈ 0,36667", "0,5"; empty for none.
// Apart from the rows, so that a table writes only the rows in view.
std::string DistanceText(std::optional<double> distance, char separator);

// One row a value, sorted as the order is. While the pupil guesses, no mean
// is given, so that no distance gives it away.
std::vector<ValueRow> ValueRows(const ListBox& values, const ListBox& weights,
                                const ValueOrder& order, std::optional<double> mean);

// The plot's accessible name for the value at a list position: "стойност 4,
// номер 3 от 30, разстояние до средната ≈ 0,36667"; while guessing, the
// guess's place instead of the distance.
std::string ValueName(const ListBox& values, const ValueOrder& order, int position,
                      std::optional<double> mean, std::optional<double> guess, char separator);

}  // namespace sredna
