#include <algorithm>
#include <string>

#include "core/arithmetic_fault.h"
#include "core/mean_branches.h"

namespace sredna::branches {

// The median of the distinct values. The texts are padded with spaces to one
// width and sorted as texts, and repeats are found by comparing texts. That
// order is numeric order only for whole numbers written without sign, point
// or leading zeros; for other texts the report follows the text order.
std::optional<double> Median(const ListBox& values, ListBox& workList, Report& report) {
    report.Start("Изчислявам медиана на въведените данни:");
    report.Append("Данните се подреждат във възходящ ред.", kCrLf);
    report.Append("Изтриват се повтарящите се стойности.", kCrLf);

    const int last = values.Count() - 1;
    std::size_t width = values.Item(0).size();
    for (int p = 1; p <= last; ++p) {
        width = std::max(width, values.Item(p).size());
    }
    if (width > static_cast<std::size_t>(ListBox::kMaxItems)) {
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);  // a 16-bit width
    }

    workList.Clear();
    for (int p = 0; p <= last; ++p) {
        const std::string& item = values.Item(p);
        workList.AddItem(std::string(width - item.size(), ' ') + item);
    }

    // The count is read afresh before every comparison: it shrinks as
    // repeats go.
    int i = 0;
    while (i < workList.Count() - 1) {
        if (workList.Item(i + 1) == workList.Item(i)) {
            workList.RemoveItem(i + 1);
        } else {
            ++i;
        }
    }

    const int m = workList.Count();
    report.Append("Новата съвкупност съдържа ", m, " елемента.", kCrLf);
    double median = 0;
    if (m % 2 == 0) {
        const int h = m / 2;
        report.Append("При четен брой елементи медиана е полусума на елементи с номера ", h, " и ",
                      h + 1, kCrLf);
        median = 0.5 * Val(workList.Item(h - 1)) + 0.5 * Val(workList.Item(h));
    } else {
        const int h = (m + 1) / 2;
        report.Append("При нечетен брой елементи медиана е елемент номер ", h, " със стойност ",
                      workList.Item(h - 1), kCrLf);
        median = Val(workList.Item(h - 1));
    }
    report.Append("медиана = ", median, kCrLf);
    return std::nullopt;
}

}  // namespace sredna::branches
