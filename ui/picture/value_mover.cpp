#include "ui/picture/value_mover.h"

#include <utility>

#include "core/numbers/numbers.h"
#include "core/picture/value_order.h"

namespace sredna {

namespace {

// The report of 32,767 values takes up to 45 ms to write; written at once,
// it took a key move, with the picture's own work, to 101 ms: past a key's
// 100 ms. It is written once the keys stop, and as a drag is let go.
constexpr int kReportDelayMs = 300;

}  // namespace

ValueMover::ValueMover(Form& form, PictureCommands commands, char separator)
    : form_(form), commands_(std::move(commands)), separator_(separator) {
    report_.setSingleShot(true);
    report_.setInterval(kReportDelayMs);
    report_.callOnTimeout([this] { commands_.calculate(); });
}

void ValueMover::select(int position) {
    closeKeyMove();
    if (position < 0) {
        return;
    }
    refusal_.clear();
    commands_.change([this, position] { form_.Model().Values().SetSelected(position); });
}

ValueStep ValueMover::step() {
    if (!step_ || stepFor_ != selected()) {
        step_ = ValueStep::Of(form_.Model().Values());
        stepFor_ = selected();
    }
    return *step_;
}

void ValueMover::moveBy(std::int64_t steps, bool held) {
    const int position = selected();
    if (position < 0) {
        return;
    }
    const double value = ItemValue(form_.Model().Values().Item(position));
    move(position, step().By(value, steps, separator_), held);
}

void ValueMover::moveByTenth(int direction, double span, bool held) {
    const int position = selected();
    if (position < 0) {
        return;
    }
    const double value = ItemValue(form_.Model().Values().Item(position));
    move(position, step().ByTenth(value, span, direction, separator_), held);
}

void ValueMover::move(int position, const MovedValue& moved, bool held) {
    if (moved.refusal) {
        refusal_ = MoveRefusalText(*moved.refusal);
        return;
    }
    refusal_.clear();
    if (!dragging() && !(held && keyMove_)) {
        closeKeyMove();
        form_.BeginMove();
        keyMove_ = true;
    }
    ownChange_ = true;
    commands_.change([this, position, &moved] { form_.MoveValue(position, moved.text); });
    ownChange_ = false;
    changed();
}

void ValueMover::endKeyMove() {
    closeKeyMove();
}

void ValueMover::closeKeyMove() {
    if (keyMove_) {
        keyMove_ = false;
        commands_.change([this] { form_.EndMove(); });
    }
}

void ValueMover::remove(const ValueOrder& order) {
    closeKeyMove();
    const int position = selected();
    if (position < 0) {
        return;
    }
    // The next value up, or down from the largest, in value order; its place
    // in the list closes up over the deleted one.
    int next = order.Next(position);
    if (next < 0) {
        next = order.Previous(position);
    }
    refusal_.clear();
    commands_.remove();
    if (next >= 0) {
        select(next > position ? next - 1 : next);
    }
    changed();
}

void ValueMover::undo() {
    closeKeyMove();
    refusal_.clear();
    commands_.undo();
    changed();
}

void ValueMover::redo() {
    closeKeyMove();
    refusal_.clear();
    commands_.redo();
    changed();
}

void ValueMover::beginDrag(int position) {
    select(position);
    form_.BeginMove();
    dragged_ = position;
    dragFrom_ = form_.Model().Values().Item(position);
}

void ValueMover::dragTo(double place) {
    if (!dragging()) {
        return;
    }
    const MovedValue moved = step().To(place, separator_);
    if (moved.refusal || moved.text != form_.Model().Values().Item(dragged_)) {
        move(dragged_, moved, true);
    }
}

void ValueMover::endDrag() {
    if (!dragging()) {
        return;
    }
    // A press on a dot that only selects it changes nothing to report.
    const bool moved = form_.Model().Values().Item(dragged_) != dragFrom_;
    dragged_ = -1;
    commands_.change([this] { form_.EndMove(); });
    if (moved) {
        writeReport();
    }
}

void ValueMover::cancelDrag() {
    if (!dragging()) {
        return;
    }
    dragged_ = -1;
    ownChange_ = true;
    commands_.change([this] { form_.CancelMove(); });
    ownChange_ = false;
    // The lists are back as they were, and no report was written meanwhile.
}

void ValueMover::listsChanged() {
    if (!ownChange_) {
        step_.reset();
    }
}

void ValueMover::changed() {
    // A drag writes the report as it is let go.
    if (held_) {
        due_ = true;
    } else if (!dragging()) {
        report_.start();
    }
}

void ValueMover::writeReport() {
    report_.stop();
    if (held_) {
        due_ = true;
        return;
    }
    commands_.calculate();
}

void ValueMover::holdReports(bool hold) {
    held_ = hold;
    if (hold) {
        due_ = due_ || report_.isActive();
        report_.stop();
    } else if (std::exchange(due_, false)) {
        writeReport();
    }
}

}  // namespace sredna
