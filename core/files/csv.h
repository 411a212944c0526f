#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets write and read them: cells in
// double quotes may hold the separator, line breaks and doubled quotes.
namespace sredna::csv {

// The list separator a text uses: ";" or a tab, whichever comes first
// outside quotes; otherwise "," where the decimal separator is "." (so "1,5"
// stays one number in a "," locale); otherwise none, one cell a line.
std::optional<char> DetectSeparator(std::string_view text, char decimalSeparator);

// The kinds of separator (";", tab, ",") outside quotes in the first record
// that holds more than separators and blanks, in the order they first come:
// what a header row says about the file's cells.
std::string FirstRecordSeparators(std::string_view text);

// One record of a text: the row it starts on, counted from 1 as a
// spreadsheet counts them, and its first cells.
struct Record {
    int row = 0;
    std::vector<std::string> cells;
    // Where more cells than the reader keeps came, the first of them with
    // something in it, counted from 1; 0 when there was none.
    std::size_t firstTextPastKept = 0;

    // Nothing but blanks in every cell: a line to skip.
    bool IsBlank() const;
};

// Reads a text record by record, so a file never becomes more than one
// record at a time.
class Reader {
public:
    Reader(std::string_view text, std::optional<char> separator, std::size_t maxCells)
        : text_(text), separator_(separator), maxCells_(maxCells) {}

    // The next record, or false at the end of the text.
    bool Next(Record& record);

private:
    std::string_view text_;
    std::optional<char> separator_;
    std::size_t maxCells_;
    std::size_t at_ = 0;
    int row_ = 0;
};

// Whether a cell holds more than blanks.
bool HasText(std::string_view cell);

// Appends a cell, in quotes when it holds the separator, a quote or a line
// break.
void AppendCell(std::string& line, std::string_view cell, char separator);

}  // namespace sredna::csv
