#pragma once

#include <QObject>

#include <array>

#include "core/model/form.h"
#include "ui/window/controls.h"
#include "ui/window/widget_sync.h"
#include "ui/window/window_commands.h"

class QAction;
class QMenu;
class QString;

namespace sredna {

// Editing the values list and the weights list: an item's editor, the row
// Insert opens, and the entry actions with their keys and right-click menu,
// where the window's data commands follow them.
// The widgets only forward the user's edits to the form's DataEntry, through
// the sync, which then shows what the model made of them.
class ListEditor : public QObject {
    Q_OBJECT

public:
    ListEditor(Form& form, WidgetSync& sync, const Controls& controls,
               const WindowCommands& commands);

    // Commits a value still being typed in either list's editor and closes
    // the editor; false, with the editor left open and the report box saying
    // why, when the list refuses it.
    bool commitOpenEditor();
    // Delete in the values list: the selected value and its weight go.
    void deleteSelectedValue();

private:
    enum EntryAction { kAddAction, kEditAction, kDeleteAction, kCopyAction, kPasteAction };
    static constexpr int kEntryActionCount = 5;

    void buildEntryControls(int index);
    // The list's right-click menu: its entry actions with their keys.
    QMenu* menu(int index);
    void run(int index, EntryAction action);
    void startInsert();
    // False when the list refused the text.
    bool commitEdit(int index, int row, const QString& text);
    void editorReleased(int index, int row);
    void endInsertIfClosed();
    void updateActions(bool checkClipboard);

    Form& form_;
    WidgetSync& sync_;
    const Controls& controls_;
    const WindowCommands& commands_;
    // By list: [0] the values list, [1] the weights list.
    std::array<std::array<QAction*, kEntryActionCount>, 2> actions_{};
    std::array<QMenu*, 2> menus_{};
    // The row Insert opened is the view's alone, an extra row after the
    // values list's last, until the model takes its value; it goes only after
    // the view has let go of its editor.
    bool insertPending_ = false;
    bool pendingEditorOpen_ = false;
    bool committing_ = false;
};

}  // namespace sredna
