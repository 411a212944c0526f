#pragma once

#include <QKeySequence>
#include <QList>

#include <string_view>

class QWidget;

namespace sredna {

// The key sequences of a command's keys as the core writes them for the
// keys window: "Ctrl+Y, Ctrl+Shift+Z" gives two.
QList<QKeySequence> KeySequences(std::string_view keys);

// Makes a text field keep the keys that undo and redo the lists as its own:
// in it they undo and redo its text, on every platform, and never reach the
// window's commands.
void KeepUndoKeys(QWidget& field);

}  // namespace sredna
