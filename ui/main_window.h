#pragma once

#include <QPointer>
#include <QWidget>

#include "core/form.h"
#include "ui/controls.h"
#include "ui/keys_window.h"
#include "ui/layout.h"
#include "ui/list_editor.h"
#include "ui/numbers_files.h"
#include "ui/widget_sync.h"
#include "ui/window_commands.h"
#include "ui/window_placement.h"

namespace sredna {

// The one window. It builds the widgets and wires them to the parts that do
// the work: the sync shows the model in them, the commands give the window
// its keys and menu entries, the list editor edits the values and weights
// lists, the numbers files open and save them, and the placement opens the
// window on the screen. A click travels widget → sync → model → change notices → one
// refresh of the widgets that changed.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const Form& form() const { return form_; }
    Form& form() { return form_; }

    QListWidget* spis(int index) const { return controls_.list(index); }
    QPlainTextEdit* text1(int index) const { return controls_.text(index); }
    QRadioButton* option1(int index) const { return controls_.option(index); }
    QPushButton* command1(int index) const { return controls_.command(index); }
    // Label1 by index; index 4 is Etiket(4).
    QLabel* label(int index) const { return controls_.label(index); }
    QGroupBox* frame1() const { return controls_.frame1; }
    // Opening and saving the lists, also without the dialogs.
    NumbersFiles& numbersFiles() { return files_; }

protected:
    // Numbers the user typed and has not saved are not lost without asking.
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's own look, then its controls.
    Controls build();
    // Every control's place and the window's size: the one place where
    // twips become pixels.
    void layOut();
    int pixels(int twips) const;
    QRect pixels(const layout::TwipsRect& rect) const;
    void connectControls();
    void setTabOrder();
    void addCommands();
    void showKeys();

    Form form_;
    double dpi_;
    Controls controls_;
    WidgetSync sync_;
    WindowCommands commands_;
    ListEditor editor_;
    NumbersFiles files_;
    WindowPlacement placement_;
    QPointer<KeysWindow> keys_;
};

}  // namespace sredna
