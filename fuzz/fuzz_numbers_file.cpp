// The numbers file over arbitrary bytes, decoded, split and read into the
// lists as the window opens it: never a crash; a file either opens whole or
// leaves both lists and their selection as they were; and what the program
// writes of the lists it opened reads back to the same numbers on a machine
// with either decimal sign.
//
// Input: the first byte is "," for that decimal sign of the machine that
// opens the file (anything else gives "."), then the file's bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/form.h"
#include "core/numbers/entry_limits.h"
#include "core/numbers/numbers.h"
#include "fuzz/fuzz_check.h"

namespace {

using sredna::fuzz::Quoted;

struct Lists {
    std::vector<std::string> values;
    std::vector<std::string> weights;
    int selected;
    bool operator==(const Lists&) const = default;
};

Lists Of(const sredna::Form& form) {
    const sredna::WindowModel& model = form.Model();
    return {model.Values().Items(), model.Weights().Items(), model.Values().Selected()};
}

// The numbers of the lists, whichever sign their texts are written with.
std::vector<double> Numbers(const std::vector<std::string>& items) {
    std::vector<double> numbers;
    numbers.reserve(items.size());
    for (const std::string& item : items) {
        numbers.push_back(sredna::ItemValue(item));
    }
    return numbers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const char sign = data[0] == ',' ? ',' : '.';
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    sredna::Form form({}, sign);
    const Lists before = Of(form);
    if (!form.Entry().OpenNumbers(bytes, "f.csv")) {
        FUZZ_CHECK(Of(form) == before, "a refused file changed the lists: " + Quoted(bytes));
        return 0;
    }
    const Lists opened = Of(form);
    FUZZ_CHECK(!opened.values.empty() && opened.values.size() == opened.weights.size() &&
                   opened.values.size() <= static_cast<std::size_t>(sredna::kMaxValues),
               "lists of " + std::to_string(opened.values.size()) + " values and " +
                   std::to_string(opened.weights.size()) + " weights from " + Quoted(bytes));
    const std::string written = form.Entry().NumbersFileText();
    for (const char machine : {'.', ','}) {
        sredna::Form other({}, machine);
        FUZZ_CHECK(other.Entry().OpenNumbers(written, "f.csv"),
                   "what the program wrote is refused with \"" + std::string(1, machine) +
                       "\": " + Quoted(written) + ", " + Quoted(other.Model().Report().Text()));
        const Lists again = Of(other);
        FUZZ_CHECK(Numbers(again.values) == Numbers(opened.values) &&
                       Numbers(again.weights) == Numbers(opened.weights),
                   "what the program wrote reads back otherwise with \"" + std::string(1, machine) +
                       "\": " + Quoted(written));
    }
    return 0;
}
