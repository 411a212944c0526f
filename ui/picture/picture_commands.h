#pragma once

#include <functional>

namespace sredna {

// What the picture asks of the window that owns the lists: every change runs
// the way that window runs its own, and then shows in all its widgets.
struct PictureCommands {
    // Runs a change to the form and shows it.
    std::function<void(const std::function<void()>&)> change;
    // Ctrl+Z and Ctrl+Y: the window's own undo and redo.
    std::function<void()> undo;
    std::function<void()> redo;
    // Delete: the values list's own, the selected value with its weight.
    std::function<void()> remove;
    // The report box written again, as "Изчисли" writes it.
    std::function<void()> calculate;
};

}  // namespace sredna
