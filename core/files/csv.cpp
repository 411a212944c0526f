#include "core/files/csv.h"

#include <algorithm>

namespace sredna::csv {

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::optional<char> DetectSeparator(std::string_view text, char decimalSeparator) {
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ';' || c == '\t')) {
            return c;
        }
    }
    if (decimalSeparator == '.') {
        return ',';
    }
    return std::nullopt;
}

std::string FirstRecordSeparators(std::string_view text) {
    std::string kinds;
    bool quoted = false;
    bool content = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            content = content || (c != ' ' && c != '\t');
        } else if (IsLineBreak(c)) {
            if (content) {
                return kinds;
            }
            kinds.clear();
        } else if (c == ';' || c == '\t' || c == ',') {
            if (kinds.find(c) == std::string::npos) {
                kinds += c;
            }
        } else if (c != ' ') {
            content = true;
        }
    }
    return content ? kinds : std::string();
}

bool HasText(std::string_view cell) {
    return cell.find_first_not_of(" \t") != std::string_view::npos;
}

bool Record::IsBlank() const {
    return std::none_of(cells.begin(), cells.end(),
                        [](const std::string& cell) { return HasText(cell); }) &&
           firstTextPastKept == 0;
}

bool Reader::Next(Record& record) {
    if (at_ >= text_.size()) {
        return false;
    }
    record.row = ++row_;
    record.cells.clear();
    record.firstTextPastKept = 0;
    std::size_t count = 0;
    std::string cell;
    bool quoted = false;
    // Past the cells kept, only whether one holds something is remembered.
    const auto keeping = [&] { return count < maxCells_ || record.firstTextPastKept == 0; };
    auto endCell = [&] {
        ++count;
        if (count <= maxCells_) {
            record.cells.push_back(std::move(cell));
        } else if (record.firstTextPastKept == 0 && HasText(cell)) {
            record.firstTextPastKept = count;
        }
        cell.clear();
    };
    while (at_ < text_.size()) {
        const char c = text_[at_++];
        if (quoted) {
            if (c != '"') {
                if (keeping()) {
                    cell += c;
                }
                row_ += c == '\n' ? 1 : 0;  // a line break in a cell: later records start lower
            } else if (at_ < text_.size() && text_[at_] == '"') {
                cell += '"';
                ++at_;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (separator_ && c == *separator_) {
            endCell();
        } else if (IsLineBreak(c)) {
            if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') {
                ++at_;
            }
            break;
        } else if (keeping()) {
            cell += c;
        }
    }
    endCell();
    return true;
}

void AppendCell(std::string& line, std::string_view cell, char separator) {
    if (cell.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
        line += cell;
        return;
    }
    line += '"';
    for (const char c : cell) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

}  // namespace sredna::csv
