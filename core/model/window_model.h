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

    // The same controls by what they hold, for code outside the model.
    ListBox& Counts() { return Spis(kCountList); }
    const ListBox& Counts() const { return Spis(kCountList); }
    ListBox& Values() { return Spis(kValuesList); }
    const ListBox& Values() const { return Spis(kValuesList); }
    ListBox& Ranges() { return Spis(kRangeList); }
    const ListBox& Ranges() const { return Spis(kRangeList); }
    ListBox& Weights() { return Spis(kWeightsList); }
    const ListBox& Weights() const { return Spis(kWeightsList); }
    // The sorted values a median is worked out on.
    ListBox& MedianWork() { return Spis(kMedianList); }
    const ListBox& MedianWork() const { return Spis(kMedianList); }
    TextBox& Intro() { return Text1(kIntroBox); }
    const TextBox& Intro() const { return Text1(kIntroBox); }
    TextBox& Report() { return Text1(kReportBox); }
    const TextBox& Report() const { return Text1(kReportBox); }
    // Any list or text box by its ListIndex or TextIndex, for views that
    // treat them all alike.
    ListBox& ListAt(int index) { return Spis(index); }
    const ListBox& ListAt(int index) const { return Spis(index); }
    TextBox& TextAt(int index) { return Text1(index); }
    const TextBox& TextAt(int index) const { return Text1(index); }
    // The headers shown over the weights and the median work lists.
    Label& WeightsHeader() { return Etiket(4); }
    const Label& WeightsHeader() const { return Etiket(4); }
    Label& MedianHeader() { return Label1(3); }
    const Label& MedianHeader() const { return Label1(3); }
    // The kinds of mean to choose from.
    OptionGroup& Kinds() { return options_; }
    const OptionGroup& Kinds() const { return options_; }
    // Nothing before start-up selects a kind.
    std::optional<MeanKind> SelectedKind() const { return options_.Kind(); }
    std::string_view CommandCaption(int index) const { return Command1(index); }
    std::string_view KindsCaption() const { return Frame1(); }

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

    // The mean of the last calculation that gave one; the deviations are
    // measured from it.
    double StoredMean() const { return storedMean_; }
    void SetStoredMean(double mean) { storedMean_ = mean; }

    // Change notices and click events of all controls pass through here.
    EventHub& Hub() { return hub_; }

private:
    EventHub hub_;
    std::array<ListBox, kListCount> lists_;
    std::array<TextBox, kTextCount> texts_;
    OptionGroup options_;
    std::array<std::optional<Label>, 6> label1_;
    Label etiket4_;
    double storedMean_ = 0.0;
};

}  // namespace sredna
