#pragma once

#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>

#include "core/model/form.h"
#include "core/picture/value_order.h"
#include "core/picture/value_step.h"
#include "ui/picture/picture_commands.h"

namespace sredna {

// What the picture's keys and drags do to the values list. The selection is
// the list's own; the step is counted when a value is selected and kept
// while it moves. A drag, or a key held down on one value, is one step to
// undo; every other key press is one of its own.
class ValueMover {
public:
    ValueMover(Form& form, PictureCommands commands, char separator);

    int selected() const { return form_.Model().Values().Selected(); }
    // Left, Right, Home, End: another value selected, as a click on its row.
    void select(int position);
    // Shift and the arrows, Page Up and Page Down. held: the key repeats
    // while held down, and its moves join the first one's step.
    void moveBy(std::int64_t steps, bool held);
    void moveByTenth(int direction, double span, bool held);
    // A key let go: a key held down has made its step.
    void endKeyMove();
    // order: the values as the keys walk them, to select the next.
    void remove(const ValueOrder& order);
    void undo();
    void redo();

    // A press on a dot, the pointer moving, let go, Escape.
    void beginDrag(int position);
    // Where the pointer is on the line: the value snapped to the step.
    void dragTo(double place);
    void endDrag();
    void cancelDrag();
    bool dragging() const { return dragged_ >= 0; }

    // While the pupil guesses the mean, no report is written, since it
    // would give the mean away; the report of what changed meanwhile is
    // written when the hold ends.
    void holdReports(bool hold);

    // Why the last move did nothing; empty after one that did something.
    const std::string& refusal() const { return refusal_; }
    // The lists changed from elsewhere: the step is counted again.
    void listsChanged();

private:
    ValueStep step();
    // One move of the selected value, in the gesture that is open.
    void move(int position, const MovedValue& moved, bool held);
    // The report follows every change made here: once the keys stop.
    void changed();
    void writeReport();
    void closeKeyMove();

    Form& form_;
    PictureCommands commands_;
    char separator_;
    std::optional<ValueStep> step_;
    int stepFor_ = -1;
    int dragged_ = -1;
    // The dragged value's text as the drag began.
    std::string dragFrom_;
    bool keyMove_ = false;
    bool ownChange_ = false;
    std::string refusal_;
    QTimer report_;
    bool held_ = false;
    // A report was due while they were held.
    bool due_ = false;
};

}  // namespace sredna
