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
// The largest file that is read: a larger one is refused as too large
// whatever it holds, and the window reads no more of it than one byte past
// this. A file of 32,767 rows as the program writes them takes under 1 MB,
// twice that in UTF-16.
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
    std::optional<char> separator;  // none: one cell a line
    char decimalSeparator = '.';    // the one its numbers are read with
    bool weighted = false;          // whether it has a column of weights
};

// Why a file is not a numbers file, and where it first shows.
struct Problem {
    enum class Kind {
        TooLarge,
        NotText,
        BrokenUtf8,  // a UTF-8 byte-order mark, then bytes that are not UTF-8
        Empty,       // no numbers, if perhaps a header row
        TooManyRows,
        TooManyColumns,
        MissingWeight,
        MissingValue,  // a weight beside an empty value
        // Both decimal signs: `row` uses the other than `firstRow`, the first
        // row with one, which uses decimalSeparator.
        MixedDecimalSigns,
        // Without a header, "5,2" in a "." locale: a value 5 with weight 2,
        // or 5,2; `cells` are the two sides.
        TwoReadings
    };
    Kind kind;
    int row = 0;   // 0: the file as a whole
    int cell = 0;  // from 1
    int firstRow = 0;
    char decimalSeparator = '.';
    std::vector<std::string> cells{};
};

// Splits a file's bytes into rows of cells: any of the encodings
// text_encoding reads, with a header row or none, one column or two; blank
// rows are skipped. A first row where no cell reads as a number is a header:
// the one kind of separator it holds (";", tab or ","), or none, is the
// file's, and its decimal sign is "." with ",", otherwise the one its numbers
// use, so that a file reads the same on every machine. Without a header the
// machine's decimalSeparator decides as it does for typed numbers: ";" or
// tab separated, or "," in a "." locale, where a row that may be a decimal
// ("5,2") is refused.
std::variant<Table, Problem> ReadTable(std::string_view bytes, char decimalSeparator);

}  // namespace sredna::numbers_file
