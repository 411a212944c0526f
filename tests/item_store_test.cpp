#include "core/model/item_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace sredna {
namespace {

// Random insertions and removals across many blocks agree with a plain
// vector doing the same.
TEST(ItemStoreTest, AgreesWithAVectorAcrossBlockBoundaries) {
    std::mt19937 engine(31);
    ItemStore store;
    std::vector<std::string> reference;
    for (int step = 0; step < 6000; ++step) {
        const int size = static_cast<int>(reference.size());
        const bool insert = size == 0 || std::uniform_int_distribution<int>(0, 9)(engine) < 7;
        const int position =
            std::uniform_int_distribution<int>(0, insert ? size : size - 1)(engine);
        if (insert) {
            std::string text = std::to_string(step);
            store.Insert(position, text);
            reference.insert(reference.begin() + position, text);
        } else {
            store.Erase(position);
            reference.erase(reference.begin() + position);
        }
        ASSERT_EQ(store.Size(), static_cast<int>(reference.size()));
        if (!reference.empty()) {
            const int probe = std::uniform_int_distribution<int>(0, store.Size() - 1)(engine);
            ASSERT_EQ(store.At(probe), reference[static_cast<std::size_t>(probe)]);
        }
    }
    EXPECT_EQ(store.ToVector(), reference);
    store.Clear();
    EXPECT_EQ(store.Size(), 0);
    EXPECT_TRUE(store.ToVector().empty());
}

TEST(ItemStoreTest, UpperBoundFindsTheFirstGreaterInAnyBlock) {
    std::vector<std::string> sorted;
    sorted.reserve(2000);
    for (int i = 0; i < 2000; ++i) {
        sorted.push_back(std::string(4 - std::to_string(i / 3).size(), ' ') +
                         std::to_string(i / 3));
    }
    ItemStore store(sorted);
    auto less = [](const std::string& a, const std::string& b) { return a < b; };
    for (const std::string& probe : {std::string("   0"), std::string(" 300"), std::string(" 666"),
                                     std::string("9999"), std::string("  ")}) {
        const auto expected =
            std::upper_bound(sorted.begin(), sorted.end(), probe) - sorted.begin();
        EXPECT_EQ(store.UpperBound(probe, less), expected) << '"' << probe << '"';
    }
}

}  // namespace
}  // namespace sredna
