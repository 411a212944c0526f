#include "core/files/numbers_file.h"

#include "core/files/csv.h"
#include "core/files/text_encoding.h"
#include "core/means/report.h"

#include <algorithm>
#include <utility>

namespace sredna::numbers_file {

namespace {

// A first row without a digit in its first cell names the columns.
bool IsHeader(const csv::Record& record) {
    return record.cells.front().find_first_of("0123456789") == std::string::npos;
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
    const std::optional<std::string> text = text_encoding::DecodeText(bytes);
    if (!text) {
        return Problem{.kind = Problem::Kind::NotText};
    }
    constexpr std::size_t kColumns = 2;
    csv::Reader reader(*text, csv::DetectSeparator(*text, decimalSeparator), kColumns);
    Table table;
    bool first = true;
    bool twoColumns = false;
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
        const bool weighted = record.cells.size() == kColumns && csv::HasText(record.cells[1]);
        twoColumns = twoColumns || weighted;
        if (std::exchange(first, false) && IsHeader(record)) {
            continue;
        }
        if (table.rows.size() == static_cast<std::size_t>(ListBox::kMaxItems)) {
            return Problem{.kind = Problem::Kind::TooManyRows, .row = record.row, .cell = 1};
        }
        Table::Row row{.row = record.row, .value = record.cells[0], .weight = std::nullopt};
        if (weighted) {
            row.weight = record.cells[1];
        }
        table.rows.push_back(std::move(row));
    }
    if (first) {
        return Problem{.kind = Problem::Kind::Empty};
    }
    // Once a file gives one value a weight, it must give every value one.
    if (twoColumns) {
        const auto unweighted = std::find_if(table.rows.begin(), table.rows.end(),
                                             [](const Table::Row& row) { return !row.weight; });
        if (unweighted != table.rows.end()) {
            return Problem{.kind = Problem::Kind::MissingWeight, .row = unweighted->row, .cell = 2};
        }
    }
    return table;
}

}  // namespace sredna::numbers_file
