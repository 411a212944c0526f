// The window's handlers driven by arbitrary sequences of user actions. After
// every action: selections stay inside their lists, the median work list
// stays in text order, the option shows exactly its lists, a value and its
// weight are selected together, and the three buttons do what they say or
// leave the data alone with a fault line.
//
// Input: the first byte is "," for that separator (anything else gives "."),
// then actions. Every byte is read as its distance from '0', so that seeds
// can be written in digits:
//   0 L text;   add text to list L (0-4; text ends at ";" or after 16 bytes)
//   1 L P       remove position P-1 from list L (P is taken modulo the
//               list's count + 3, so both ends fall outside the list; it
//               takes two bytes once the list has more than 252 items)
//   2 L         clear list L
//   3 L P       select position P-1 in list L
//   4 B text;   set the text of box B (0 intro, 1 report)
//   5 K         select option K (6 and 7 are not options)
//   6 C         press button C (0 clear, 1 random, 2 calculate)
//   7 I         Spis_Click(I), I from 0 to 5
//   8 L N text; add 10 N items to list L: text, each with its own number
//   9 O P text; a data entry: O picks edit value, edit weight, add value,
//               delete, paste values, paste weights (0-5), at position P-1
//               of the values list as for 1; delete takes no text
//
// A data entry either refuses, changing neither list and leaving one line in
// the report box, or succeeds without touching the report; a committed value
// reads back as the number typed.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/form.h"
#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"
#include "core/numbers/user_number.h"
#include "fuzz/fuzz_actions.h"
#include "fuzz/fuzz_check.h"

namespace {

using sredna::ArithmeticFault;
using sredna::Form;
using sredna::ListBox;
using sredna::MeanKind;
using sredna::WindowModel;
using sredna::fuzz::Quoted;

// Bounds that keep one run quick, yet let a list pass two of the core's
// 256-item blocks so that they split.
constexpr int kMaxListItems = 600;
constexpr double kMaxSample = 600;
constexpr std::size_t kMaxText = 16;

constexpr std::string_view kMedianHeader = "Изчислявам медиана на въведените данни:\r\n";

struct Selections {
    std::array<int, WindowModel::kListCount> position{};

    explicit Selections(const WindowModel& model) {
        for (int l = 0; l < WindowModel::kListCount; ++l) {
            position[static_cast<std::size_t>(l)] = model.ListAt(l).Selected();
        }
    }
    int operator[](int list) const { return position[static_cast<std::size_t>(list)]; }
};

class Session {
public:
    Session(const std::uint8_t* data, std::size_t size)
        : separator_(data[0] == ',' ? ',' : '.'),
          form_("", separator_),
          model_(form_.Model()),
          actions_(data + 1, size - 1, kMaxText) {}

    void Run() {
        while (!actions_.Done()) {
            workListTouched_ = false;
            Step();
            CheckAlways();
        }
    }

private:
    std::string Where() const {
        // The first byte is the separator.
        return "after the action ending at byte " + std::to_string(actions_.Offset() + 1);
    }

    void Step() {
        switch (actions_.Next() % 10) {
            case 0: {
                ListBox& list = List();
                std::string text = actions_.Text();
                if (list.Count() < kMaxListItems) {
                    Add(list, std::move(text));
                }
                break;
            }
            case 1: {
                ListBox& list = List();
                list.RemoveItem(actions_.Position(list.Count()));
                break;
            }
            case 2:
                List().Clear();
                break;
            case 3: {
                const int index = static_cast<int>(actions_.Next() % 5);
                Select(index, actions_.Position(model_.ListAt(index).Count()));
                break;
            }
            case 4: {
                const int box = static_cast<int>(actions_.Next() % 2);
                model_.TextAt(box).SetText(actions_.Text());
                break;
            }
            case 5:
                model_.Kinds().Select(static_cast<int>(actions_.Next() % 8));
                break;
            case 6:
                Press(static_cast<int>(actions_.Next() % 3));
                break;
            case 7:
                Click(static_cast<int>(actions_.Next() % 6));
                break;
            case 9:
                Entry();
                break;
            default: {
                ListBox& list = List();
                const unsigned count = 10 * (actions_.Next() % 32);
                const std::string text = actions_.Text();
                // Numbers out of order, so that sorted insertions land all
                // over the list rather than at one end.
                for (unsigned i = 0; i < count && list.Count() < kMaxListItems; ++i) {
                    Add(list, text + std::to_string(i * 7919 % 1000));
                }
                break;
            }
        }
    }

    // A sorted list in numeric order refuses a text beyond a double.
    static void Add(ListBox& list, std::string text) {
        try {
            list.AddItem(std::move(text));
        } catch (const ArithmeticFault&) {
            FUZZ_CHECK(list.Sorted() && list.Order() == sredna::SortOrder::Numeric,
                       "an unsorted list refused " + Quoted(text));
        }
    }

    void Entry() {
        const unsigned operation = actions_.Next() % 6;
        ListBox& values = model_.Values();
        const ListBox& weights = model_.Weights();
        const int position = actions_.Position(values.Count());
        const std::string text = operation == 3 ? std::string() : actions_.Text();
        const std::vector<std::string> valuesBefore = values.Items();
        const std::vector<std::string> weightsBefore = weights.Items();
        const std::string reportBefore = model_.Report().Text();
        const bool paired = values.Count() == weights.Count();
        if (operation == 4 && values.Count() > kMaxListItems) {
            return;  // long lists only slow the run down
        }

        sredna::DataEntry& entry = form_.Entry();
        bool taken = true;
        switch (operation) {
            case 0:
                taken = entry.EditValue(position, text);
                break;
            case 1:
                taken = entry.EditWeight(position, text);
                break;
            case 2:
                taken = entry.AddValue(text);
                break;
            case 3:
                entry.Delete(position);
                break;
            case 4:
                taken = entry.PasteValues(text);
                break;
            default:
                taken = entry.PasteWeights(position, text);
                break;
        }

        const std::string& report = model_.Report().Text();
        const std::string where =
            "entry " + std::to_string(operation) + " " + Quoted(text) + "; " + Where();
        if (!taken) {
            FUZZ_CHECK(values.Items() == valuesBefore && weights.Items() == weightsBefore,
                       "refused, but the data changed; " + where);
            FUZZ_CHECK(report.ends_with("\r\n") && report.find("\r\n") + 2 == report.size(),
                       Quoted(report) + "; " + where);
            return;
        }
        FUZZ_CHECK(report == reportBefore, "an entry taken changed the report; " + where);
        FUZZ_CHECK(!paired || values.Count() == weights.Count(),
                   std::to_string(values.Count()) + " values, " + std::to_string(weights.Count()) +
                       " weights; " + where);
        const sredna::UserNumber typed = sredna::ReadUserNumber(text, separator_);
        if (operation == 0 && !typed.refusal && position >= 0 &&
            position < static_cast<int>(valuesBefore.size()) &&
            text != valuesBefore[static_cast<std::size_t>(position)]) {
            const std::string& shown = values.Item(position);
            FUZZ_CHECK(sredna::ItemValue(shown) == typed.value,
                       Quoted(text) + " was committed as " + Quoted(shown) + "; " + where);
        }
    }

    // The list an action names; notes when that is the median work list.
    ListBox& List() {
        const int index = static_cast<int>(actions_.Next() % 5);
        workListTouched_ = workListTouched_ || index == sredna::kMedianList;
        return model_.ListAt(index);
    }

    // A value and its weight go together: selecting one selects the same
    // position in the other, if the other has it.
    void CheckPartner(int list, const Selections& before) {
        const int partner =
            list == sredna::kValuesList ? sredna::kWeightsList : sredna::kValuesList;
        const int chosen = model_.ListAt(list).Selected();
        const int expected =
            chosen == -1 || chosen < model_.ListAt(partner).Count() ? chosen : before[partner];
        FUZZ_CHECK(model_.ListAt(partner).Selected() == expected,
                   "list " + std::to_string(partner) + " has " +
                       std::to_string(model_.ListAt(partner).Selected()) + " selected, list " +
                       std::to_string(list) + " " + std::to_string(chosen) + "; " + Where());
    }

    void Select(int index, int position) {
        const Selections before(model_);
        model_.ListAt(index).SetSelected(position);
        const bool changed = model_.ListAt(index).Selected() != before[index];
        const bool paired = index == sredna::kValuesList || index == sredna::kWeightsList;
        if (changed && paired) {
            CheckPartner(index, before);
        }
        const Selections after(model_);
        for (int l = 0; l < WindowModel::kListCount; ++l) {
            const bool mayChange =
                l == index ||
                (changed && paired && (l == sredna::kValuesList || l == sredna::kWeightsList));
            FUZZ_CHECK(mayChange || after[l] == before[l],
                       "selecting in list " + std::to_string(index) + " moved list " +
                           std::to_string(l) + "; " + Where());
        }
    }

    void Click(int index) {
        const Selections before(model_);
        form_.Spis_Click(index);
        if (index == sredna::kValuesList || index == sredna::kWeightsList) {
            CheckPartner(index, before);
        } else {
            FUZZ_CHECK(Selections(model_).position == before.position,
                       "Spis_Click(" + std::to_string(index) + ") moved a selection; " + Where());
        }
    }

    // Reads a list's selected text as the handler does; nothing on a fault.
    std::optional<double> SelectedNumber(int list) const {
        const ListBox& box = model_.ListAt(list);
        try {
            return sredna::Val(box.Item(box.Selected()));
        } catch (const ArithmeticFault&) {
            return std::nullopt;
        }
    }

    void Press(int button) {
        const ListBox& values = model_.Values();
        const ListBox& weights = model_.Weights();
        const std::optional<double> count = SelectedNumber(sredna::kCountList);
        if (button == sredna::kRandomCommand && count && *count > kMaxSample &&
            *count < ListBox::kMaxItems + 1) {
            return;  // a long sample only slows the run down; a longer one is refused
        }
        const std::vector<std::string> valuesBefore = values.Items();
        const std::vector<std::string> weightsBefore = weights.Items();
        const std::string reportBefore = model_.Report().Text();
        const double meanBefore = model_.StoredMean();

        form_.Command1_Click(button);
        workListTouched_ = workListTouched_ || button == sredna::kCalculateCommand;

        const std::string& report = model_.Report().Text();
        const std::string where = "button " + std::to_string(button) + "; " + Where();
        FUZZ_CHECK(std::isfinite(model_.StoredMean()), where);
        if (report.starts_with(ArithmeticFault::kPrefix)) {
            // Every button reads the bound first, and the random one the
            // count; a fault there stops it before it touches the data.
            FUZZ_CHECK(values.Items() == valuesBefore && weights.Items() == weightsBefore,
                       "a fault line, but the data changed: " + Quoted(report) + "; " + where);
            FUZZ_CHECK(model_.StoredMean() == meanBefore, where);
            FUZZ_CHECK(report.ends_with("\r\n") && report.find("\r\n") + 2 == report.size(),
                       Quoted(report) + "; " + where);
            return;
        }
        if (button == sredna::kCalculateCommand) {
            FUZZ_CHECK(values.Items() == valuesBefore && weights.Items() == weightsBefore,
                       "calculating changed the data; " + where);
            if (report.starts_with(kMedianHeader) &&
                report.find(ArithmeticFault::kPrefix) == std::string::npos) {
                CheckMedianWorkList();
            }
            return;
        }
        FUZZ_CHECK(report.empty(), "the report kept " + Quoted(report) + " (was " +
                                       Quoted(reportBefore) + "); " + where);
        FUZZ_CHECK(values.Count() == weights.Count(), std::to_string(values.Count()) + " values, " +
                                                          std::to_string(weights.Count()) +
                                                          " weights; " + where);
        if (button == sredna::kClearCommand) {
            FUZZ_CHECK(values.Count() == 0, where);
            return;
        }
        CheckSample(count.value_or(0), SelectedNumber(sredna::kRangeList).value_or(0), where);
    }

    // The sample holds floor(count) whole numbers from 1 to the bound (from
    // bound + 1 to 1 for a bound below 1), each with a weight from 1 to 10.
    void CheckSample(double count, double rangeValue, const std::string& where) {
        const ListBox& values = model_.Values();
        const ListBox& weights = model_.Weights();
        const int expected = count >= 1 ? static_cast<int>(std::floor(count)) : 0;
        FUZZ_CHECK(values.Count() == expected, "count " + std::to_string(count) + " gave " +
                                                   std::to_string(values.Count()) + "; " + where);
        const int bound = sredna::ToInt16(rangeValue);
        const double low = bound >= 1 ? 1 : bound + 1;
        const double high = bound >= 1 ? bound : 1;
        auto inRange = [](const std::string& text, double from, double to) {
            const double v = sredna::Val(text);
            return v == std::floor(v) && v >= from && v <= to &&
                   text.find_first_not_of("-0123456789") == std::string::npos;
        };
        for (int p = 0; p < values.Count(); ++p) {
            FUZZ_CHECK(inRange(values.Item(p), low, high),
                       "value " + Quoted(values.Item(p)) + " for bound " + std::to_string(bound) +
                           "; " + where);
            FUZZ_CHECK(inRange(weights.Item(p), 1, 10),
                       "weight " + Quoted(weights.Item(p)) + "; " + where);
        }
    }

    // After a median the work list holds every value, repeats included, in
    // order: plain whole numbers padded with spaces to one width and in text
    // order; any other values in numeric order.
    void CheckMedianWorkList() {
        const ListBox& values = model_.Values();
        const ListBox& work = model_.MedianWork();
        auto plainWhole = [](const std::string& text) {
            return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
                   (text[0] != '0' || text.size() == 1);
        };
        const std::vector<std::string> items = values.Items();
        FUZZ_CHECK(work.Count() == values.Count(),
                   std::to_string(work.Count()) + " work items for " +
                       std::to_string(values.Count()) + " values; " + Where());
        const bool plain = std::all_of(items.begin(), items.end(), plainWhole);
        for (int p = 1; p < work.Count(); ++p) {
            const std::string& before = work.Item(p - 1);
            const std::string& after = work.Item(p);
            const bool inOrder = plain ? !ListBox::TextLess(after, before)
                                       : sredna::ItemValue(before) <= sredna::ItemValue(after);
            FUZZ_CHECK(inOrder, Quoted(before) + " before " + Quoted(after) + "; " + Where());
        }
    }

    void CheckAlways() {
        for (int l = 0; l < WindowModel::kListCount; ++l) {
            const ListBox& list = model_.ListAt(l);
            FUZZ_CHECK(list.Selected() >= -1 && list.Selected() < list.Count(),
                       "list " + std::to_string(l) + " selects " + std::to_string(list.Selected()) +
                           " of " + std::to_string(list.Count()) + "; " + Where());
        }
        // Only the list's own insertions, removals and the median change it;
        // each keeps the order the last median chose.
        const ListBox& work = model_.MedianWork();
        for (int p = 1; workListTouched_ && p < work.Count(); ++p) {
            FUZZ_CHECK(!work.Precedes(work.Item(p), work.Item(p - 1)),
                       "the median work list has " + Quoted(work.Item(p - 1)) + " before " +
                           Quoted(work.Item(p)) + "; " + Where());
        }

        const std::optional<MeanKind> kind = model_.SelectedKind();
        const bool weighted = kind == MeanKind::Weighted;
        const bool median = kind == MeanKind::Median;
        FUZZ_CHECK(
            model_.Weights().Visible() == weighted && model_.WeightsHeader().Visible() == weighted,
            "weights shown wrongly; " + Where());
        FUZZ_CHECK(
            model_.MedianWork().Visible() == median && model_.MedianHeader().Visible() == median,
            "median list shown wrongly; " + Where());
    }

    char separator_;
    Form form_;
    WindowModel& model_;
    sredna::fuzz::FuzzActions actions_;
    bool workListTouched_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 4096) {
        return 0;
    }
    Session session(data, size);
    session.Run();
    return 0;
}
