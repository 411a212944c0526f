#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/window_model.h"

namespace sredna {

// The pupil's own numbers: edits of the values list and the weights list,
// which always keep the same count. Each operation checks everything first;
// if anything is refused, neither list changes and the report box says why
// in one line. On success the report box is left as it is.
class DataEntry {
public:
    // decimalSeparator: the one committed values are written with.
    DataEntry(WindowModel& model, char decimalSeparator)
        : model_(model), separator_(decimalSeparator) {}

    // Each returns false when it refused. A blank text, or the item's own
    // text unchanged, is no edit: nothing happens.
    bool EditValue(int position, std::string_view text);
    bool EditWeight(int position, std::string_view text);
    // Appends a value with weight 1 and selects it; a blank text adds nothing.
    bool AddValue(std::string_view text);
    // Removes the value and its weight; the next item is selected, or the
    // previous one at the end.
    void Delete(int position);
    // Appends every number of a clipboard text, each with weight 1.
    bool PasteValues(std::string_view clipboard);
    // Replaces the weights from a position down with those of a clipboard
    // text.
    bool PasteWeights(int from, std::string_view clipboard);
    // A list's items, one a line, for a spreadsheet or a text editor.
    std::string CopyText(int list) const;

    // The numbers of a clipboard text: separated by line breaks, tabs,
    // semicolons or spaces; empty fields skipped.
    static std::vector<std::string_view> SplitNumbers(std::string_view clipboard);

private:
    // Writes the committed text of a number the user entered, or reports
    // the refusal and returns false.
    bool Read(std::string_view text, bool weight, std::string& committed);
    // The same for every field of a paste, stopping at the first refusal.
    bool ReadAll(const std::vector<std::string_view>& fields, bool weight,
                 std::vector<std::string>& committed);
    // An edit of the value or weight at a position of either list.
    bool EditItem(int list, int position, std::string_view text);
    void Refuse(std::string_view line);

    WindowModel& model_;
    char separator_;
};

}  // namespace sredna
