#include "core/history/list_history.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace sredna {

void ListHistory::PackedTexts::Append(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        chars += text;
        ends.push_back(static_cast<std::uint32_t>(chars.size()));
    }
}

std::vector<std::string> ListHistory::PackedTexts::Unpack() const {
    std::vector<std::string> texts;
    texts.reserve(ends.size());
    std::uint32_t from = 0;
    for (const std::uint32_t end : ends) {
        texts.emplace_back(chars, from, end - from);
        from = end;
    }
    return texts;
}

std::size_t ListHistory::PackedTexts::Bytes() const {
    return chars.capacity() + ends.capacity() * sizeof(std::uint32_t);
}

ListHistory::ListHistory(WindowModel& model, std::size_t memoryCap)
    : model_(model), memoryCap_(memoryCap) {
    model_.Values().SetJournal(this);
    model_.Weights().SetJournal(this);
}

ListHistory::~ListHistory() {
    model_.Values().SetJournal(nullptr);
    model_.Weights().SetJournal(nullptr);
}

void ListHistory::Record(int list, ItemSplice splice) {
    if (applying_) {
        return;
    }
    if (!pending_) {
        // The first change of a step: the selection is still the one before.
        pending_ = Step{};
        pending_->selectedBefore = model_.Values().Selected();
    }
    std::vector<Splice>& splices = pending_->splices;
    // Appends right after the list's last change join it: a paste of many
    // values, or a sample drawn after a clear, is one splice per list.
    for (std::size_t i = splices.size(); i-- > 0;) {
        Splice& last = splices[i];
        if (last.list != list) {
            continue;
        }
        if (splice.removed.empty() &&
            splice.position == last.position + static_cast<int>(last.inserted.Count())) {
            last.inserted.Append(splice.inserted);
            return;
        }
        // An item changed again where it was just changed, as a dragged
        // value is many times over: one splice from the first text to the
        // last, which is none at all where the item came back.
        if (splice.removed.size() == 1 && splice.inserted.size() == 1 &&
            splice.position == last.position && last.removed.Count() == 1 &&
            last.inserted.Count() == 1) {
            last.inserted = {};
            last.inserted.Append(splice.inserted);
            return;
        }
        break;
    }
    Splice packed{.list = list, .position = splice.position, .removed = {}, .inserted = {}};
    packed.removed.Append(splice.removed);
    packed.inserted.Append(splice.inserted);
    splices.push_back(std::move(packed));
}

bool ListHistory::CloseStep(StepKind kind) {
    if (!pending_ || gesture_) {
        return false;
    }
    Step step = std::move(*pending_);
    pending_.reset();
    // A splice that put back what it took ("123.0" typed over "123", weights
    // pasted over equal ones) changes nothing, and no later splice's position
    // depends on it.
    std::erase_if(step.splices, [](const Splice& splice) {
        return splice.removed.chars == splice.inserted.chars &&
               splice.removed.ends == splice.inserted.ends;
    });
    if (step.splices.empty()) {
        return false;
    }
    step.kind = kind;
    step.selectedAfter = model_.Values().Selected();
    for (Splice& splice : step.splices) {
        splice.removed.chars.shrink_to_fit();
        splice.removed.ends.shrink_to_fit();
        splice.inserted.chars.shrink_to_fit();
        splice.inserted.ends.shrink_to_fit();
    }
    step.bytes = Bytes(step);
    memory_ -=
        std::accumulate(redo_.begin(), redo_.end(), std::size_t{0},
                        [](std::size_t sum, const Step& dropped) { return sum + dropped.bytes; });
    redo_.clear();
    if (clean_ && *clean_ > Position()) {
        clean_.reset();  // the saved point was among the steps to redo
    }
    memory_ += step.bytes;
    undo_.push_back(std::move(step));
    while (memory_ > memoryCap_ && undo_.size() > 1) {
        DropOldest();
    }
    return true;
}

void ListHistory::BeginGesture() {
    CommitGesture();
    gesture_ = true;
}

bool ListHistory::CommitGesture() {
    gesture_ = false;
    return CloseStep(StepKind::ByHand);
}

void ListHistory::CancelGesture() {
    if (!gesture_) {
        return;
    }
    gesture_ = false;
    if (pending_) {
        const Step step = std::move(*pending_);
        pending_.reset();
        Apply(step, false);
    }
}

void ListHistory::MarkClean() {
    CommitGesture();
    clean_ = Position();
}

bool ListHistory::HoldsUnsavedWork() const {
    if (pending_) {
        return true;  // changed in an action not yet ended: by hand
    }
    if (clean_ == Position()) {
        return false;
    }
    // Every step is either by hand or fresh, so walking back from here ends
    // at the last one: typed work is on screen exactly when it was by hand.
    // Before the oldest step kept there may have been typed work.
    if (undo_.empty()) {
        return dropped_ > 0;
    }
    return undo_.back().kind == StepKind::ByHand;
}

void ListHistory::Undo() {
    CommitGesture();
    if (undo_.empty()) {
        return;
    }
    Apply(undo_.back(), false);
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
}

void ListHistory::Redo() {
    CommitGesture();
    if (redo_.empty()) {
        return;
    }
    Apply(redo_.back(), true);
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
}

void ListHistory::Apply(const Step& step, bool forward) {
    applying_ = true;
    auto apply = [this, forward](const Splice& splice) {
        const PackedTexts& gone = forward ? splice.removed : splice.inserted;
        const PackedTexts& back = forward ? splice.inserted : splice.removed;
        model_.ListAt(splice.list)
            .ReplaceRange(splice.position, static_cast<int>(gone.Count()), back.Unpack());
    };
    // Taken back in the reverse order of making: each splice's position is
    // that of the lists as they were just before it.
    if (forward) {
        for (const Splice& splice : step.splices) {
            apply(splice);
        }
    } else {
        for (std::size_t i = step.splices.size(); i-- > 0;) {
            apply(step.splices[i]);
        }
    }
    applying_ = false;
    // Selecting the value selects its weight through the click event.
    model_.Values().SetSelected(forward ? step.selectedAfter : step.selectedBefore);
}

void ListHistory::DropOldest() {
    memory_ -= undo_.front().bytes;
    undo_.pop_front();
    ++dropped_;
    if (clean_ && *clean_ < dropped_) {
        clean_.reset();
    }
}

std::size_t ListHistory::Bytes(const Step& step) {
    return std::accumulate(step.splices.begin(), step.splices.end(),
                           sizeof(Step) + step.splices.capacity() * sizeof(Splice),
                           [](std::size_t bytes, const Splice& splice) {
                               return bytes + splice.removed.Bytes() + splice.inserted.Bytes();
                           });
}

}  // namespace sredna
