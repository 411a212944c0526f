// Undo and redo of the values and weights lists, driven by arbitrary
// sequences of the user's edits, pastes, clears, samples, saves, opens,
// undos and redos, against a plain model: every state of the two lists in
// full, one after another. After every action: the lists (weights with their
// values) are the model's current state, the steps to undo and to redo are
// those the model has past its dropped oldest ones, undoing all reaches the
// oldest state kept and redoing all the newest, the memory stays within the
// cap unless a single step is larger, an action that changes no item makes
// no step, and the numbers are unsaved exactly as the model's walk back from
// the current state says.
//
// Input: the first byte sets the memory cap, then actions. Every byte is
// read as its distance from '0', so that seeds can be written in digits:
//   0 P text;   edit the value at P-1        1 P text;  edit the weight at P-1
//   2 text;     add a value                  3 P        delete the value at P-1
//   4 text;     paste values                 5 P text;  paste weights from P-1
//   6           "Чисти"                      7 N        "Случайни", N+1 tens
//   8           undo                         9          redo
//   : (10)      save                         ; (11) text; open the text as a file
//   < (12) P    select the value at P-1      = (13)     undo all
//   > (14)      redo all
// (the action byte is taken modulo 15; P modulo the list's count + 3, so
// both ends fall outside the list; a text ends at ";" or after 16 bytes).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/form.h"
#include "fuzz/fuzz_actions.h"
#include "fuzz/fuzz_check.h"

namespace {

using sredna::Form;
using sredna::ListHistory;
using sredna::WindowModel;

constexpr std::size_t kMaxText = 16;

struct Lists {
    std::vector<std::string> values;
    std::vector<std::string> weights;

    explicit Lists(const WindowModel& model)
        : values(model.Values().Items()), weights(model.Weights().Items()) {}
    bool operator==(const Lists&) const = default;
};

std::string Describe(const Lists& lists) {
    std::string text = "values";
    for (const std::string& value : lists.values) {
        text += " " + sredna::fuzz::Quoted(value);
    }
    text += "; weights";
    for (const std::string& weight : lists.weights) {
        text += " " + sredna::fuzz::Quoted(weight);
    }
    return text;
}

// Every state the lists went through, the oldest first, and whether the step
// into each was made by hand.
class PlainHistory {
public:
    explicit PlainHistory(const WindowModel& model) : states_{{Lists(model), false}} {}

    const Lists& Current() const { return states_[current_].lists; }
    std::size_t Position() const { return current_; }
    std::size_t Newest() const { return states_.size() - 1; }
    std::size_t Dropped() const { return dropped_; }

    // After an action other than an undo or a redo: a step exactly when an
    // item changed. Returns whether there was one.
    bool Acted(const WindowModel& model, bool byHand) {
        Lists now(model);
        if (now == Current()) {
            return false;
        }
        states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
        if (clean_ && *clean_ > current_) {
            clean_.reset();
        }
        states_.push_back({std::move(now), byHand});
        ++current_;
        return true;
    }
    // The real history drops the oldest steps, and only as a new one comes.
    void Kept(std::size_t undoSteps, bool stepMade) {
        FUZZ_CHECK(undoSteps <= current_, "more steps to undo than were made");
        const std::size_t dropped = current_ - undoSteps;
        FUZZ_CHECK(
            dropped == dropped_ || (stepMade && dropped > dropped_),
            "steps dropped: " + std::to_string(dropped) + ", before " + std::to_string(dropped_));
        dropped_ = dropped;
        if (clean_ && *clean_ < dropped_) {
            clean_.reset();
        }
    }
    bool Undo() {
        if (current_ == dropped_) {
            return false;
        }
        --current_;
        return true;
    }
    bool Redo() {
        if (current_ == Newest()) {
            return false;
        }
        ++current_;
        return true;
    }
    void Saved() {
        clean_ = current_;
        saved_ = Current();
    }
    std::optional<std::size_t> Clean() const { return clean_; }
    const std::optional<Lists>& SavedLists() const { return saved_; }

    // Walking back from the current state: saved at the point of the last
    // save or open; unsaved at a step by hand; saved at a fresh one (a
    // sample, a clear, an open); at the program's start saved, and past the
    // oldest state kept unknown, so unsaved.
    // Every step is by hand or fresh, so the walk ends at the first.
    bool Unsaved() const {
        if (clean_ == current_ || current_ == 0) {
            return false;
        }
        if (current_ == dropped_) {
            return true;
        }
        return states_[current_].byHand;
    }

private:
    struct State {
        Lists lists;
        bool byHand;
    };

    std::vector<State> states_;
    std::size_t current_ = 0;
    std::size_t dropped_ = 0;
    std::optional<std::size_t> clean_ = 0;
    std::optional<Lists> saved_;
};

void Check(const Form& form, const PlainHistory& plain, std::size_t cap) {
    const ListHistory& history = form.History();
    const Lists now(form.Model());
    FUZZ_CHECK(now == plain.Current(),
               "the lists are " + Describe(now) + "; expected " + Describe(plain.Current()));
    FUZZ_CHECK(history.UndoSteps() == plain.Position() - plain.Dropped(),
               std::to_string(history.UndoSteps()) + " steps to undo");
    FUZZ_CHECK(history.RedoSteps() == plain.Newest() - plain.Position(),
               std::to_string(history.RedoSteps()) + " steps to redo");
    FUZZ_CHECK(history.MemoryUse() <= cap || history.UndoSteps() + history.RedoSteps() <= 1,
               std::to_string(history.MemoryUse()) + " bytes over a cap of " + std::to_string(cap));
    const bool unsaved = plain.Unsaved() && !now.values.empty();
    FUZZ_CHECK(form.HasUnsavedNumbers() == unsaved,
               std::string(unsaved ? "saved" : "unsaved") + " at " + Describe(now));
    if (plain.Clean() == plain.Position() && plain.SavedLists()) {
        FUZZ_CHECK(now == *plain.SavedLists(), "back at the point saved, yet " + Describe(now));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t cap = 512 + std::size_t{data[0]} * 64;
    Form form("", '.', cap);
    form.Form_Load();
    WindowModel& model = form.Model();
    PlainHistory plain(model);
    sredna::fuzz::FuzzActions in(data + 1, size - 1, kMaxText);
    const auto values = [&model] { return model.Values().Count(); };
    while (!in.Done()) {
        const unsigned action = in.Next() % 15;
        bool byHand = true;
        bool stepMade = false;
        switch (action) {
            case 0: {
                const int at = in.Position(values());
                form.Entry().EditValue(at, in.Text());
                break;
            }
            case 1: {
                const int at = in.Position(values());
                form.Entry().EditWeight(at, in.Text());
                break;
            }
            case 2:
                form.Entry().AddValue(in.Text());
                break;
            case 3:
                form.Entry().Delete(in.Position(values()));
                break;
            case 4:
                form.Entry().PasteValues(in.Text());
                break;
            case 5: {
                const int at = in.Position(values());
                form.Entry().PasteWeights(at, in.Text());
                break;
            }
            case 6:
                form.ClearData();
                byHand = false;
                break;
            case 7:
                model.Counts().SetSelected(static_cast<int>(in.Next() % 5));
                form.DrawSample();
                byHand = false;
                break;
            case 8: {
                const bool could = form.History().CanUndo();
                form.Undo();
                FUZZ_CHECK(plain.Undo() == could, "undo where the model has none, or none");
                break;
            }
            case 9: {
                const bool could = form.History().CanRedo();
                form.Redo();
                FUZZ_CHECK(plain.Redo() == could, "redo where the model has none, or none");
                break;
            }
            case 10:
                form.NumbersSaved();
                plain.Saved();
                break;
            case 11:
                if (form.OpenNumbers(in.Text(), "a.csv")) {
                    stepMade = plain.Acted(model, false);
                    plain.Saved();
                }
                break;
            case 12:
                model.Values().SetSelected(in.Position(values()));
                break;
            case 13:
                while (form.History().CanUndo()) {
                    form.Undo();
                    plain.Undo();
                }
                FUZZ_CHECK(plain.Position() == plain.Dropped(), "undoing all stopped short");
                break;
            case 14:
                while (form.History().CanRedo()) {
                    form.Redo();
                    plain.Redo();
                }
                FUZZ_CHECK(plain.Position() == plain.Newest(), "redoing all stopped short");
                break;
            default:
                break;
        }
        // As the window ends every action.
        form.EndAction();
        if (action <= 7 || action == 12) {
            stepMade = plain.Acted(model, byHand);
        }
        plain.Kept(form.History().UndoSteps(), stepMade);
        Check(form, plain, cap);
    }
    return 0;
}
