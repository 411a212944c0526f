#include "core/model/data_entry.h"

#include <algorithm>
#include <numeric>

#include "core/files/numbers_file.h"
#include "core/means/report.h"
#include "core/model/window_texts.h"
#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/entry_limits.h"
#include "core/numbers/number_fields.h"
#include "core/numbers/numbers.h"

namespace sredna {

namespace {

constexpr std::string_view kBlanks = " \t";
// A refused text is quoted up to this many characters.
constexpr std::size_t kQuotedCharacters = 40;

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

// The length of a character at i that would break the line in the report
// box: the C0 and C1 controls and the line and paragraph separators
// (U+2028, U+2029), in UTF-8. 0 for any other.
std::size_t LineBreakerAt(std::string_view s, std::size_t i) {
    const auto byte = static_cast<unsigned char>(s[i]);
    if (byte < 0x20U || byte == 0x7FU) {
        return 1;
    }
    const auto next = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0U;
    if (byte == 0xC2U && next >= 0x80U && next < 0xA0U) {
        return 2;
    }
    const std::string_view rest = s.substr(i);
    return rest.starts_with("\xE2\x80\xA8") || rest.starts_with("\xE2\x80\xA9") ? 3 : 0;
}

// The text between Bulgarian quotes, cut after kQuotedCharacters UTF-8
// characters and kept to one line.
std::string Quoted(std::string_view text) {
    std::string quoted(texts::kOpenQuote);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U;
        if (starts && ++characters > kQuotedCharacters) {
            quoted += texts::kEllipsis;
            break;
        }
        if (const std::size_t breaker = LineBreakerAt(text, i); breaker != 0) {
            quoted += ' ';
            i += breaker;
        } else {
            quoted += text[i++];
        }
    }
    quoted += texts::kCloseQuote;
    return quoted;
}

}  // namespace

std::string DataEntry::Reason(NumberRefusal refusal, char decimalSeparator) {
    switch (refusal) {
        case NumberRefusal::NotANumber:
            return std::string(texts::kNotANumber) + decimalSeparator +
                   std::string(texts::kNotANumberEnd);
        case NumberRefusal::TooManyDigits:
            return std::string(texts::kTooManyDigits);
        case NumberRefusal::TooManyDecimals:
            return std::string(texts::kTooManyDecimals);
        case NumberRefusal::OutOfRange:
            return std::string(texts::kOutOfRange);
        case NumberRefusal::MayBeThousands:
            return std::string(texts::kMayBeThousands) + decimalSeparator +
                   std::string(texts::kMayBeThousandsEnd);
        case NumberRefusal::NotAWeight:
            break;
    }
    return std::string(texts::kNotAWeight);
}

bool DataEntry::Read(std::string_view text, bool weight, Committed& committed,
                     std::string_view where) {
    return Read(text, weight, committed, where, separator_);
}

bool DataEntry::Read(std::string_view text, bool weight, Committed& committed,
                     std::string_view where, char decimalSeparator) {
    const UserNumber number =
        weight ? ReadUserWeight(text, decimalSeparator) : ReadUserNumber(text, decimalSeparator);
    if (number.refusal) {
        // A typed "1 000" is most likely a thousand: say how to write one.
        const bool mayGroup =
            number.refusal == NumberRefusal::NotANumber && SplitNumbers(text, 1).ambiguous;
        Refuse(std::string(where) + Quoted(text) +
               (mayGroup ? std::string(texts::kSpacesMayGroup)
                         : Reason(*number.refusal, decimalSeparator)));
        return false;
    }
    committed.text = GeneralNumberText(number.value, separator_);
    committed.value = number.value;
    return true;
}

bool DataEntry::ReadAll(const std::vector<std::string_view>& numbers, bool weight,
                        std::vector<Committed>& committed) {
    committed.resize(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (!Read(numbers[i], weight, committed[i])) {
            return false;
        }
    }
    return true;
}

bool DataEntry::Split(std::string_view clipboard, int room,
                      std::vector<std::string_view>& numbers) {
    NumberFields fields = SplitNumbers(clipboard, static_cast<std::size_t>(std::max(room, 0)));
    if (fields.ambiguous) {
        Refuse(Quoted(*fields.ambiguous) + std::string(texts::kSpacesMayGroup));
        return false;
    }
    if (fields.numbers.empty()) {
        Refuse(texts::kNothingToPaste);
        return false;
    }
    numbers = std::move(fields.numbers);
    return true;
}

double DataEntry::WeightsTotal(int from, int count) const {
    const ListBox& weights = model_.Spis(kWeightsList);
    double total = 0;
    for (int p = 0; p < weights.Count(); ++p) {
        if (p >= from && p - from < count) {
            continue;
        }
        // Every weight the program writes is a whole number from 1 to
        // kMaxWeight; one put in the model by other means (only a test can)
        // is kept in that range, so that the total stays a count.
        try {
            total += std::clamp(ItemValue(weights.Item(p)), 0.0, static_cast<double>(kMaxWeight));
        } catch (const ArithmeticFault&) {
            total += kMaxWeight;
        }
    }
    return total;
}

bool DataEntry::FitsWeightsTotal(double total, bool newValues) {
    if (total <= kMaxWeightsTotal) {
        return true;
    }
    Refuse(std::string(texts::kWeightsTotal) + GeneralNumberText(total, separator_) +
           std::string(newValues ? texts::kWeightsTotalOfNewValues : texts::kWeightsTotalLimit));
    return false;
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
    const bool weight = list == kWeightsList;
    Committed committed;
    if (!Read(text, weight, committed) ||
        (weight && !FitsWeightsTotal(WeightsTotal(position, 1) + committed.value, false))) {
        return false;
    }
    items.SetItem(position, std::move(committed.text));
    return true;
}

bool DataEntry::AddValue(std::string_view text) {
    if (IsBlank(text)) {
        return true;
    }
    ListBox& values = model_.Spis(kValuesList);
    if (values.Count() >= kMaxValues) {
        Refuse(texts::kListFull);
        return false;
    }
    Committed committed;
    if (!Read(text, false, committed) || !FitsWeightsTotal(WeightsTotal() + 1, true)) {
        return false;
    }
    values.AddItem(std::move(committed.text));
    model_.Spis(kWeightsList).AddItem("1");
    values.SetSelected(values.Count() - 1);
    return true;
}

bool DataEntry::Delete(int position) {
    ListBox& values = model_.Spis(kValuesList);
    ListBox& weights = model_.Spis(kWeightsList);
    if (position < 0 || position >= values.Count()) {
        return false;
    }
    values.RemoveItem(position);
    weights.RemoveItem(position);
    // Selecting the value selects its weight through the click event.
    values.SetSelected(std::min(position, values.Count() - 1));
    return true;
}

bool DataEntry::PasteValues(std::string_view clipboard) {
    ListBox& values = model_.Spis(kValuesList);
    const int room = kMaxValues - values.Count();
    std::vector<std::string_view> numbers;
    if (!Split(clipboard, room, numbers)) {
        return false;
    }
    if (numbers.size() > static_cast<std::size_t>(room)) {
        Refuse(room == 0
                   ? std::string(texts::kListFull)
                   : std::string(texts::kTooManyValues) + std::to_string(values.Count()) +
                         std::string(texts::kTooManyValuesPasted) + std::to_string(room) + ".");
        return false;
    }
    std::vector<Committed> committed;
    if (!ReadAll(numbers, false, committed) ||
        !FitsWeightsTotal(WeightsTotal() + static_cast<double>(committed.size()), true)) {
        return false;
    }
    ListBox& weights = model_.Spis(kWeightsList);
    for (Committed& value : committed) {
        values.AddItem(std::move(value.text));
        weights.AddItem("1");
    }
    return true;
}

bool DataEntry::PasteWeights(int from, std::string_view clipboard) {
    ListBox& weights = model_.Spis(kWeightsList);
    from = std::clamp(from, 0, weights.Count());
    const int rows = weights.Count() - from;
    std::vector<std::string_view> numbers;
    if (!Split(clipboard, rows, numbers)) {
        return false;
    }
    if (numbers.size() > static_cast<std::size_t>(rows)) {
        Refuse(std::string(texts::kTooManyWeights) + std::to_string(from + 1) +
               std::string(texts::kTooManyWeightsRows) + std::to_string(rows) + ").");
        return false;
    }
    std::vector<Committed> committed;
    if (!ReadAll(numbers, true, committed)) {
        return false;
    }
    const double total = std::accumulate(
        committed.begin(), committed.end(), WeightsTotal(from, static_cast<int>(committed.size())),
        [](double sum, const Committed& weight) { return sum + weight.value; });
    if (!FitsWeightsTotal(total, false)) {
        return false;
    }
    for (std::size_t i = 0; i < committed.size(); ++i) {
        weights.SetItem(from + static_cast<int>(i), std::move(committed[i].text));
    }
    return true;
}

std::string DataEntry::FileProblem(std::string_view fileName,
                                   const numbers_file::Problem& problem) {
    using Kind = numbers_file::Problem::Kind;
    const std::string notOpened =
        std::string(texts::kFile) + Quoted(fileName) + std::string(texts::kFileNotOpened);
    const std::string place = FilePlace(fileName, problem.row);
    switch (problem.kind) {
        case Kind::TooLarge:
            return notOpened + std::string(texts::kFileTooLarge);
        case Kind::NotText:
            return notOpened + std::string(texts::kFileNotText);
        case Kind::BrokenUtf8:
            return notOpened + std::string(texts::kFileBrokenUtf8);
        case Kind::Empty:
            return notOpened + std::string(texts::kFileEmpty);
        case Kind::TooManyRows:
            return place + std::string(texts::kFileTooManyRows);
        case Kind::TooManyColumns:
            return place + std::string(texts::kFileTooManyColumns) + std::to_string(problem.cell) +
                   std::string(texts::kFileTooManyColumnsEnd);
        case Kind::MissingWeight:
            return place + std::string(texts::kFileMissingWeight);
        case Kind::MissingValue:
            return place + std::string(texts::kFileMissingValue);
        case Kind::MixedDecimalSigns: {
            if (problem.row == problem.firstRow) {
                return place + std::string(texts::kFileBothSigns) +
                       std::string(texts::kFileOneSign);
            }
            const char other = problem.decimalSeparator == '.' ? ',' : '.';
            return place + std::string(texts::kFileOtherSign) + other +
                   std::string(texts::kFileOtherSignFirstRow) + std::to_string(problem.firstRow) +
                   std::string(texts::kFileOtherSignFirst) + problem.decimalSeparator +
                   std::string(texts::kCloseQuote) + std::string(texts::kFileOneSign);
        }
        case Kind::TwoReadings:
            break;
    }
    const std::string& value = problem.cells.at(0);
    const std::string& weight = problem.cells.at(1);
    return place + " " + Quoted(value + "," + weight) + std::string(texts::kFileTwoReadings) +
           value + std::string(texts::kFileTwoReadingsWeight) + weight +
           std::string(texts::kFileTwoReadingsNumber) + value + "," + weight +
           std::string(texts::kFileTwoReadingsEnd);
}

std::string DataEntry::FilePlace(std::string_view fileName, int row) {
    return std::string(texts::kFile) + Quoted(fileName) + std::string(texts::kFileNotOpened) +
           std::string(texts::kFileRow) + std::to_string(row);
}

std::string DataEntry::FileRead(const numbers_file::Table& table, std::string_view fileName) {
    const std::size_t count = table.rows.size();
    std::string line = count == 1 ? std::string(texts::kFileReadOne)
                                  : std::string(texts::kFileRead) + std::to_string(count) +
                                        std::string(texts::kFileReadValues);
    if (table.weighted) {
        line += count == 1 ? texts::kFileReadOneWeight : texts::kFileReadWeights;
    }
    line += std::string(texts::kFileReadFrom) + Quoted(fileName);
    if (table.weighted && table.separator) {
        line += std::string(texts::kFileReadSeparator) +
                (*table.separator == '\t' ? std::string(texts::kFileReadTab)
                                          : std::string(1, *table.separator)) +
                std::string(texts::kFileReadSeparatorEnd);
    } else {
        line += texts::kFileReadOneColumn;
    }
    return line + std::string(texts::kFileReadDecimal) + table.decimalSeparator +
           std::string(texts::kFileReadEnd);
}

bool DataEntry::OpenNumbers(std::string_view bytes, std::string_view fileName) {
    const auto read = numbers_file::ReadTable(bytes, separator_);
    if (const auto* problem = std::get_if<numbers_file::Problem>(&read)) {
        Refuse(FileProblem(fileName, *problem));
        return false;
    }
    const auto& table = std::get<numbers_file::Table>(read);
    const auto& rows = table.rows;
    std::vector<Committed> values(rows.size());
    std::vector<Committed> weights(rows.size(), Committed{.text = "1", .value = 1});
    double total = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const numbers_file::Table::Row& row = rows[i];
        // The file's own decimal sign, so that it reads the same on every
        // machine; the lists get the machine's.
        const std::string where = FilePlace(fileName, row.row) + " ";
        if (!Read(row.value, false, values[i], where, table.decimalSeparator) ||
            (row.weight && !Read(*row.weight, true, weights[i], where, table.decimalSeparator))) {
            return false;
        }
        total += weights[i].value;
        if (total > kMaxWeightsTotal) {
            Refuse(FilePlace(fileName, row.row) + std::string(texts::kFileWeightsTotal) +
                   GeneralNumberText(total, separator_) + std::string(texts::kWeightsTotalLimit));
            return false;
        }
    }
    ListBox& valueList = model_.Spis(kValuesList);
    ListBox& weightList = model_.Spis(kWeightsList);
    valueList.Clear();
    weightList.Clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        valueList.AddItem(std::move(values[i].text));
        weightList.AddItem(std::move(weights[i].text));
    }
    // The old report is of other numbers: say instead what came in, and how.
    model_.Text1(kReportBox).SetText(FileRead(table, fileName) + std::string(kCrLf));
    return true;
}

std::string DataEntry::NumbersFileText() const {
    return numbers_file::Write(model_.Spis(kValuesList), model_.Spis(kWeightsList), separator_);
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
