#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/model/model_events.h"

namespace sredna {

// A multi-line text box; lines are separated by CR LF.
//
// What the user types stays in the view until something reads the text:
// copying a long text out on every keystroke would make typing slower the
// longer the text is. A view that lets the user edit attaches a reader of its
// own text and reports each edit with EditedInView().
class TextBox {
public:
    using ViewText = std::function<std::string()>;

    TextBox(int index, const EventHub& hub, std::string text = {})
        : index_(index), hub_(hub), text_(std::move(text)) {}

    // The text as the user last saw it, read from the view after an edit.
    const std::string& Text() const;
    // Replaces the text, keeping the buffer so a new report of similar size
    // needs no fresh allocation.
    void SetText(std::string_view text);
    // Adds to the end in place, so building a report piece by piece stays
    // linear in its length.
    void Append(std::string_view piece);

    // Counts the texts the program wrote into the box (not the user's
    // typing), so that a reader can tell whether it still holds one.
    int Revision() const { return revision_; }

    void AttachView(ViewText viewText) { viewText_ = std::move(viewText); }
    // Keeps the view's last edit and lets the view go, before it dies.
    void DetachView() {
        PullViewEdit();
        viewText_ = nullptr;
    }
    // The view already shows the edit, so no change notice goes out.
    void EditedInView() { editedInView_ = static_cast<bool>(viewText_); }

private:
    void PullViewEdit() const;

    int index_;
    const EventHub& hub_;
    mutable std::string text_;
    ViewText viewText_;
    mutable bool editedInView_ = false;
    int revision_ = 0;
};

// A label: a caption and a visible flag.
class Label {
public:
    Label(int index, const EventHub& hub, std::string caption, bool visible = true)
        : index_(index), hub_(hub), caption_(std::move(caption)), visible_(visible) {}

    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

private:
    int index_;
    const EventHub& hub_;
    std::string caption_;
    bool visible_;
};

}  // namespace sredna
