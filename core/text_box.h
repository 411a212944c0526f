#pragma once

#include <string>
#include <string_view>

#include "core/model_events.h"

namespace sredna {

// A multi-line text box; lines are separated by CR LF.
class TextBox {
public:
    TextBox(int index, const EventHub& hub, std::string text = {})
        : index_(index), hub_(hub), text_(std::move(text)) {}

    const std::string& Text() const { return text_; }
    // Replaces the text, keeping the buffer so a new report of similar size
    // needs no fresh allocation.
    void SetText(std::string_view text);
    // Adds to the end in place, so building a report piece by piece stays
    // linear in its length.
    void Append(std::string_view piece);

private:
    int index_;
    const EventHub& hub_;
    std::string text_;
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
