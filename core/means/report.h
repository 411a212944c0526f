#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "core/model/text_box.h"
#include "core/numbers/numbers.h"

namespace sredna {

// The line break of every text the program writes.
inline constexpr std::string_view kCrLf = "\r\n";

// Writes a report into a text box: Start replaces the whole text with one
// line, Append adds pieces with no separators. Texts go in as they stand,
// doubles in the general number text, whole counts as plain digits.
//
// A report without a box writes nothing and formats nothing: the picture
// runs the very calculations that write the reports, for their numbers alone.
class Report {
public:
    Report() = default;
    Report(TextBox& box, char decimalSeparator) : box_(&box), separator_(decimalSeparator) {}

    template <typename... Pieces>
    void Start(const Pieces&... pieces) {
        if (box_ != nullptr) {
            box_->SetText(Join(pieces..., kCrLf));
        }
    }

    template <typename... Pieces>
    void Append(const Pieces&... pieces) {
        if (box_ != nullptr) {
            box_->Append(Join(pieces...));
        }
    }

    // One line of its own: the line under way is ended first.
    template <typename... Pieces>
    void AppendLine(const Pieces&... pieces) {
        if (box_ != nullptr) {
            const std::string& text = box_->Text();
            if (!text.empty() && !text.ends_with(kCrLf)) {
                box_->Append(kCrLf);
            }
            Append(pieces..., kCrLf);
        }
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

    TextBox* box_ = nullptr;
    char separator_ = '.';
    std::string line_;
};

}  // namespace sredna
