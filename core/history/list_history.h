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
class ListHistory : public ListJournal {
public:
    static constexpr std::size_t kDefaultMemoryCap = std::size_t{64} * 1024U * 1024U;

    // Attaches itself to the model's values and weights lists.
    explicit ListHistory(WindowModel& model, std::size_t memoryCap = kDefaultMemoryCap);
    ListHistory(const ListHistory&) = delete;
    ListHistory& operator=(const ListHistory&) = delete;
    ~ListHistory();

    void Record(int list, ItemSplice splice) override;
    // Ends the step of the changes recorded since the last call; with none,
    // there is no step. A new step drops what could be redone. Returns
    // whether there was one.
    bool CloseStep();

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Take back the last step, or make the last step taken back again: the
    // values, the weights and the selection as they were. The report box is
    // not touched.
    void Undo();
    void Redo();

    std::size_t UndoSteps() const { return undo_.size(); }
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
    };

    void Apply(const Step& step, bool forward);
    void DropOldest();
    static std::size_t Bytes(const Step& step);

    WindowModel& model_;
    std::size_t memoryCap_;
    std::optional<Step> pending_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    std::size_t memory_ = 0;
    bool applying_ = false;
};

}  // namespace sredna
