#pragma once

#include <string>
#include <vector>

namespace sredna {

// The items of a list box, kept in blocks so that inserting or removing in
// the middle moves a few hundred texts rather than the whole list: the median
// fills its sorted list one item at a time and then removes repeats one by
// one, which a flat vector makes quadratic.
class ItemStore {
public:
    ItemStore() = default;
    explicit ItemStore(const std::vector<std::string>& items);

    int Size() const { return size_; }
    const std::string& At(int position) const;
    void Insert(int position, std::string text);
    void Erase(int position);
    void Clear();
    std::vector<std::string> ToVector() const;

    // The first position whose text compares greater than text under less.
    template <typename Less>
    int UpperBound(const std::string& text, Less less) const;

private:
    static constexpr std::size_t kBlockSize = 256;

    // The block holding a position, and the position within it.
    std::pair<std::size_t, std::size_t> Locate(int position) const;

    std::vector<std::vector<std::string>> blocks_;
    int size_ = 0;
};

template <typename Less>
int ItemStore::UpperBound(const std::string& text, Less less) const {
    int before = 0;
    for (const auto& block : blocks_) {
        // Skip whole blocks whose last text is not greater.
        if (!less(text, block.back())) {
            before += static_cast<int>(block.size());
            continue;
        }
        std::size_t low = 0;
        std::size_t high = block.size();
        while (low < high) {
            std::size_t mid = (low + high) / 2;
            if (less(text, block[mid])) {
                high = mid;
            } else {
                low = mid + 1;
            }
        }
        return before + static_cast<int>(low);
    }
    return before;
}

}  // namespace sredna
