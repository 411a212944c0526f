#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "core/text_box.h"

namespace sredna {

// The line break of every text the program writes.
inline constexpr std::string_view kCrLf = "\r\n";

// Writes a report into a text box: Start replaces the whole text with one
// line, Append adds pieces with no separators. Texts go in as they stand,
// doubles in the general number text, whole counts as plain digits.
class Report {
public:
    Report(TextBox& box, char decimalSeparator) : box_(box), separator_(decimalSeparator) {}

    template <typename... Pieces>
    void Start(const Pieces&... pieces) {
        box_.SetText(Join(pieces..., kCrLf));
    }

    template <typename... Pieces>
    void Append(const Pieces&... pieces) {
        box_.Append(Join(pieces...));
    }

private:
    // Joins into one reused buffer: one change notice per append, and no
    // allocation per line.
    template <typename... Pieces>
    std::string_view Join(const Pieces&... pieces) {
        line_.clear();
        (Add(line_, pieces), ...);
        return line_;
    }

    static void Add(std::string& line, std::string_view text) { line.append(text); }
    void Add(std::string& line, double number) const {
        line.append(GeneralNumberText(number, separator_));
    }
    static void Add(std::string& line, std::integral auto count) {
        line.append(std::to_string(count));
    }

    TextBox& box_;
    char separator_;
    std::string line_;
};

}  // namespace sredna
