#include "core/model/item_store.h"

#include <algorithm>
#include <iterator>

namespace sredna {

ItemStore::ItemStore(const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        Insert(size_, item);
    }
}

std::pair<std::size_t, std::size_t> ItemStore::Locate(int position) const {
    const auto target = static_cast<std::size_t>(position);
    if (lastBlock_ >= blocks_.size() || target < lastStart_) {
        lastBlock_ = 0;
        lastStart_ = 0;
    }
    std::size_t offset = target - lastStart_;
    std::size_t block = lastBlock_;
    while (block + 1 < blocks_.size() && offset >= blocks_[block].size()) {
        offset -= blocks_[block].size();
        ++block;
    }
    lastBlock_ = block;
    lastStart_ = target - offset;
    return {block, offset};
}

const std::string& ItemStore::At(int position) const {
    auto [block, offset] = Locate(position);
    return blocks_[block][offset];
}

void ItemStore::Insert(int position, std::string text) {
    if (blocks_.empty()) {
        blocks_.emplace_back();
    }
    auto [block, offset] = Locate(position);
    auto& items = blocks_[block];
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(offset), std::move(text));
    ++size_;
    if (items.size() >= 2 * kBlockSize) {
        std::vector<std::string> upper(std::make_move_iterator(items.begin() + kBlockSize),
                                       std::make_move_iterator(items.end()));
        items.resize(kBlockSize);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
    }
}

void ItemStore::Replace(int position, std::string text) {
    auto [block, offset] = Locate(position);
    blocks_[block][offset] = std::move(text);
}

void ItemStore::Erase(int position) {
    auto [block, offset] = Locate(position);
    auto& items = blocks_[block];
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(offset));
    --size_;
    if (items.empty()) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
    }
}

void ItemStore::Clear() {
    blocks_.clear();
    size_ = 0;
    lastBlock_ = 0;
    lastStart_ = 0;
}

std::vector<std::string> ItemStore::ToVector() const {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(size_));
    for (const auto& block : blocks_) {
        items.insert(items.end(), block.begin(), block.end());
    }
    return items;
}

std::vector<std::string> ItemStore::TakeAll() {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(size_));
    for (auto& block : blocks_) {
        std::move(block.begin(), block.end(), std::back_inserter(items));
    }
    Clear();
    return items;
}

}  // namespace sredna
