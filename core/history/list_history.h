#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/history/list_journal.h"
#include "core/model/window_model.h"

namespace sredna {

// The undo history of the values list and the weights list. It keeps what
// each change replaced, not copies of the lists, packed so that even steps
// that replace 32,767 values stay small, and drops its oldest steps past a
// memory cap. The steps follow the user's actions: every change recorded
// between two CloseStep calls is one step.
//
// It also knows which point of it was last saved or opened, so that the
// lists count as unsaved only while they hold work typed since.
class ListHistory : public ListJournal {
public:
    static constexpr std::size_t kDefaultMemoryCap = std::size_t{64} * 1024U * 1024U;

    // Attaches itself to the model's values and weights lists.
    explicit ListHistory(WindowModel& model, std::size_t memoryCap = kDefaultMemoryCap);
    ListHistory(const ListHistory&) = delete;
    ListHistory& operator=(const ListHistory&) = delete;
    ~ListHistory();

    // What a step did to the lists: typed over them by hand, or put fresh
    // numbers in their place (a sample, a clear, a file opened), which loses
    // nothing typed once it is on screen.
    enum class StepKind { ByHand, Fresh };

    void Record(int list, ItemSplice splice) override;
    // Ends the step of the changes recorded since the last call; with none,
    // or none that changed an item in the end, there is no step. A new step
    // drops what could be redone. Returns whether there was one; during a
    // gesture there is none yet.
    bool CloseStep(StepKind kind = StepKind::ByHand);

    // A gesture, such as a value dragged in the picture or moved by a key
    // held down, is one step however many changes it makes: no step closes
    // until it is committed. Committed where it started, it leaves none;
    // cancelled, its changes are taken back and leave none either. Undo,
    // redo and a save commit it first.
    void BeginGesture();
    bool CommitGesture();
    void CancelGesture();
    bool InGesture() const { return gesture_; }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Take back the last step, or make the last step taken back again: the
    // values, the weights and the selection as they were. The report box is
    // not touched.
    void Undo();
    void Redo();

    // The lists as they are now are those of a file, saved or opened.
    void MarkClean();
    // Whether the lists hold changes made by hand that are not in the last
    // file: the point marked clean is not the current one, and the last
    // step that led here was made by hand. A marked point dropped past the
    // cap or cut off by a new step is not found again: until the next save
    // or open, only a fresh step makes the lists clean.
    bool HoldsUnsavedWork() const;

    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }
    // What the steps hold, in bytes, as counted against the cap.
    std::size_t MemoryUse() const { return memory_; }

private:
    // Texts one after another in one buffer: a few bytes an item, where a
    // vector of strings takes 32 or more.
    struct PackedTexts {
        std::string chars;
        std::vector<std::uint32_t> ends;

        void Append(const std::vector<std::string>& texts);
        std::vector<std::string> Unpack() const;
        std::size_t Count() const { return ends.size(); }
        std::size_t Bytes() const;
    };
    struct Splice {
        int list;
        int position;
        PackedTexts removed;
        PackedTexts inserted;
    };
    struct Step {
        std::vector<Splice> splices;
        int selectedBefore = -1;
        int selectedAfter = -1;
        std::size_t bytes = 0;
        StepKind kind = StepKind::ByHand;
    };

    void Apply(const Step& step, bool forward);
    void DropOldest();
    static std::size_t Bytes(const Step& step);
    // The point of the history the lists are at, counting dropped steps too.
    std::size_t Position() const { return dropped_ + undo_.size(); }

    WindowModel& model_;
    std::size_t memoryCap_;
    std::optional<Step> pending_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    std::size_t memory_ = 0;
    std::size_t dropped_ = 0;
    // The point last saved or opened; none once it cannot be reached. The
    // empty lists the program starts with are clean.
    std::optional<std::size_t> clean_ = 0;
    bool applying_ = false;
    bool gesture_ = false;
};

}  // namespace sredna
