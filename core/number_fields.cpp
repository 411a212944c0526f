#include "core/number_fields.h"

#include <algorithm>

#include "core/user_number.h"

namespace sredna {

namespace {

// Adds the numbers of one field, parted by plain spaces; false, adding
// nothing more, when two neighbours could be one grouped number.
bool AddField(std::string_view field, std::size_t limit, NumberFields& fields) {
    std::string_view previous;
    std::size_t from = 0;
    while (from < field.size() && fields.numbers.size() <= limit) {
        const std::size_t end = std::min(field.find(' ', from), field.size());
        const std::string_view number = field.substr(from, end - from);
        from = end + 1;
        if (number.empty()) {
            continue;
        }
        if (!previous.empty() && MayBeGroups(previous, number)) {
            return false;
        }
        fields.numbers.push_back(number);
        previous = number;
    }
    return true;
}

std::string_view Trimmed(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view()
               : field.substr(first, field.find_last_not_of(' ') + 1 - first);
}

}  // namespace

NumberFields SplitNumbers(std::string_view text, std::size_t limit) {
    NumberFields fields;
    std::size_t from = 0;
    while (from < text.size() && fields.numbers.size() <= limit) {
        const std::size_t end = std::min(text.find_first_of("\r\n\t;", from), text.size());
        const std::string_view field = text.substr(from, end - from);
        if (!AddField(field, limit, fields)) {
            fields.ambiguous = Trimmed(field);
            break;
        }
        from = end + 1;
    }
    return fields;
}

}  // namespace sredna
