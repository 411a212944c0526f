#include "core/model/option_group.h"

#include "core/model/window_texts.h"

namespace sredna {

OptionGroup::OptionGroup(const EventHub& hub) : hub_(hub) {}

std::string_view OptionGroup::Caption(int index) const {
    return texts::kOptionCaptions.at(static_cast<std::size_t>(index));
}

void OptionGroup::Select(int index) {
    if (index < 0 || index >= kMeanKindCount || index == selected_) {
        return;
    }
    selected_ = index;
    hub_.Notify(ChangeKind::Option, index);
    hub_.RaiseOptionClick(index);
}

std::optional<MeanKind> OptionGroup::Kind() const {
    if (selected_ < 0) {
        return std::nullopt;
    }
    return static_cast<MeanKind>(selected_);
}

}  // namespace sredna
