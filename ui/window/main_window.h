#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "core/model/form.h"
#include "ui/output/report_output.h"
#include "ui/picture/picture_window.h"
#include "ui/window/controls.h"
#include "ui/window/keys_window.h"
#include "ui/window/layout.h"
#include "ui/window/list_editor.h"
#include "ui/window/numbers_files.h"
#include "ui/window/widget_sync.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_placement.h"
#include "ui/zoom/zoom.h"

class QAction;

namespace sredna {

// The one window. It builds the widgets and wires them to the parts that do
// the work: the sync shows the model in them, the commands give the window
// its keys and menu entries, the list editor edits the values and weights
// lists, the numbers files open and save them, the placement opens the
// window on the screen, and the zoom sets the scale it is drawn at. A click
// travels widget → sync → model → change notices → one refresh of the
// widgets that changed.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // The form outlives the window: its widgets, as they go, may still
    // reach it.
    explicit MainWindow(Form& form, QWidget* parent = nullptr);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // A form for the window: its introduction, and reports in the decimal
    // separator of the user's regional settings.
    static Form makeForm();

    const Form& form() const { return form_; }
    Form& form() { return form_; }

    QListView* spis(int index) const { return controls_.list(index); }
    QPlainTextEdit* text1(int index) const { return controls_.text(index); }
    QRadioButton* option1(int index) const { return controls_.option(index); }
    QPushButton* command1(int index) const { return controls_.command(index); }
    // The labels by index: the title, then those of the counts, the values, the
    // median work, the weights and the ranges.
    QLabel* label(int index) const { return controls_.label(index); }
    QGroupBox* frame1() const { return controls_.frame1; }
    // Opening and saving the lists, also without the dialogs.
    NumbersFiles& numbersFiles() { return files_; }
    // The classroom zoom, for the other windows to follow and its commands.
    Zoom& zoom() { return zoom_; }
    // The button that opens the picture window, and that window once opened.
    QPushButton* pictureButton() const { return pictureButton_; }
    PictureWindow* pictureWindow() const { return picture_.get(); }
    // The keys window (F1), once opened.
    KeysWindow* keysWindow() const { return keys_.get(); }

protected:
    // Numbers the user typed and has not saved are not lost without asking.
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's own look, then its controls.
    Controls build();
    // Every control's place and the window's size: the one place where
    // twips become pixels.
    void layOut();
    // Twips to pixels at the zoom's scale.
    double zoomedDpi() const;
    int pixels(int twips) const;
    QRect pixels(const layout::TwipsRect& rect) const;
    QFont zoomedFont(double pointSize) const;
    bool fitsScreenAt(int percent) const;
    // Draws the window at the zoom's new scale.
    void applyZoom();
    void zoomPicture();
    void zoomKeys();
    void zoomDialogs() const;
    void connectControls();
    void setTabOrder();
    // The button and F4 open the picture window, made when first asked for.
    void connectPicture();
    void showPicture();
    // Undo and redo of the lists, from the window's commands and the picture.
    void undo();
    void redo();
    void addCommands();
    void showKeys();
    // "*" in the caption exactly when closing would ask about the numbers.
    void showUnsaved();

    Form& form_;
    double dpi_;
    Zoom zoom_;
    Controls controls_;
    WidgetSync sync_;
    WindowCommands commands_;
    ListEditor editor_;
    NumbersFiles files_;
    WindowPlacement placement_;
    QPushButton* pictureButton_;
    std::unique_ptr<PictureWindow> picture_;
    ReportOutput report_;
    std::unique_ptr<KeysWindow> keys_;
    QAction* keysAction_ = nullptr;
};

}  // namespace sredna
