#include "ui/window/widget_sync.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/text/model_text.h"
#include "ui/text/text_lines.h"

namespace sredna {

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

QModelIndex WidgetSync::addHeldRow(int index) {
    return controls_.listRows(index)->addExtraRow();
}

void WidgetSync::keepHeldRow(int index) {
    controls_.listRows(index)->keepExtraRow();
}

void WidgetSync::dropHeldRow(int index) {
    // It goes as the action ends, with the action's other changes.
    controls_.listRows(index)->dropExtraRow();
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
        // Every list's rows, even where no notice came: a held row may go.
        controls_.listRows(i)->endAction();
        if (listItems_[at] || listSelections_[at]) {
            showSelection(i);
        }
        if (listVisibility_[at]) {
            controls_.list(i)->setVisible(model_.ListAt(i).Visible());
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
            controls_.option(i)->setChecked(model_.Kinds().Value(i));
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

void WidgetSync::showSelection(int index) {
    const int selected = model_.ListAt(index).Selected();
    QListView* list = controls_.list(index);
    if (selected < 0) {
        list->clearSelection();
    } else {
        list->selectionModel()->setCurrentIndex(list->model()->index(selected, 0),
                                                QItemSelectionModel::ClearAndSelect);
    }
}

void WidgetSync::showText(int index) {
    QPlainTextEdit* box = controls_.text(index);
    const QString text = text_lines::ToWidget(model_.TextAt(index).Text());
    if (box->toPlainText() != text) {
        box->setPlainText(text);  // also puts the caret and the view at the top
    }
}

}  // namespace sredna
