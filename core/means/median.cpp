#include <algorithm>
#include <string>
#include <vector>

#include "core/means/mean_branches.h"
#include "core/numbers/arithmetic_fault.h"

namespace sredna::branches {

namespace {

// Digits alone, without a leading zero: what random samples and the initial
// list hold. Padded to one width, such texts sort as texts in numeric order,
// and two are equal exactly when their numbers are.
bool IsPlainWholeNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
           (text[0] != '0' || text.size() == 1);
}

struct Padded {
    double number;
    std::string text;
};

}  // namespace

// The median of all the values, repeats included, as pupils are taught it.
// The texts are padded with spaces to one width and go into the sorted work
// list. Plain whole numbers are sorted as texts, as they always have been;
// any other values ("-1", "2,5") by the numbers they read as, since their
// text order is not numeric.
MeanOutcome Median(const ListBox& values, ListBox& workList, Report& report) {
    report.Start("Изчислявам медиана на въведените данни:");
    report.Append("Данните се подреждат във възходящ ред.", kCrLf);

    const int last = values.Count() - 1;
    std::size_t width = values.Item(0).size();
    for (int p = 1; p <= last; ++p) {
        width = std::max(width, values.Item(p).size());
    }
    if (width > static_cast<std::size_t>(ListBox::kMaxItems)) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);  // a 16-bit width
    }

    bool plain = true;
    for (int p = 0; p <= last && plain; ++p) {
        plain = IsPlainWholeNumber(values.Item(p));
    }
    // Each padded text with the number it reads as; a value beyond a double
    // faults here, before the work list changes.
    std::vector<Padded> padded;
    padded.reserve(static_cast<std::size_t>(last) + 1);
    for (int p = 0; p <= last; ++p) {
        const std::string& item = values.Item(p);
        padded.push_back(
            {plain ? 0 : ItemValue(item), std::string(width - item.size(), ' ') + item});
    }
    auto less = [plain](const Padded& a, const Padded& b) {
        return plain ? ListBox::TextLess(a.text, b.text) : a.number < b.number;
    };
    // In the work list's order, equal ones in the order they came, as
    // inserting them one by one would leave them. Sorting first and adding
    // the texts in order keeps a long list from moving its items over and
    // over.
    std::stable_sort(padded.begin(), padded.end(), less);
    workList.Clear();
    workList.SetSortOrder(plain ? SortOrder::Text : SortOrder::Numeric);
    for (Padded& entry : padded) {
        workList.AddItem(std::move(entry.text));
    }

    const int m = workList.Count();
    report.Append("Новата съвкупност съдържа ", m, " елемента.", kCrLf);
    double median = 0;
    if (m % 2 == 0) {
        const int h = m / 2;
        report.Append("При четен брой елементи медиана е полусума на елементи с номера ", h, " и ",
                      h + 1, kCrLf);
        median = 0.5 * ItemValue(workList.Item(h - 1)) + 0.5 * ItemValue(workList.Item(h));
    } else {
        const int h = (m + 1) / 2;
        report.Append("При нечетен брой елементи медиана е елемент номер ", h, " със стойност ",
                      workList.Item(h - 1), kCrLf);
        median = ItemValue(workList.Item(h - 1));
    }
    report.Append("медиана = ", median, kCrLf);
    return MeanOutcome::Of(median);
}

}  // namespace sredna::branches
