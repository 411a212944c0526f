#include "core/text_box.h"

namespace sredna {

void TextBox::SetText(std::string_view text) {
    text_.assign(text);
    hub_.Notify(ChangeKind::Text, index_);
}

void TextBox::Append(std::string_view piece) {
    text_.append(piece);
    hub_.Notify(ChangeKind::Text, index_);
}

void Label::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        hub_.Notify(ChangeKind::LabelVisible, index_);
    }
}

}  // namespace sredna
