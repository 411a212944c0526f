#include "ui/window/list_editor.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QStyledItemDelegate>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "core/model/window_texts.h"
#include "ui/text/model_text.h"
#include "ui/window/command_keys.h"

namespace sredna {

namespace {

// Hands what the user typed in an item's editor to the model instead of
// writing it into the widget: the item keeps showing the model's text until
// the model has taken the new one.
class EntryDelegate : public QStyledItemDelegate {
public:
    using Commit = std::function<void(int row, const QString& text)>;
    using Released = std::function<void(int row)>;
    using InPlace = std::function<bool()>;

    EntryDelegate(Commit commit, Released released, InPlace inPlace, QObject* parent)
        : QStyledItemDelegate(parent),
          commit_(std::move(commit)),
          released_(std::move(released)),
          inPlace_(std::move(inPlace)) {}

    // Ctrl+Z and its kin undo the text being typed, not the lists.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor != nullptr) {
            KeepUndoKeys(*editor);
        }
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                      const QModelIndex& index) const override {
        if (const auto* line = qobject_cast<QLineEdit*>(editor)) {
            commit_(index.row(), line->text());
        }
    }

    // The view lets go of an editor only through here, whichever way it
    // closed.
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::destroyEditor(editor, index);
        released_(index.row());
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor != nullptr && event->type() == QEvent::KeyPress &&
            endsHere(static_cast<QKeyEvent*>(event)->key())) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    // Enter commits at once: the commit Qt would queue could reach an editor
    // that a click has closed meanwhile. Tab and Backtab would commit and
    // open the next row's editor; where the editing must end in place, they
    // end it as Enter does.
    bool endsHere(int key) const {
        return key == Qt::Key_Return || key == Qt::Key_Enter ||
               ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && inPlace_());
    }

    Commit commit_;
    Released released_;
    InPlace inPlace_;
};

std::size_t ActionsOf(int index) {
    return index == kValuesList ? 0 : 1;
}

}  // namespace

ListEditor::ListEditor(Form& form, WidgetSync& sync, const Controls& controls,
                       const WindowCommands& commands)
    : form_(form), sync_(sync), controls_(controls), commands_(commands) {
    buildEntryControls(kValuesList);
    buildEntryControls(kWeightsList);
    connect(&sync_, &WidgetSync::entryListsShown, this, [this] { updateActions(false); });
}

void ListEditor::buildEntryControls(int index) {
    QListView* list = controls_.list(index);
    controls_.listRows(index)->setEditable();
    const QString help = FromModel(index == kValuesList ? texts::kValuesHelp : texts::kWeightsHelp);
    list->setToolTip(help);
    list->setAccessibleDescription(help);
    // F2 goes through its action, so that it edits only a selected item.
    list->setEditTriggers(QAbstractItemView::DoubleClicked);
    auto* delegate = new EntryDelegate(
        [this, index](int row, const QString& text) { commitEdit(index, row, text); },
        [this, index](int row) { editorReleased(index, row); },
        [this, index] { return index == kValuesList && insertPending_; }, this);
    // Gone with this editor, before the lists: a view whose delegate has gone
    // commits nothing more, even from an editor still open as the window
    // closes.
    list->setItemDelegate(delegate);
    // After the view's own slot, which closes the editor first.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this] { endInsertIfClosed(); });

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
    for (const Entry& entry : entries) {
        auto* action = new QAction(FromModel(entry.text), list);
        action->setShortcut(entry.keys);
        // Only while the list itself has the focus: in an item's editor the
        // same keys edit the text.
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this,
                [this, index, what = entry.action] { run(index, what); });
        list->addAction(action);
        actions_[ActionsOf(index)][static_cast<std::size_t>(entry.action)] = action;
    }
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, index, list](QPoint where) {
        updateActions(true);
        menu(index)->popup(list->viewport()->mapToGlobal(where));
    });
}

QMenu* ListEditor::menu(int index) {
    // Made when first asked for: most starts never open one.
    QMenu*& made = menus_[ActionsOf(index)];
    if (made == nullptr) {
        QListView* list = controls_.list(index);
        made = new QMenu(list);
        made->addActions(list->actions());
        commands_.appendTo(*made, WindowCommands::Menu::Data);
        // The clipboard may fill while the menu is away.
        connect(made, &QMenu::aboutToHide, this, [this] { updateActions(false); });
    }
    return made;
}

void ListEditor::deleteSelectedValue() {
    run(kValuesList, kDeleteAction);
}

void ListEditor::run(int index, EntryAction action) {
    DataEntry& entry = form_.Entry();
    const int selected = form_.Model().ListAt(index).Selected();
    QListView* list = controls_.list(index);
    switch (action) {
        case kAddAction:
            startInsert();
            break;
        case kEditAction:
            if (const QModelIndex item = list->model()->index(selected, 0); item.isValid()) {
                list->scrollTo(item);
                list->edit(item);
            }
            break;
        case kDeleteAction:
            sync_.handle([&entry, selected] { entry.Delete(selected); });
            break;
        case kCopyAction:
            QGuiApplication::clipboard()->setText(FromModel(entry.CopyText(index)));
            break;
        case kPasteAction: {
            const std::string text = QGuiApplication::clipboard()->text().toStdString();
            sync_.handle([&entry, index, selected, &text] {
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

void ListEditor::startInsert() {
    endInsertIfClosed();  // a row whose editor the view closed on its own
    if (insertPending_) {
        return;  // its editor is open
    }
    QListView* values = controls_.list(kValuesList);
    insertPending_ = true;
    pendingEditorOpen_ = true;
    const QModelIndex item = sync_.addHeldRow(kValuesList);
    values->setFocus();
    values->scrollTo(item);
    values->edit(item);
}

bool ListEditor::commitOpenEditor() {
    for (int index : {kValuesList, kWeightsList}) {
        QListView* list = controls_.list(index);
        // The editor is on the current row, or on the row Insert opened.
        for (const int row : {list->currentIndex().row(), list->model()->rowCount() - 1}) {
            const QModelIndex item = list->model()->index(row, 0);
            auto* line =
                item.isValid() ? qobject_cast<QLineEdit*>(list->indexWidget(item)) : nullptr;
            if (line == nullptr) {
                continue;
            }
            if (!commitEdit(index, row, line->text())) {
                return false;
            }
            emit list->itemDelegate()->closeEditor(line, QAbstractItemDelegate::NoHint);
            break;
        }
    }
    return true;
}

bool ListEditor::commitEdit(int index, int row, const QString& text) {
    if (committing_) {
        return true;  // the view committing again while the first commit refreshes it
    }
    committing_ = true;
    bool taken = true;
    const std::string typed = text.toStdString();
    DataEntry& entry = form_.Entry();
    const ListBox& values = form_.Model().Values();
    const bool inserted = index == kValuesList && insertPending_ && row == values.Count();
    sync_.handle([&] {
        if (inserted) {
            taken = entry.AddValue(typed);
            if (values.Count() > row) {  // the model took it as its last item
                insertPending_ = false;
                sync_.keepHeldRow(kValuesList);
            }
        } else if (index == kValuesList) {
            taken = entry.EditValue(row, typed);
        } else {
            taken = entry.EditWeight(row, typed);
        }
    });
    committing_ = false;
    return taken;
}

void ListEditor::editorReleased(int index, int row) {
    if (index == kValuesList && insertPending_ &&
        row == controls_.list(kValuesList)->model()->rowCount() - 1) {
        pendingEditorOpen_ = false;
        // Closing the editor ends the insert from the delegate's signal; a
        // view that closed it on its own, with no signal, is answered once
        // it has finished.
        QMetaObject::invokeMethod(this, &ListEditor::endInsertIfClosed, Qt::QueuedConnection);
    }
}

void ListEditor::endInsertIfClosed() {
    if (!insertPending_ || pendingEditorOpen_) {
        return;
    }
    // Refused, blank or abandoned: the row goes, and the list shows the
    // selection the model holds.
    insertPending_ = false;
    sync_.handle([this] { sync_.dropHeldRow(kValuesList); });
}

void ListEditor::updateActions(bool checkClipboard) {
    const WindowModel& model = form_.Model();
    const bool clipboardHasText =
        !checkClipboard || !QGuiApplication::clipboard()->text().isEmpty();
    for (int index : {kValuesList, kWeightsList}) {
        const ListBox& list = model.ListAt(index);
        auto& actions = actions_[ActionsOf(index)];
        actions[kAddAction]->setEnabled(list.Count() < ListBox::kMaxItems);
        actions[kEditAction]->setEnabled(list.Selected() >= 0);
        actions[kDeleteAction]->setEnabled(list.Selected() >= 0);
        actions[kCopyAction]->setEnabled(list.Count() > 0);
        actions[kPasteAction]->setEnabled(clipboardHasText &&
                                          (index == kValuesList || list.Count() > 0));
    }
}

}  // namespace sredna
