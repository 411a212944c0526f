#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/files/numbers_file.h"
#include "core/model/window_model.h"
#include "core/numbers/user_number.h"

namespace sredna {

// The pupil's own numbers: edits of the values list and the weights list,
// which always keep the same count. Each operation checks everything first;
// if anything is refused, neither list changes and the report box says why
// in one line. On success the report box is left as it is, but for a file
// opened, which it says how many numbers came from.
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
    // previous one at the end. False when there is no value at the position.
    bool Delete(int position);
    // Appends every number of a clipboard text (split as SplitNumbers does),
    // each with weight 1.
    bool PasteValues(std::string_view clipboard);
    // Replaces the weights from a position down with those of a clipboard
    // text.
    bool PasteWeights(int from, std::string_view clipboard);
    // A list's items, one a line, for a spreadsheet or a text editor.
    std::string CopyText(int list) const;

    // Replaces both lists with the numbers of a numbers file's bytes, read
    // and limited as typed numbers are, and says in the report box how many
    // came and how the file was read; or changes nothing and says in one
    // line that the file was not opened and why, naming its first bad row.
    bool OpenNumbers(std::string_view bytes, std::string_view fileName);
    // The bytes of a numbers file holding both lists.
    std::string NumbersFileText() const;

private:
    // A number the user entered, as it goes into a list.
    struct Committed {
        std::string text;
        double value = 0;
    };

    // Reads a number the user entered, or reports the refusal and returns
    // false.
    // where: what the refusal line begins with, such as a file's row.
    bool Read(std::string_view text, bool weight, Committed& committed,
              std::string_view where = {});
    // The same with a decimal sign other than the machine's, a file's.
    bool Read(std::string_view text, bool weight, Committed& committed, std::string_view where,
              char decimalSeparator);
    // The same for every number of a paste, stopping at the first refusal.
    bool ReadAll(const std::vector<std::string_view>& numbers, bool weight,
                 std::vector<Committed>& committed);
    // The numbers of a paste, at most `room` and one more; false, having
    // said why, when there are none or its spaces may group thousands.
    bool Split(std::string_view clipboard, int room, std::vector<std::string_view>& numbers);
    // An edit of the value or weight at a position of either list.
    bool EditItem(int list, int position, std::string_view text);
    // The one check of the weights' total, the weights kept plus those
    // written: false, having said why, when it would pass kMaxWeightsTotal.
    // newValues: the weights are those of values added.
    bool FitsWeightsTotal(double total, bool newValues);
    // The total of the weights, leaving out `count` of them from `from` on.
    double WeightsTotal(int from = 0, int count = 0) const;
    void Refuse(std::string_view line);
    // "Файлът „…“ не е отворен: в ред R".
    static std::string FilePlace(std::string_view fileName, int row);
    static std::string FileProblem(std::string_view fileName, const numbers_file::Problem& problem);
    // "Прочетени са N стойности от файла „…“ (…)."
    static std::string FileRead(const numbers_file::Table& table, std::string_view fileName);
    static std::string Reason(NumberRefusal refusal, char decimalSeparator);

    WindowModel& model_;
    char separator_;
};

}  // namespace sredna
