#include "ui/window/widget_sync.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdlib>

#include "ui/text/model_text.h"
#include "ui/text/text_lines.h"

namespace sredna {

namespace {

constexpr Qt::ItemFlags kEditableItem =
    Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;

}  // namespace

WidgetSync::WidgetSync(Form& form, const Controls& controls)
    : form_(form),
      model_(form.Model()),
      controls_(controls),
      changes_(model_.Hub().Listen([this](const Change& change) { noteChange(change); })) {}

void WidgetSync::markAll() {
    listItems_.set();
    listSelections_.set();
    listVisibility_.set();
    texts_.set();
    labelVisibility_.set();
    options_ = true;
}

void WidgetSync::markSelection(int index) {
    listSelections_.set(static_cast<std::size_t>(index));
}

void WidgetSync::setEditable(int index) {
    editable_.set(static_cast<std::size_t>(index));
}

QListWidgetItem* WidgetSync::addHeldRow(int index) {
    heldRows_.set(static_cast<std::size_t>(index));
    QListWidget* list = controls_.list(index);
    // Nothing the list does with its own row concerns the model.
    const QSignalBlocker quiet(list);
    auto* row = new QListWidgetItem(list);
    row->setFlags(kEditableItem);
    return row;
}

void WidgetSync::keepHeldRow(int index) {
    heldRows_.reset(static_cast<std::size_t>(index));
}

void WidgetSync::dropHeldRow(int index) {
    heldRows_.reset(static_cast<std::size_t>(index));
    QListWidget* list = controls_.list(index);
    {
        const QSignalBlocker quiet(list);
        delete list->takeItem(list->count() - 1);
    }
    markSelection(index);
}

void WidgetSync::noteChange(const Change& change) {
    const auto at = static_cast<std::size_t>(change.index);
    switch (change.kind) {
        case ChangeKind::ListItems:
            listItems_.set(at);
            pictureInputs_ =
                pictureInputs_ || change.index == kValuesList || change.index == kWeightsList;
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
            pictureInputs_ = true;
            break;
        case ChangeKind::LabelVisible:
            labelVisibility_.set(at);
            break;
    }
}

void WidgetSync::refresh() {
    refreshing_ = true;
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (listItems_[at] || listSelections_[at]) {
            showList(i, listItems_[at]);
        }
        if (listVisibility_[at]) {
            controls_.list(i)->setVisible(model_.Spis(i).Visible());
        }
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        if (texts_[static_cast<std::size_t>(i)]) {
            showText(i);
        }
    }
    for (int i = 0; i < WindowModel::kLabelCount; ++i) {
        if (labelVisibility_[static_cast<std::size_t>(i)]) {
            controls_.label(i)->setVisible(model_.LabelAt(i).Visible());
        }
    }
    if (options_) {
        for (int i = 0; i < kMeanKindCount; ++i) {
            controls_.option(i)->setChecked(model_.Option1().Value(i));
        }
    }
    const bool entryListsChanged = listItems_[kValuesList] || listItems_[kWeightsList] ||
                                   listSelections_[kValuesList] || listSelections_[kWeightsList];
    listItems_.reset();
    listSelections_.reset();
    listVisibility_.reset();
    texts_.reset();
    labelVisibility_.reset();
    options_ = false;
    refreshing_ = false;
    if (entryListsChanged) {
        emit entryListsShown();
    }
    if (pictureInputs_) {
        pictureInputs_ = false;
        emit pictureInputsChanged();
    }
    emit refreshed();
}

void WidgetSync::showList(int index, bool items) {
    const ListBox& source = model_.Spis(index);
    QListWidget* list = controls_.list(index);
    if (items) {
        // An edit, an added or a deleted item changes at most one row's worth:
        // those rows are updated in place, so an open editor and the view's
        // place survive; anything larger is shown afresh.
        const int rows = list->count() - (heldRows_[static_cast<std::size_t>(index)] ? 1 : 0);
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
                if (editable_[static_cast<std::size_t>(index)]) {
                    item->setFlags(kEditableItem);
                }
                list->insertItem(rows, item);
            }
        }
    }
    if (source.Selected() < 0) {
        list->clearSelection();
    } else {
        list->setCurrentRow(source.Selected());
    }
}

void WidgetSync::rebuildList(int index) {
    const ListBox& source = model_.Spis(index);
    QListWidget* list = controls_.list(index);
    if (heldRows_[static_cast<std::size_t>(index)]) {
        // Everything but the held row, whose editor stays open.
        list->model()->removeRows(0, list->count() - 1);
    } else {
        list->clear();
    }
    QStringList texts;
    texts.reserve(source.Count());
    for (const std::string& item : source.Items()) {
        texts.append(FromModel(item));
    }
    list->insertItems(0, texts);
    if (editable_[static_cast<std::size_t>(index)]) {
        // Flags are read when an editor opens; no view needs telling.
        const QSignalBlocker quiet(list->model());
        for (int row = 0; row < source.Count(); ++row) {
            list->item(row)->setFlags(kEditableItem);
        }
    }
}

void WidgetSync::showText(int index) {
    QPlainTextEdit* box = controls_.text(index);
    const QString text = text_lines::ToWidget(model_.Text1(index).Text());
    if (box->toPlainText() != text) {
        box->setPlainText(text);  // also puts the caret and the view at the top
    }
}

}  // namespace sredna
