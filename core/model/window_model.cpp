#include "core/model/window_model.h"

#include <stdexcept>

#include "core/model/window_texts.h"

namespace sredna {

namespace {

std::string Caption(int label) {
    return std::string(texts::kLabelCaptions.at(static_cast<std::size_t>(label)));
}

std::vector<std::string> Repeated(const char* text, int times) {
    std::vector<std::string> items(static_cast<std::size_t>(times), text);
    return items;
}

}  // namespace

// cppcheck-suppress passedByValue ; moved into the introduction box
WindowModel::WindowModel(std::string introText)
    : lists_{ListBox(kCountList, hub_, {"5", "10", "15", "20", "25"}, {.keepsSelection = true}),
             ListBox(kValuesList, hub_, Repeated("123", 5)),
             ListBox(kRangeList, hub_, {"10", "20", "50", "100", "200", "500", "1000"},
                     {.keepsSelection = true}),
             ListBox(kWeightsList, hub_, Repeated("5", 5), {.visible = false}),
             ListBox(kMedianList, hub_, {}, {.visible = false, .sorted = true})},
      texts_{TextBox(kIntroBox, hub_, std::move(introText)), TextBox(kReportBox, hub_)},
      options_(hub_),
      label1_{Label(0, hub_, Caption(0)),
              Label(1, hub_, Caption(1)),
              Label(2, hub_, Caption(2)),
              Label(3, hub_, Caption(3), /*visible=*/false),
              std::nullopt,
              Label(5, hub_, Caption(5))},
      etiket4_(4, hub_, Caption(4), /*visible=*/false) {}

std::string_view WindowModel::Command1(int index) const {
    return texts::kCommandCaptions.at(static_cast<std::size_t>(index));
}

std::string_view WindowModel::Frame1() const {
    return texts::kFrameCaption;
}

Label& WindowModel::LabelAt(int index) {
    return index == 4 ? Etiket(4) : Label1(index);
}

const Label& WindowModel::LabelAt(int index) const {
    return index == 4 ? Etiket(4) : Label1(index);
}

Label& WindowModel::Label1(int index) {
    return const_cast<Label&>(static_cast<const WindowModel&>(*this).Label1(index));
}

const Label& WindowModel::Label1(int index) const {
    if (!HasLabel1(index)) {
        throw std::out_of_range("Label1 has no element " + std::to_string(index));
    }
    return *label1_[static_cast<std::size_t>(index)];
}

Label& WindowModel::Etiket(int index) {
    return const_cast<Label&>(static_cast<const WindowModel&>(*this).Etiket(index));
}

const Label& WindowModel::Etiket(int index) const {
    if (index != 4) {
        throw std::out_of_range("Etiket has only the element 4");
    }
    return etiket4_;
}

}  // namespace sredna
