#pragma once

#include <QString>

#include <string_view>

#include "core/model/form.h"
#include "ui/window/widget_sync.h"

class QWidget;

namespace sredna {

// The lists as numbers files: opened from Qt's own file dialog and saved
// through the program's one save dialog and whole-or-nothing write
// (save_file.h), which speak Bulgarian throughout where the system's speak
// the system's language, and the question before numbers the user typed
// would be lost.
class NumbersFiles {
public:
    NumbersFiles(QWidget& window, Form& form, WidgetSync& sync);

    // Asks about unsaved numbers, then opens the file the user chooses.
    void openChosen();
    // Saves to the file the user chooses; false when nothing was saved.
    bool saveChosen();
    // Whether the lists' numbers may go: none are unsaved, or the user has
    // saved them or chosen to let them go.
    bool mayDiscard();

    // Reads a file into the lists, or says why it could not; the lists
    // change only when the whole file is good. Only regular files are read:
    // a folder, a device or a pipe is refused at once, never waited on.
    bool open(const QString& path);
    // Writes the lists to a file whole, or says why it could not and leaves
    // any file of that name as it was.
    bool save(const QString& path);

private:
    // The file the user chooses to open, or an empty path.
    QString chooseToOpen();
    // A message about the file: `before`, its name, `after`.
    void tell(std::string_view before, const QString& path, std::string_view after);

    QWidget& window_;
    Form& form_;
    WidgetSync& sync_;
    // Both dialogs open where the last one chose, for as long as the program
    // runs.
};

}  // namespace sredna
