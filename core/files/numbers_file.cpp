#include "core/files/numbers_file.h"

#include "core/files/csv.h"
#include "core/files/text_encoding.h"
#include "core/means/report.h"
#include "core/numbers/user_number.h"

#include <algorithm>
#include <utility>

namespace sredna::numbers_file {

namespace {

constexpr std::size_t kColumns = 2;

bool ReadsAsNumber(std::string_view cell) {
    return !ReadUserNumber(cell, '.').refusal || !ReadUserNumber(cell, ',').refusal;
}

// A first row where no cell reads as a number names the columns.
bool IsHeader(const csv::Record& record) {
    return std::none_of(record.cells.begin(), record.cells.end(),
                        [](const std::string& cell) { return ReadsAsNumber(cell); });
}

// The separator a header gives its file: the one kind it holds; of several,
// ";" or a tab, since a column's name may hold a comma; none with none.
std::optional<char> HeaderSeparator(std::string_view kinds) {
    const auto separator = std::find_if(kinds.begin(), kinds.end(),
                                        [&](char c) { return kinds.size() == 1 || c != ','; });
    return separator == kinds.end() ? std::nullopt : std::optional<char>(*separator);
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits on both sides of one comma: a value and its weight, or one decimal.
bool ReadsTwoWays(const csv::Record& record) {
    if (record.cells.size() != kColumns || record.firstTextPastKept != 0) {
        return false;
    }
    std::string_view value = record.cells[0];
    if (value.starts_with('-') || value.starts_with('+')) {
        value.remove_prefix(1);
    }
    return IsDigits(value) && IsDigits(record.cells[1]);
}

// Whether the first record with something in it is a header, read with the
// separator it would give the file.
bool StartsWithHeader(std::string_view text, std::optional<char> separator) {
    csv::Reader reader(text, separator, kColumns);
    csv::Record record;
    while (reader.Next(record)) {
        if (!record.IsBlank()) {
            return IsHeader(record);
        }
    }
    return false;
}

// The decimal sign the numbers of a file use, the first one found, or
// `none` when they have no decimals; a file that uses both is refused at
// the first row with the other.
std::variant<char, Problem> UsedDecimalSeparator(const Table& table, char none) {
    std::optional<char> used;
    int firstRow = 0;
    for (const Table::Row& row : table.rows) {
        for (int cell = 1; cell <= 2; ++cell) {
            const std::string_view text = cell == 1    ? std::string_view(row.value)
                                          : row.weight ? std::string_view(*row.weight)
                                                       : std::string_view();
            for (const char c : text) {
                if (c != '.' && c != ',') {
                    continue;
                }
                if (!used) {
                    used = c;
                    firstRow = row.row;
                } else if (c != *used) {
                    return Problem{.kind = Problem::Kind::MixedDecimalSigns,
                                   .row = row.row,
                                   .cell = cell,
                                   .firstRow = firstRow,
                                   .decimalSeparator = *used};
                }
            }
        }
    }
    return used.value_or(none);
}

}  // namespace

char ListSeparator(char decimalSeparator) {
    return decimalSeparator == ',' ? ';' : ',';
}

std::string Write(const ListBox& values, const ListBox& weights, char decimalSeparator) {
    const char separator = ListSeparator(decimalSeparator);
    std::string text(text_encoding::kUtf8Bom);
    text.reserve(static_cast<std::size_t>(values.Count()) * 12 + 32);
    text += kValueHeader;
    text += separator;
    text += kWeightHeader;
    text += kCrLf;
    for (int p = 0; p < values.Count(); ++p) {
        csv::AppendCell(text, values.Item(p), separator);
        text += separator;
        csv::AppendCell(text, weights.Item(p), separator);
        text += kCrLf;
    }
    return text;
}

std::variant<Table, Problem> ReadTable(std::string_view bytes, char decimalSeparator) {
    if (bytes.size() > kMaxBytes) {
        return Problem{.kind = Problem::Kind::TooLarge};
    }
    if (text_encoding::BrokenAfterUtf8Bom(bytes)) {
        return Problem{.kind = Problem::Kind::BrokenUtf8};
    }
    const std::optional<std::string> text = text_encoding::DecodeText(bytes);
    if (!text) {
        return Problem{.kind = Problem::Kind::NotText};
    }
    const std::optional<char> headerSeparator = HeaderSeparator(csv::FirstRecordSeparators(*text));
    const bool header = StartsWithHeader(*text, headerSeparator);
    Table table;
    table.separator = header ? headerSeparator : csv::DetectSeparator(*text, decimalSeparator);
    // Only a "," that the machine's convention chose may part a decimal.
    const bool mayReadTwoWays = !header && table.separator == ',';
    csv::Reader reader(*text, table.separator, kColumns);
    bool first = true;
    csv::Record record;
    while (reader.Next(record)) {
        if (record.IsBlank()) {
            continue;
        }
        // Spreadsheets end some rows with empty cells; only cells with
        // something in them count.
        if (record.firstTextPastKept != 0) {
            return Problem{.kind = Problem::Kind::TooManyColumns,
                           .row = record.row,
                           .cell = static_cast<int>(record.firstTextPastKept)};
        }
        if (std::exchange(first, false) && header) {
            continue;
        }
        if (mayReadTwoWays && ReadsTwoWays(record)) {
            return Problem{
                .kind = Problem::Kind::TwoReadings, .row = record.row, .cells = record.cells};
        }
        if (table.rows.size() == static_cast<std::size_t>(ListBox::kMaxItems)) {
            return Problem{.kind = Problem::Kind::TooManyRows, .row = record.row, .cell = 1};
        }
        const bool weighted = record.cells.size() == kColumns && csv::HasText(record.cells[1]);
        if (weighted && !csv::HasText(record.cells[0])) {
            return Problem{.kind = Problem::Kind::MissingValue, .row = record.row, .cell = 1};
        }
        table.weighted = table.weighted || weighted;
        Table::Row row{.row = record.row, .value = record.cells[0], .weight = std::nullopt};
        if (weighted) {
            row.weight = record.cells[1];
        }
        table.rows.push_back(std::move(row));
    }
    // A header alone holds no numbers, as a file of blank lines does not.
    if (table.rows.empty()) {
        return Problem{.kind = Problem::Kind::Empty};
    }
    // Once a file gives one value a weight, it must give every value one.
    if (table.weighted) {
        const auto unweighted = std::find_if(table.rows.begin(), table.rows.end(),
                                             [](const Table::Row& row) { return !row.weight; });
        if (unweighted != table.rows.end()) {
            return Problem{.kind = Problem::Kind::MissingWeight, .row = unweighted->row, .cell = 2};
        }
    }
    table.decimalSeparator = decimalSeparator;
    if (header && table.separator == ',') {
        table.decimalSeparator = '.';
    } else if (header) {
        const auto used = UsedDecimalSeparator(table, decimalSeparator);
        if (const auto* problem = std::get_if<Problem>(&used)) {
            return *problem;
        }
        table.decimalSeparator = std::get<char>(used);
    }
    return table;
}

}  // namespace sredna::numbers_file
