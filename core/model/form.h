#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/history/list_history.h"
#include "core/model/data_entry.h"
#include "core/model/window_model.h"
#include "core/numbers/random_sequence.h"

namespace sredna {

// The window's event handlers over its model. A view reports the user's
// actions here (or changes the model's controls, which raise their own
// events) and then shows the model.
class Form {
public:
    // decimalSeparator: the one the user's regional settings use in reports;
    // historyCap: the undo history's memory cap.
    explicit Form(std::string introText = {}, char decimalSeparator = '.',
                  std::size_t historyCap = ListHistory::kDefaultMemoryCap);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    WindowModel& Model() { return model_; }
    const WindowModel& Model() const { return model_; }
    RandomSequence& Random() { return random_; }
    // The pupil's own values and weights: typed, pasted, changed, deleted.
    DataEntry& Entry() { return entry_; }
    // Every change to the values and weights lists, to undo and redo.
    ListHistory& History() { return history_; }
    const ListHistory& History() const { return history_; }

    // Seeds the sequence and selects the first count, bound and kind.
    void Form_Load();
    // 0 clears, 1 draws a random sample, 2 calculates.
    void Command1_Click(int index);
    void ClearData() { Command1_Click(kClearCommand); }
    void DrawSample() { Command1_Click(kRandomCommand); }
    void Calculate() { Command1_Click(kCalculateCommand); }
    // Keeps a value and its weight selected together.
    void Spis_Click(int index);
    // Shows the weights list for the weighted kind and the median work list
    // for the median, each with its header.
    void Option1_Click(int index);

    // Ends a user's action: what it changed in the values and weights lists
    // is one step to undo, made by hand. A sample or a clear ends its own
    // step, which puts fresh numbers in place of any typed ones.
    void EndAction();
    // Takes back the last change to the lists, or makes it again: the lists
    // are unsaved as the point of the history they return to is.
    void Undo();
    void Redo();
    // A value moved in the picture: selected, and written in the values list
    // as if typed (EditValue), as one step to undo. Between BeginMove and
    // EndMove, a drag or a key held down, every move is one step, and none
    // where the value ends where it began; CancelMove puts it back.
    void BeginMove();
    bool MoveValue(int position, std::string_view text);
    void EndMove();
    void CancelMove();
    // Replaces the lists with a numbers file's (DataEntry::OpenNumbers), in
    // one step; the numbers opened are saved ones.
    bool OpenNumbers(std::string_view bytes, std::string_view fileName);
    // The numbers file of the lists; NumbersSaved once it is written.
    std::string NumbersFileText() const { return entry_.NumbersFileText(); }
    void NumbersSaved() { history_.MarkClean(); }
    // Whether the lists hold numbers, among them changes made by hand that
    // are not in the last file saved or opened: closing would lose work.
    bool HasUnsavedNumbers() const;
    // The kind of mean of the calculation the report box holds; nothing
    // once anything else has been written there.
    std::optional<MeanKind> ReportKind() const;
    // Whether the report box holds a calculation of the lists and the kind
    // as they are now: a picture of them shows what the report says.
    bool ReportMatchesLists() const;

private:
    // What the last calculation was made of, by the controls' revisions.
    struct ReportStamp {
        MeanKind kind;
        int values;
        int weights;
        int report;
    };

    WindowModel model_;
    RandomSequence random_;
    char separator_;
    DataEntry entry_;
    ListHistory history_;
    std::optional<ReportStamp> report_;
};

}  // namespace sredna
