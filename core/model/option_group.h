#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/model/model_events.h"

namespace sredna {

// The kind of mean: the index of the selected option button.
enum class MeanKind {
    Arithmetic = 0,
    Quadratic = 1,
    Harmonic = 2,
    Geometric = 3,
    Weighted = 4,
    Median = 5
};

inline constexpr int kMeanKindCount = 6;

// The six option buttons of the frame: one group, at most one selected.
class OptionGroup {
public:
    explicit OptionGroup(const EventHub& hub);

    std::string_view Caption(int index) const;
    bool Value(int index) const { return selected_ == index; }
    // Selecting clears the others and raises the click event of the newly
    // selected button; selecting the selected one again changes nothing.
    void Select(int index);
    // The selected button's kind; nothing before start-up selects one.
    std::optional<MeanKind> Kind() const;

private:
    const EventHub& hub_;
    int selected_ = -1;
};

}  // namespace sredna
