#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/list_box.h"
#include "core/model/model_events.h"
#include "core/model/option_group.h"
#include "core/model/text_box.h"

namespace sredna {

// Positions of the lists and text boxes in their control arrays.
enum ListIndex {
    kCountList = 0,
    kValuesList = 1,
    kRangeList = 2,
    kWeightsList = 3,
    kMedianList = 4
};
enum TextIndex { kIntroBox = 0, kReportBox = 1 };
enum CommandIndex { kClearCommand = 0, kRandomCommand = 1, kCalculateCommand = 2 };

// All state of the window, without drawing: the controls of the one window
// and the last mean calculated. Views follow it through Hub().
class WindowModel {
public:
    static constexpr int kListCount = 5;
    static constexpr int kTextCount = 2;
    static constexpr int kCommandCount = 3;

    explicit WindowModel(std::string introText = {});
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    ListBox& Spis(int index) { return lists_.at(static_cast<std::size_t>(index)); }
    const ListBox& Spis(int index) const { return lists_.at(static_cast<std::size_t>(index)); }
    TextBox& Text1(int index) { return texts_.at(static_cast<std::size_t>(index)); }
    const TextBox& Text1(int index) const { return texts_.at(static_cast<std::size_t>(index)); }
    OptionGroup& Option1() { return options_; }
    const OptionGroup& Option1() const { return options_; }
    std::string_view Command1(int index) const;
    std::string_view Frame1() const;

    // Label1 has the elements 0, 1, 2, 3 and 5; Etiket only the element 4.
    static bool HasLabel1(int index) { return index >= 0 && index <= 5 && index != 4; }
    Label& Label1(int index);
    const Label& Label1(int index) const;
    Label& Etiket(int index);
    const Label& Etiket(int index) const;
    // Any label by its index: Label1(index), or Etiket(4) for 4.
    Label& LabelAt(int index);
    const Label& LabelAt(int index) const;
    static constexpr int kLabelCount = 6;

    double StoredMean = 0.0;

    // Change notices and click events of all controls pass through here.
    EventHub& Hub() { return hub_; }

private:
    EventHub hub_;
    std::array<ListBox, kListCount> lists_;
    std::array<TextBox, kTextCount> texts_;
    OptionGroup options_;
    std::array<std::optional<Label>, 6> label1_;
    Label etiket4_;
};

}  // namespace sredna
