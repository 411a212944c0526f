#pragma once

#include <QString>
#include <QWidget>

#include <optional>

#include "core/model/form.h"
#include "ui/picture/picture_commands.h"

class QLabel;

class QTabWidget;
class QTableView;

namespace sredna {

class PictureView;
class ValueTableModel;

// The window of the picture: an ordinary window beside the main one, whose
// picture follows the model, in one tab, and the table of the values in
// another (Ctrl+Tab). It copies the picture as an image (Ctrl+C) and saves it
// as PNG or PDF (Ctrl+S), also from its right-click menu. Closing it only
// hides it. Under the tabs a status line says why a move did nothing, until
// the next thing done in the picture succeeds.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    // size: where there is room; minimum: the least it may be made.
    // moves: how the picture changes the lists, the window's way.
    PictureWindow(Form& form, PictureCommands moves, char separator, const QSize& size,
                  const QSize& minimum);

    // Shows it, beside the given window the first time, and brings it to
    // the front.
    void present(const QWidget& beside);
    // The lists or the kind have changed.
    void modelChanged();
    // Another value is selected in the values list.
    void selectionChanged();
    // Draws the picture at a classroom zoom factor: in the zoomed font, the
    // window grown or shrunk in proportion, never below minimum nor beyond
    // the screen, and placed beside `beside` again.
    void setZoom(double factor, const QFont& font, const QSize& minimum, const QWidget& beside);

    PictureView* view() const { return view_; }
    QTabWidget* tabs() const { return tabs_; }
    QTableView* table() const { return table_; }
    QLabel* status() const { return status_; }

private:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Beside `other` where there is room; the first time also narrowed to
    // the room there, down to its minimum; otherwise where it is, on screen.
    void placeBeside(const QWidget& other, bool mayNarrow);
    // The largest client size whose frame fits the screen's available area.
    QSize roomOnScreen() const;
    void copy();
    // "Познай средната" (P) in the right-click menu.
    void addGuessAction();
    void saveAs();
    // Ctrl+Tab and Ctrl+Shift+Tab: the next tab or the one before, with the
    // keys' focus in it.
    void turnTab(int step);

    // First: the view reads it.
    ValueTableModel* values_;
    PictureView* view_;
    QTableView* table_;
    QTabWidget* tabs_;
    QLabel* status_;
    // The size the zoom gave, before the screen bounded it; invalid once the
    // user sizes the window.
    QSize zoomedSize_;
    bool zooming_ = false;
    bool placed_ = false;
    // The lists changed while the window was hidden or a value was dragged.
    bool tableStale_ = false;
    // The zoom it was last drawn at; at first that of the sizes it was made
    // with.
    std::optional<double> factor_;
};

}  // namespace sredna
