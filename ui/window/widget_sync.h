#pragma once

#include <QObject>

#include <bitset>

#include "core/model/form.h"
#include "core/model/model_events.h"
#include "core/model/window_model.h"
#include "ui/window/controls.h"

namespace sredna {

// Keeps the widgets in step with the model. Every user action runs through
// handle(): the model's controls send change notices as they change, which
// are noted here; the form then ends the action (one step to undo), and one
// refresh updates only the widgets that changed.
class WidgetSync : public QObject {
    Q_OBJECT

public:
    WidgetSync(Form& form, const Controls& controls);

    // Runs one user action against the model, then shows what changed. An
    // action that comes while a refresh runs is a widget echoing what it was
    // just shown, and is dropped.
    template <typename Action>
    void handle(Action action) {
        if (refreshing_) {
            return;
        }
        action();
        form_.EndAction();
        refresh();
    }

    // The next refresh shows every control as the model holds it.
    void markAll();
    // The next refresh shows the list's selection as the model holds it,
    // changed or not.
    void markSelection(int index);
    // A row of the view's own at the end of a list (the row Insert opens),
    // which the list's rows keep after the model's until it is let go:
    // kept, when the model has taken it as its own last item, or dropped.
    QModelIndex addHeldRow(int index);
    void keepHeldRow(int index);
    // Dropping it also marks the list's selection.
    void dropHeldRow(int index);

signals:
    // A refresh has shown new items or a new selection of the values list or
    // the weights list.
    void entryListsShown();
    // The model's values list, weights list or kind changed in the last
    // action: what the picture shows.
    void pictureInputsChanged();
    // A refresh has run: whatever depends on the model as a whole, such as
    // whether its numbers are saved, may have changed.
    void refreshed();

private:
    void noteChange(const Change& change);
    void refresh();
    void showSelection(int index);
    void showText(int index);

    Form& form_;
    WindowModel& model_;
    const Controls& controls_;

    // What the model changed since the last refresh.
    std::bitset<WindowModel::kListCount> listItems_;
    std::bitset<WindowModel::kListCount> listSelections_;
    std::bitset<WindowModel::kListCount> listVisibility_;
    std::bitset<WindowModel::kTextCount> texts_;
    std::bitset<WindowModel::kLabelCount> labelVisibility_;
    bool options_ = false;
    bool pictureInputs_ = false;

    bool refreshing_ = false;
    // Last: the notices stop before anything they would note goes.
    EventHub::Subscription changes_;
};

}  // namespace sredna
