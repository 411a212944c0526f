#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace sredna::fuzz {

// A fuzzer's bytes read as a run of actions: small choices, positions that
// may lie just outside a list, and short texts each ended by ";".
class FuzzActions {
public:
    FuzzActions(const std::uint8_t* data, std::size_t size, std::size_t maxText)
        : data_(data), size_(size), maxText_(maxText) {}

    bool Done() const { return at_ >= size_; }
    unsigned Next() { return Done() ? 0 : static_cast<std::uint8_t>(data_[at_++] - '0'); }
    // A position from -1 to count + 1: both ends lie outside the list.
    int Position(int count) {
        const auto choices = static_cast<unsigned>(count + 3);
        unsigned choice = Next();
        if (choices > 256) {
            choice = choice * 256 + Next();
        }
        return static_cast<int>(choice % choices) - 1;
    }
    std::string Text() {
        std::string text;
        while (!Done() && data_[at_] != ';' && text.size() < maxText_) {
            text += static_cast<char>(data_[at_++]);
        }
        if (!Done() && data_[at_] == ';') {
            ++at_;
        }
        return text;
    }
    // How many bytes have been read.
    std::size_t Offset() const { return at_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t maxText_;
    std::size_t at_ = 0;
};

}  // namespace sredna::fuzz
