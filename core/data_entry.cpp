#include "core/data_entry.h"

#include <algorithm>

#include "core/numbers.h"
#include "core/report.h"
#include "core/user_number.h"
#include "core/window_texts.h"

namespace sredna {

namespace {

constexpr std::string_view kBlanks = " \t";
// A refused text is quoted up to this many characters.
constexpr std::size_t kQuotedCharacters = 40;

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

// The text between Bulgarian quotes, cut after kQuotedCharacters UTF-8
// characters and kept to one line.
std::string Quoted(std::string_view text) {
    std::string quoted(texts::kOpenQuote);
    std::size_t characters = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool starts = (byte & 0xC0U) != 0x80U;
        if (starts && ++characters > kQuotedCharacters) {
            quoted += texts::kEllipsis;
            break;
        }
        quoted += byte < 0x20U ? ' ' : c;
    }
    quoted += texts::kCloseQuote;
    return quoted;
}

std::string_view Reason(NumberRefusal refusal) {
    switch (refusal) {
        case NumberRefusal::NotANumber:
            return texts::kNotANumber;
        case NumberRefusal::TooManyDigits:
            return texts::kTooManyDigits;
        case NumberRefusal::TooManyDecimals:
            return texts::kTooManyDecimals;
        case NumberRefusal::OutOfRange:
            return texts::kOutOfRange;
        case NumberRefusal::NotAWeight:
            break;
    }
    return texts::kNotAWeight;
}

}  // namespace

std::vector<std::string_view> DataEntry::SplitNumbers(std::string_view clipboard) {
    std::vector<std::string_view> fields;
    std::size_t from = 0;
    while (from < clipboard.size()) {
        const std::size_t end =
            std::min(clipboard.find_first_of("\r\n\t; ", from), clipboard.size());
        if (end > from) {
            fields.push_back(clipboard.substr(from, end - from));
        }
        from = end + 1;
    }
    return fields;
}

bool DataEntry::Read(std::string_view text, bool weight, std::string& committed) {
    const UserNumber number = weight ? ReadUserWeight(text) : ReadUserNumber(text);
    if (number.refusal) {
        Refuse(Quoted(text) + std::string(Reason(*number.refusal)));
        return false;
    }
    committed = GeneralNumberText(number.value, separator_);
    return true;
}

void DataEntry::Refuse(std::string_view line) {
    model_.Text1(kReportBox).SetText(std::string(line) + std::string(kCrLf));
}

bool DataEntry::EditValue(int position, std::string_view text) {
    return EditItem(kValuesList, position, text);
}

bool DataEntry::EditWeight(int position, std::string_view text) {
    return EditItem(kWeightsList, position, text);
}

bool DataEntry::EditItem(int list, int position, std::string_view text) {
    ListBox& items = model_.Spis(list);
    if (position < 0 || position >= items.Count() || IsBlank(text) ||
        text == items.Item(position)) {
        return true;
    }
    std::string committed;
    if (!Read(text, list == kWeightsList, committed)) {
        return false;
    }
    items.SetItem(position, std::move(committed));
    return true;
}

bool DataEntry::ReadAll(const std::vector<std::string_view>& fields, bool weight,
                        std::vector<std::string>& committed) {
    committed.resize(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!Read(fields[i], weight, committed[i])) {
            return false;
        }
    }
    return true;
}

bool DataEntry::AddValue(std::string_view text) {
    if (IsBlank(text)) {
        return true;
    }
    ListBox& values = model_.Spis(kValuesList);
    if (values.Count() >= ListBox::kMaxItems) {
        Refuse(std::string(texts::kTooManyValues) + "1" + std::string(texts::kTooManyValuesThen) +
               std::to_string(values.Count() + 1) + ".");
        return false;
    }
    std::string committed;
    if (!Read(text, false, committed)) {
        return false;
    }
    values.AddItem(std::move(committed));
    model_.Spis(kWeightsList).AddItem("1");
    values.SetSelected(values.Count() - 1);
    return true;
}

void DataEntry::Delete(int position) {
    ListBox& values = model_.Spis(kValuesList);
    ListBox& weights = model_.Spis(kWeightsList);
    if (position < 0 || position >= values.Count()) {
        return;
    }
    values.RemoveItem(position);
    weights.RemoveItem(position);
    // Selecting the value selects its weight through the click event.
    values.SetSelected(std::min(position, values.Count() - 1));
}

bool DataEntry::PasteValues(std::string_view clipboard) {
    ListBox& values = model_.Spis(kValuesList);
    const std::vector<std::string_view> fields = SplitNumbers(clipboard);
    if (fields.empty()) {
        Refuse(texts::kNothingToPaste);
        return false;
    }
    const std::size_t total = static_cast<std::size_t>(values.Count()) + fields.size();
    if (total > static_cast<std::size_t>(ListBox::kMaxItems)) {
        Refuse(std::string(texts::kTooManyValues) + std::to_string(fields.size()) +
               std::string(texts::kTooManyValuesThen) + std::to_string(total) + ".");
        return false;
    }
    std::vector<std::string> committed;
    if (!ReadAll(fields, false, committed)) {
        return false;
    }
    ListBox& weights = model_.Spis(kWeightsList);
    for (std::string& value : committed) {
        values.AddItem(std::move(value));
        weights.AddItem("1");
    }
    return true;
}

bool DataEntry::PasteWeights(int from, std::string_view clipboard) {
    ListBox& weights = model_.Spis(kWeightsList);
    const std::vector<std::string_view> fields = SplitNumbers(clipboard);
    if (fields.empty()) {
        Refuse(texts::kNothingToPaste);
        return false;
    }
    from = std::clamp(from, 0, weights.Count());
    const auto rows = static_cast<std::size_t>(weights.Count() - from);
    if (fields.size() > rows) {
        Refuse(std::string(texts::kTooManyWeights) + std::to_string(fields.size()) +
               std::string(texts::kTooManyWeightsFrom) + std::to_string(from + 1) +
               std::string(texts::kTooManyWeightsRows) + std::to_string(rows) + ").");
        return false;
    }
    std::vector<std::string> committed;
    if (!ReadAll(fields, true, committed)) {
        return false;
    }
    for (std::size_t i = 0; i < committed.size(); ++i) {
        weights.SetItem(from + static_cast<int>(i), std::move(committed[i]));
    }
    return true;
}

std::string DataEntry::CopyText(int list) const {
    const ListBox& source = model_.Spis(list);
    std::string text;
    for (int p = 0; p < source.Count(); ++p) {
        if (p > 0) {
            text += '\n';
        }
        text += source.Item(p);
    }
    return text;
}

}  // namespace sredna
