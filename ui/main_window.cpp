#include "ui/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "core/window_texts.h"

#include "ui/application.h"
#include "ui/flat_button.h"
#include "ui/flat_frame.h"
#include "ui/intro_text.h"
#include "ui/layout.h"
#include "ui/text_lines.h"

namespace sredna {

namespace {

// The reports use the decimal separator of the user's regional settings.
char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

void PaintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString FromModel(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString AccessibleOptionName(int index, const QString& caption) {
    return index == static_cast<int>(MeanKind::Weighted) ? FromModel(texts::kWeightedAccessibleName)
                                                         : caption;
}

constexpr Qt::ItemFlags kEditableItem =
    Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;

// Hands what the user typed in an item's editor to the model instead of
// writing it into the widget: the item keeps showing the model's text until
// the model has taken the new one.
class EntryDelegate : public QStyledItemDelegate {
public:
    using Commit = std::function<void(int row, const QString& text)>;

    EntryDelegate(Commit commit, QObject* parent)
        : QStyledItemDelegate(parent), commit_(std::move(commit)) {}

    void setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                      const QModelIndex& index) const override {
        if (const auto* line = qobject_cast<QLineEdit*>(editor)) {
            commit_(index.row(), line->text());
        }
    }

private:
    Commit commit_;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      form_(std::string(introText()), SystemDecimalSeparator()),
      dpi_(LogicalDpi()) {
    setWindowTitle(layout::WindowCaption());
    // Screen readers announce the window by its title without the address,
    // which would mix Latin into a Cyrillic name.
    setAccessibleName(FromModel(texts::kCaptionText));
    setWindowIcon(ProgramIcon());
    setFont(layout::WindowFont(layout::kWindowPointSize));
    PaintBackground(this, layout::kWindowColour);
    setFixedSize(layout::ToPixels(layout::kClientWidth, dpi_),
                 layout::ToPixels(layout::kClientHeight, dpi_));

    buildControls();
    form_.Model().Hub().SetChangeListener([this](const Change& change) { noteChange(change); });
    // The first refresh, after the load event, shows every control as the
    // model holds it.
    listItems_.set();
    listSelections_.set();
    listVisibility_.set();
    texts_.set();
    labelVisibility_.set();
    options_ = true;
    handle([this] { form_.Form_Load(); });
    connectControls();
    setTabOrder();
    spis_[kCountList]->setFocus();
}

void MainWindow::buildControls() {
    const WindowModel& model = form_.Model();
    const QFont smallFont = layout::WindowFont(layout::kSmallLabelPointSize);
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        auto* list = new QListWidget(this);
        list->setGeometry(layout::ToPixels(layout::kSpis[i], dpi_));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        spis_[static_cast<std::size_t>(i)] = list;
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        auto* box = new QPlainTextEdit(this);
        box->setGeometry(layout::ToPixels(layout::kText1[i], dpi_));
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        box->setAccessibleName(FromModel(texts::kTextBoxNames.at(static_cast<std::size_t>(i))));
        form_.Model().Text1(i).AttachView(
            [box] { return text_lines::ToModel(box->toPlainText()); });
        text1_[static_cast<std::size_t>(i)] = box;
    }
    for (int i = 0; i < WindowModel::kLabelCount; ++i) {
        auto* header = new QLabel(FromModel(model.LabelAt(i).Caption()), this);
        header->setGeometry(layout::ToPixels(layout::kLabels[i], dpi_));
        header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        PaintBackground(header, layout::kLabelColour);
        if (layout::UsesSmallFont(i)) {
            header->setFont(smallFont);
        }
        labels_[static_cast<std::size_t>(i)] = header;
    }
    // Each list is named after its header for screen readers.
    const std::array<int, WindowModel::kListCount> headers = {1, 2, 5, 4, 3};
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        spis_[static_cast<std::size_t>(i)]->setAccessibleName(
            labels_[static_cast<std::size_t>(headers[static_cast<std::size_t>(i)])]->text());
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        auto* button =
            new FlatButton(FromModel(model.Command1(i)), layout::kCommandColours[i], this);
        button->setGeometry(layout::ToPixels(layout::kCommand1[i], dpi_));
        button->setAccessibleName(button->text());
        command1_[static_cast<std::size_t>(i)] = button;
    }
    frame1_ = new FlatFrame(FromModel(model.Frame1()), this);
    frame1_->setGeometry(layout::ToPixels(layout::kFrame1, dpi_));
    PaintBackground(frame1_, layout::kWindowColour);
    for (int i = 0; i < kMeanKindCount; ++i) {
        auto* option = new QRadioButton(FromModel(model.Option1().Caption(i)), frame1_);
        option->setGeometry(layout::ToPixels(layout::Option1(i), dpi_));
        PaintBackground(option, layout::kOptionColour);
        option->setAccessibleName(AccessibleOptionName(i, option->text()));
        option1_[static_cast<std::size_t>(i)] = option;
    }
    // The title label lies under the report box's top edge.
    labels_[0]->lower();
    buildEntryControls(kValuesList);
    buildEntryControls(kWeightsList);
}

void MainWindow::buildEntryControls(int index) {
    QListWidget* list = spis_[static_cast<std::size_t>(index)];
    const std::size_t at = index == kValuesList ? 0 : 1;
    const QString help = FromModel(index == kValuesList ? texts::kValuesHelp : texts::kWeightsHelp);
    list->setToolTip(help);
    list->setAccessibleDescription(help);
    // F2 goes through its action, so that it edits only a selected item.
    list->setEditTriggers(QAbstractItemView::DoubleClicked);
    auto* delegate = new EntryDelegate(
        [this, index](int row, const QString& text) { commitEdit(index, row, text); }, list);
    list->setItemDelegate(delegate);
    // After the view's own slot, which closes the editor first.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this] { editorClosed(); });

    struct Entry {
        std::string_view text;
        QKeySequence keys;
        EntryAction action;
    };
    const std::array<Entry, kEntryActionCount> entries = {
        Entry{texts::kAddValue, QKeySequence(Qt::Key_Insert), kAddAction},
        Entry{texts::kEdit, QKeySequence(Qt::Key_F2), kEditAction},
        Entry{texts::kDelete, QKeySequence(QKeySequence::Delete), kDeleteAction},
        Entry{texts::kCopyAll, QKeySequence(QKeySequence::Copy), kCopyAction},
        Entry{texts::kPaste, QKeySequence(QKeySequence::Paste), kPasteAction}};
    auto* menu = new QMenu(list);
    for (const Entry& entry : entries) {
        auto* action = new QAction(FromModel(entry.text), list);
        action->setShortcut(entry.keys);
        // Only while the list itself has the focus: in an item's editor the
        // same keys edit the text.
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this,
                [this, index, what = entry.action] { runEntryAction(index, what); });
        list->addAction(action);
        menu->addAction(action);
        entryActions_[at][static_cast<std::size_t>(entry.action)] = action;
    }
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list, menu](QPoint where) {
        updateEntryActions(true);
        menu->popup(list->viewport()->mapToGlobal(where));
    });
    // The clipboard may fill while the menu is away.
    connect(menu, &QMenu::aboutToHide, this, [this] { updateEntryActions(false); });
}

void MainWindow::runEntryAction(int index, EntryAction action) {
    DataEntry& entry = form_.Entry();
    const int selected = form_.Model().Spis(index).Selected();
    QListWidget* list = spis_[static_cast<std::size_t>(index)];
    switch (action) {
        case kAddAction:
            startInsert();
            break;
        case kEditAction:
            if (QListWidgetItem* item = list->item(selected)) {
                list->scrollToItem(item);
                list->editItem(item);
            }
            break;
        case kDeleteAction:
            handle([&entry, selected] { entry.Delete(selected); });
            break;
        case kCopyAction:
            QGuiApplication::clipboard()->setText(FromModel(entry.CopyText(index)));
            break;
        case kPasteAction: {
            const std::string text = QGuiApplication::clipboard()->text().toStdString();
            handle([&entry, index, selected, &text] {
                if (index == kValuesList) {
                    entry.PasteValues(text);
                } else {
                    entry.PasteWeights(std::max(selected, 0), text);
                }
            });
            break;
        }
    }
}

void MainWindow::startInsert() {
    QListWidget* values = spis_[kValuesList];
    if (insertPending_) {
        return;
    }
    insertPending_ = true;
    // The row is the widget's alone: no selection echo reaches the model.
    refreshing_ = true;
    auto* item = new QListWidgetItem(values);
    item->setFlags(kEditableItem);
    values->setFocus();
    values->scrollToItem(item);
    values->editItem(item);
    refreshing_ = false;
}

void MainWindow::commitEdit(int index, int row, const QString& text) {
    if (committing_) {
        return;  // the view committing again while the first commit refreshes it
    }
    committing_ = true;
    const std::string typed = text.toStdString();
    DataEntry& entry = form_.Entry();
    const bool inserted =
        index == kValuesList && insertPending_ && row == form_.Model().Spis(kValuesList).Count();
    handle([&] {
        if (inserted) {
            insertPending_ = false;
            entry.AddValue(typed);
            listItems_.set(kValuesList);  // the temporary row becomes the model's, or goes
        } else if (index == kValuesList) {
            entry.EditValue(row, typed);
        } else {
            entry.EditWeight(row, typed);
        }
    });
    committing_ = false;
}

void MainWindow::editorClosed() {
    if (insertPending_) {  // closed without a commit: Escape
        handle([this] {
            insertPending_ = false;
            listItems_.set(kValuesList);
        });
    }
}

void MainWindow::updateEntryActions(bool checkClipboard) {
    const WindowModel& model = form_.Model();
    const bool clipboardHasText =
        !checkClipboard || !QGuiApplication::clipboard()->text().isEmpty();
    for (int index : {kValuesList, kWeightsList}) {
        const ListBox& list = model.Spis(index);
        auto& actions = entryActions_[index == kValuesList ? 0 : 1];
        actions[kAddAction]->setEnabled(list.Count() < ListBox::kMaxItems);
        actions[kEditAction]->setEnabled(list.Selected() >= 0);
        actions[kDeleteAction]->setEnabled(list.Selected() >= 0);
        actions[kCopyAction]->setEnabled(list.Count() > 0);
        actions[kPasteAction]->setEnabled(clipboardHasText &&
                                          (index == kValuesList || list.Count() > 0));
    }
}

void MainWindow::connectControls() {
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        QListWidget* list = spis_[static_cast<std::size_t>(i)];
        connect(list, &QListWidget::itemSelectionChanged, this, [this, i, list] {
            const QList<QListWidgetItem*> selected = list->selectedItems();
            const int row = selected.isEmpty() ? -1 : list->row(selected.first());
            handle([this, i, row] {
                form_.Model().Spis(i).SetSelected(row);
                // The model may keep its selection: show the one it holds.
                listSelections_.set(static_cast<std::size_t>(i));
            });
        });
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        QPlainTextEdit* box = text1_[static_cast<std::size_t>(i)];
        // The model reads an edited text back only when it needs it.
        connect(box, &QPlainTextEdit::textChanged, this,
                [this, i] { handle([this, i] { form_.Model().Text1(i).EditedInView(); }); });
    }
    for (int i = 0; i < kMeanKindCount; ++i) {
        connect(option1_[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) {
                        handle([this, i] { form_.Model().Option1().Select(i); });
                    }
                });
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        connect(command1_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { handle([this, i] { form_.Command1_Click(i); }); });
    }
}

void MainWindow::setTabOrder() {
    const std::array<QWidget*, 16> order = {
        spis_[kCountList],   spis_[kValuesList], text1_[kIntroBox],  spis_[kRangeList],
        command1_[0],        command1_[1],       text1_[kReportBox], command1_[2],
        spis_[kWeightsList], spis_[kMedianList], option1_[0],        option1_[1],
        option1_[2],         option1_[3],        option1_[4],        option1_[5]};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

// The window is centred by its frame, which exists only with the native
// window: first when it is shown, and again, once, when an X11 window manager
// frames it only after that, unless the window has been moved meanwhile.
bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Show:
            if (!placed_) {
                placed_ = true;
                placeOnScreen();
                frameAwaited_ = placedFrame_.isNull();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate:
            if (frameAwaited_ && nativeFrameMargins() != placedFrame_) {
                frameAwaited_ = false;
                if (geometry().topLeft() == placedAt_) {
                    placeOnScreen();
                }
            }
            // A window manager has framed the window before it activates
            // it; without one no frame comes.
            if (event->type() == QEvent::WindowActivate) {
                frameAwaited_ = false;
            }
            break;
        default:
            break;
    }
    return handled;
}

QMargins MainWindow::nativeFrameMargins() const {
    // The window system's own, not QWidget's copy, which it updates only on a move.
    const QWindow* native = windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

void MainWindow::placeOnScreen() {
    const QScreen* where = screen();
    if (where == nullptr) {
        return;
    }
    placedFrame_ = nativeFrameMargins();
    const QPoint frame =
        layout::WindowPosition(size().grownBy(placedFrame_), where->availableGeometry());
    placedAt_ = frame + QPoint(placedFrame_.left(), placedFrame_.top());
    setGeometry(QRect(placedAt_, size()));
}

template <typename Action>
void MainWindow::handle(Action action) {
    if (refreshing_) {
        return;  // a widget echoing what refresh() just showed it
    }
    action();
    refresh();
}

void MainWindow::noteChange(const Change& change) {
    const auto at = static_cast<std::size_t>(change.index);
    switch (change.kind) {
        case ChangeKind::ListItems:
            listItems_.set(at);
            break;
        case ChangeKind::ListSelection:
            listSelections_.set(at);
            break;
        case ChangeKind::ListVisible:
            listVisibility_.set(at);
            break;
        case ChangeKind::Text:
            texts_.set(at);
            break;
        case ChangeKind::Option:
            options_ = true;
            break;
        case ChangeKind::LabelVisible:
            labelVisibility_.set(at);
            break;
    }
}

void MainWindow::refresh() {
    refreshing_ = true;
    const WindowModel& model = form_.Model();
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (listItems_[at] || listSelections_[at]) {
            showList(i, listItems_[at]);
        }
        if (listVisibility_[at]) {
            spis_[at]->setVisible(model.Spis(i).Visible());
        }
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        if (texts_[static_cast<std::size_t>(i)]) {
            showText(i);
        }
    }
    for (int i = 0; i < WindowModel::kLabelCount; ++i) {
        if (labelVisibility_[static_cast<std::size_t>(i)]) {
            labels_[static_cast<std::size_t>(i)]->setVisible(model.LabelAt(i).Visible());
        }
    }
    if (listItems_[kValuesList] || listItems_[kWeightsList] || listSelections_[kValuesList] ||
        listSelections_[kWeightsList]) {
        updateEntryActions(false);
    }
    if (options_) {
        for (int i = 0; i < kMeanKindCount; ++i) {
            option1_[static_cast<std::size_t>(i)]->setChecked(model.Option1().Value(i));
        }
    }
    listItems_.reset();
    listSelections_.reset();
    listVisibility_.reset();
    texts_.reset();
    labelVisibility_.reset();
    options_ = false;
    refreshing_ = false;
}

void MainWindow::showList(int index, bool items) {
    const ListBox& source = form_.Model().Spis(index);
    QListWidget* list = spis_[static_cast<std::size_t>(index)];
    if (items) {
        // An edit, an added or a deleted item changes at most one row's worth:
        // those rows are updated in place, so an open editor and the view's
        // place survive; anything larger is shown afresh.
        const int rows = list->count();
        if (rows == 0 || std::abs(rows - source.Count()) > 1) {
            rebuildList(index);
        } else {
            const int common = std::min(rows, source.Count());
            for (int row = 0; row < common; ++row) {
                const QString text = FromModel(source.Item(row));
                if (list->item(row)->text() != text) {
                    list->item(row)->setText(text);
                }
            }
            if (rows > source.Count()) {
                delete list->takeItem(rows - 1);
            } else if (rows < source.Count()) {
                auto* item = new QListWidgetItem(FromModel(source.Item(rows)));
                if (isEntryList(index)) {
                    item->setFlags(kEditableItem);
                }
                list->addItem(item);
            }
        }
    }
    if (source.Selected() < 0) {
        list->clearSelection();
    } else {
        list->setCurrentRow(source.Selected());
    }
}

void MainWindow::rebuildList(int index) {
    const ListBox& source = form_.Model().Spis(index);
    QListWidget* list = spis_[static_cast<std::size_t>(index)];
    list->clear();
    QStringList texts;
    texts.reserve(source.Count());
    for (const std::string& item : source.Items()) {
        texts.append(FromModel(item));
    }
    list->addItems(texts);
    if (isEntryList(index)) {
        // Flags are read when an editor opens; no view needs telling.
        const QSignalBlocker quiet(list->model());
        for (int row = 0; row < list->count(); ++row) {
            list->item(row)->setFlags(kEditableItem);
        }
    }
}

void MainWindow::showText(int index) {
    QPlainTextEdit* box = text1_[static_cast<std::size_t>(index)];
    const QString text = text_lines::ToWidget(form_.Model().Text1(index).Text());
    if (box->toPlainText() != text) {
        box->setPlainText(text);  // also puts the caret and the view at the top
    }
}

}  // namespace sredna
