#include "core/picture/value_order.h"

#include <algorithm>
#include <numeric>

#include "core/numbers/arithmetic_fault.h"
#include "core/numbers/numbers.h"

namespace sredna {

ValueOrder::ValueOrder(const ListBox& values) {
    values_.reserve(static_cast<std::size_t>(values.Count()));
    try {
        for (int p = 0; p < values.Count(); ++p) {
            values_.push_back(ItemValue(values.Item(p)));
        }
    } catch (const ArithmeticFault&) {
        values_.clear();
    }
    order_.resize(values_.size());
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) {
        return values_[static_cast<std::size_t>(a)] < values_[static_cast<std::size_t>(b)];
    });
    ranks_.resize(order_.size());
    for (std::size_t rank = 0; rank < order_.size(); ++rank) {
        ranks_[static_cast<std::size_t>(order_[rank])] = static_cast<int>(rank);
    }
}

int ValueOrder::At(int rank) const {
    return rank >= 0 && rank < Count() ? order_[static_cast<std::size_t>(rank)] : -1;
}

int ValueOrder::RankOf(int position) const {
    return position >= 0 && position < Count() ? ranks_[static_cast<std::size_t>(position)] : -1;
}

int ValueOrder::Previous(int position) const {
    const int rank = RankOf(position);
    return rank > 0 ? At(rank - 1) : -1;
}

int ValueOrder::Next(int position) const {
    const int rank = RankOf(position);
    return rank >= 0 ? At(rank + 1) : -1;
}

int ValueOrder::LastOf(double value) const {
    const auto after = std::upper_bound(
        order_.begin(), order_.end(), value,
        [this](double v, int p) { return v < values_[static_cast<std::size_t>(p)]; });
    if (after == order_.begin() || values_[static_cast<std::size_t>(*(after - 1))] != value) {
        return -1;
    }
    return *(after - 1);
}

int DraggedValue(const DotStacks& stacks, const ValueOrder& order, int column) {
    const auto& values = stacks.Values();
    // The distinct values are ascending, so the column's largest is its last.
    const auto last = std::find_if(values.rbegin(), values.rend(),
                                   [column](const StackedValue& v) { return v.column == column; });
    return last == values.rend() ? -1 : order.LastOf(last->value);
}

}  // namespace sredna
