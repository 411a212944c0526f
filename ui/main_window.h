#pragma once

#include <QMargins>
#include <QWidget>

#include <array>
#include <bitset>

#include "core/form.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace sredna {

// The one window. It shows the core model and reports the user's actions to
// the form's handlers; a click travels widget → handler → model → change
// notices → one refresh of the widgets that changed.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const Form& form() const { return form_; }
    Form& form() { return form_; }

    QListWidget* spis(int index) const { return spis_.at(static_cast<std::size_t>(index)); }
    QPlainTextEdit* text1(int index) const { return text1_.at(static_cast<std::size_t>(index)); }
    QRadioButton* option1(int index) const { return option1_.at(static_cast<std::size_t>(index)); }
    QPushButton* command1(int index) const { return command1_.at(static_cast<std::size_t>(index)); }
    // Label1 by index; index 4 is Etiket(4).
    QLabel* label(int index) const { return labels_.at(static_cast<std::size_t>(index)); }
    QGroupBox* frame1() const { return frame1_; }

protected:
    bool event(QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void setTabOrder();
    void placeOnScreen();
    QMargins nativeFrameMargins() const;

    // Runs one user action against the model, then shows what changed.
    template <typename Action>
    void handle(Action action);
    void noteChange(const Change& change);
    void refresh();
    void showList(int index, bool items);
    void rebuildList(int index);

    // Editing the values list and the weights list: keys, menu, clipboard.
    // The widgets only forward them to the form's DataEntry.
    enum EntryAction { kAddAction, kEditAction, kDeleteAction, kCopyAction, kPasteAction };
    static constexpr int kEntryActionCount = 5;
    static bool isEntryList(int index) { return index == kValuesList || index == kWeightsList; }
    void buildEntryControls(int index);
    void runEntryAction(int index, EntryAction action);
    void startInsert();
    void commitEdit(int index, int row, const QString& text);
    void editorClosed();
    void updateEntryActions(bool checkClipboard);
    void showText(int index);

    Form form_;
    double dpi_;
    std::array<QListWidget*, WindowModel::kListCount> spis_{};
    std::array<QPlainTextEdit*, WindowModel::kTextCount> text1_{};
    std::array<QRadioButton*, kMeanKindCount> option1_{};
    std::array<QPushButton*, WindowModel::kCommandCount> command1_{};
    std::array<QLabel*, 6> labels_{};
    QGroupBox* frame1_ = nullptr;
    // By list: [0] the values list, [1] the weights list.
    std::array<std::array<QAction*, kEntryActionCount>, 2> entryActions_{};
    // The row Insert opened lives only in the widget until it is committed.
    bool insertPending_ = false;
    bool committing_ = false;

    // What the model changed since the last refresh.
    std::bitset<WindowModel::kListCount> listItems_;
    std::bitset<WindowModel::kListCount> listSelections_;
    std::bitset<WindowModel::kListCount> listVisibility_;
    std::bitset<WindowModel::kTextCount> texts_;
    std::bitset<6> labelVisibility_;
    bool options_ = false;
    bool refreshing_ = false;

    // Where the window was put and by which frame: an X11 window manager
    // adds its frame only after the window is shown.
    QPoint placedAt_;
    QMargins placedFrame_;
    bool placed_ = false;
    bool frameAwaited_ = false;
};

}  // namespace sredna
