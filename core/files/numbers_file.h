#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/model/list_box.h"

// The numbers file: the values and their weights as a spreadsheet writes
// and reads them (CSV), so a teacher can prepare a list in a spreadsheet and
// a pupil can take the numbers to one.
namespace sredna::numbers_file {

inline constexpr std::string_view kValueHeader = "Стойност";
inline constexpr std::string_view kWeightHeader = "Тегло";
// Larger than any file of 32,767 rows, even in UTF-16 with quotes: a file
// past it is something else, and is not read whole.
inline constexpr std::size_t kMaxBytes = std::size_t{4} * 1024U * 1024U;

// The list separator a spreadsheet uses: ";" where the decimal separator is
// ",", and "," where it is ".".
char ListSeparator(char decimalSeparator);

// UTF-8 with a byte-order mark, CR LF line ends, the header row, then one
// row a value: its text as the list shows it, and its weight.
std::string Write(const ListBox& values, const ListBox& weights, char decimalSeparator);

// The cells of a file, not yet read as numbers: one value a row, and its
// weight where the file has a second column.
struct Table {
    struct Row {
        int row;  // as a spreadsheet counts, from 1
        std::string value;
        std::optional<std::string> weight;
    };
    std::vector<Row> rows;
};

// Why a file is not a numbers file, and where it first shows.
struct Problem {
    enum class Kind { TooLarge, NotText, Empty, TooManyRows, TooManyColumns, MissingWeight };
    Kind kind;
    int row = 0;   // 0: the file as a whole
    int cell = 0;  // from 1
};

// Splits a file's bytes into rows of cells: any of the encodings
// text_encoding reads, ";" or tab separated (or "," in a "." locale), with a
// header row or none, one column or two; blank rows are skipped.
std::variant<Table, Problem> ReadTable(std::string_view bytes, char decimalSeparator);

}  // namespace sredna::numbers_file
