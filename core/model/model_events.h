#pragma once

#include <functional>
#include <utility>

namespace sredna {

// What changed in the window model, so that a view can follow it without
// polling. The model knows nothing of the view beyond this.
enum class ChangeKind { ListItems, ListSelection, ListVisible, Text, Option, LabelVisible };

struct Change {
    ChangeKind kind;
    int index;  // the control's index in its array
};

// The controls' one way out: change notices for views, click events for the
// form's handlers. Controls hold a reference to their window's hub.
class EventHub {
public:
    using ChangeListener = std::function<void(const Change&)>;
    using ClickHandler = std::function<void(int index)>;

    void SetChangeListener(ChangeListener listener) { changeListener_ = std::move(listener); }
    void SetListClickHandler(ClickHandler handler) { listClick_ = std::move(handler); }
    void SetOptionClickHandler(ClickHandler handler) { optionClick_ = std::move(handler); }

    void Notify(ChangeKind kind, int index) const {
        if (changeListener_) {
            changeListener_(Change{kind, index});
        }
    }
    void RaiseListClick(int index) const {
        if (listClick_) {
            listClick_(index);
        }
    }
    void RaiseOptionClick(int index) const {
        if (optionClick_) {
            optionClick_(index);
        }
    }

private:
    ChangeListener changeListener_;
    ClickHandler listClick_;
    ClickHandler optionClick_;
};

}  // namespace sredna
