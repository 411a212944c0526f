#pragma once

#include <string>
#include <vector>

#include "core/means/calculate.h"
#include "core/model/window_model.h"

namespace sredna::test {

// Replaces a list's items with the given texts.
inline void Fill(ListBox& list, const std::vector<std::string>& items) {
    list.Clear();
    for (const std::string& item : items) {
        list.AddItem(item);
    }
}

// Every line followed by CR LF, as the report box holds them.
inline std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Swaps the "." between two digits for the given separator: report
// expectations are written once and checked with both separators, while the
// full stops of the texts stay.
inline std::string WithSeparator(std::string text, char separator) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '.' && digit(text[i - 1]) && digit(text[i + 1])) {
            text[i] = separator;
        }
    }
    return text;
}

// Runs one calculation of a kind over values (and weights) in a fresh model.
struct CalculationRun {
    WindowModel model;
    std::string report;

    CalculationRun(MeanKind kind, const std::vector<std::string>& values, char separator,
                   const std::vector<std::string>& weights = {}) {
        Fill(model.Values(), values);
        Fill(model.Weights(), weights.empty() ? values : weights);
        model.Kinds().Select(static_cast<int>(kind));
        Calculate(model, separator);
        report = model.Report().Text();
    }
};

}  // namespace sredna::test
