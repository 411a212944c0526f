#include "core/numbers/number_fields.h"

#include "core/numbers/user_number.h"

namespace sredna {

namespace {

bool EndsField(char c) {
    return c == '\r' || c == '\n' || c == '\t' || c == ';';
}

// The field around position i, without the blanks around it.
std::string_view FieldAround(std::string_view text, std::size_t from, std::size_t i) {
    while (i < text.size() && !EndsField(text[i])) {
        ++i;
    }
    const std::string_view field = text.substr(from, i - from);
    const std::size_t first = field.find_first_not_of(' ');
    return field.substr(first, field.find_last_not_of(' ') + 1 - first);
}

}  // namespace

// One pass over the text, byte by byte, since a paste may hold tens of
// thousands of numbers.
NumberFields SplitNumbers(std::string_view text, std::size_t limit) {
    NumberFields fields;
    std::size_t field = 0;
    std::size_t number = 0;
    std::string_view previous;  // the number before, in the same field
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\n';
        const bool endsField = EndsField(c);
        if (!endsField && c != ' ') {
            continue;
        }
        if (i > number) {
            const std::string_view current = text.substr(number, i - number);
            if (!previous.empty() && MayBeGroups(previous, current)) {
                fields.ambiguous = FieldAround(text, field, i);
                break;
            }
            fields.numbers.push_back(current);
            if (fields.numbers.size() > limit) {
                break;
            }
            previous = current;
        }
        number = i + 1;
        if (endsField) {
            field = i + 1;
            previous = {};
        }
    }
    return fields;
}

}  // namespace sredna
