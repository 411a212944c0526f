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
    void Replace(int position, std::string text);
    void Erase(int position);
    void Clear();
    std::vector<std::string> ToVector() const;
    // Every item, moved out; the store is left empty.
    std::vector<std::string> TakeAll();

    // The first position whose text compares greater than key under less,
    // less(key, text), in a store already in that order.
    template <typename Key, typename Less>
    int UpperBound(const Key& key, Less less) const;

private:
    static constexpr std::size_t kBlockSize = 256;

    // The block holding a position, and the position within it.
    std::pair<std::size_t, std::size_t> Locate(int position) const;

    std::vector<std::vector<std::string>> blocks_;
    int size_ = 0;
    // The block found last and its first position: reading a list from
    // start to end then steps from block to block instead of counting from
    // the first block for every item. An insertion or removal changes only
    // the block it lands in and those after it, so this stays true.
    mutable std::size_t lastBlock_ = 0;
    mutable std::size_t lastStart_ = 0;
};

template <typename Key, typename Less>
int ItemStore::UpperBound(const Key& key, Less less) const {
    // The blocks' last texts are in order as well: a binary search finds the
    // block first, so a comparison that must read a number from each text
    // stays cheap in a long list.
    std::size_t low = 0;
    std::size_t high = blocks_.size();
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (less(key, blocks_[mid].back())) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    if (low == blocks_.size()) {
        return size_;
    }
    int before = 0;
    for (std::size_t b = 0; b < low; ++b) {
        before += static_cast<int>(blocks_[b].size());
    }
    const auto& block = blocks_[low];
    std::size_t first = 0;
    std::size_t last = block.size();
    while (first < last) {
        const std::size_t mid = (first + last) / 2;
        if (less(key, block[mid])) {
            last = mid;
        } else {
            first = mid + 1;
        }
    }
    return before + static_cast<int>(first);
}

}  // namespace sredna
