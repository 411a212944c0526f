#include "core/option_group.h"

namespace sredna {

namespace {
// "пpетеглена" is written with a Latin "p" as its second letter, as it
// always has been in this program.
const std::array<std::string, kMeanKindCount> kCaptions = {
    "аритметична", "квадратична", "хармонична", "геометрична", "пpетеглена", "медиана"};
}  // namespace

OptionGroup::OptionGroup(const EventHub& hub) : hub_(hub) {}

const std::string& OptionGroup::Caption(int index) const {
    return kCaptions.at(static_cast<std::size_t>(index));
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
