#include "core/model/text_box.h"

namespace sredna {

const std::string& TextBox::Text() const {
    PullViewEdit();
    return text_;
}

void TextBox::PullViewEdit() const {
    if (editedInView_) {
        text_ = viewText_();
        editedInView_ = false;
    }
}

void TextBox::SetText(std::string_view text) {
    editedInView_ = false;  // the new text replaces the user's edit
    text_.assign(text);
    ++revision_;
    hub_.Notify(ChangeKind::Text, index_);
}

void TextBox::Append(std::string_view piece) {
    PullViewEdit();  // the piece goes after what the user typed
    text_.append(piece);
    ++revision_;
    hub_.Notify(ChangeKind::Text, index_);
}

void Label::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        hub_.Notify(ChangeKind::LabelVisible, index_);
    }
}

}  // namespace sredna
