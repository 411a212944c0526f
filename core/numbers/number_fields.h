#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace sredna {

// A pasted text cut into the texts of its numbers.
struct NumberFields {
    // In order; at most the limit and one more.
    std::vector<std::string_view> numbers;
    // A field whose plain spaces could also group the thousands of one
    // number ("1 000", "152 148 160"), without the blanks around it. Nothing
    // after it is split.
    std::optional<std::string_view> ambiguous;
};

// Line breaks, tabs and semicolons always separate numbers; plain spaces
// only where no two neighbours could be one grouped number. Empty fields are
// skipped. Splitting stops at the first number past `limit`, so a huge text
// costs no more than the limit.
NumberFields SplitNumbers(std::string_view text, std::size_t limit);

}  // namespace sredna
