#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace sredna::texts {

// Texts made of others at compile time, so that a title that names the
// program takes the name from product.h and still stays a constant:
// kJoined<kPrefix, product::kName>. Each part must be a constexpr
// string_view with static storage.
template <const std::string_view&... Parts>
struct JoinedText {
    static constexpr std::size_t kSize = (std::size_t{0} + ... + Parts.size());
    static constexpr std::array<char, kSize + 1> kChars = [] {
        std::array<char, kSize + 1> chars{};
        auto* end = chars.data();
        ((end = std::copy(Parts.begin(), Parts.end(), end)), ...);
        return chars;
    }();
};

template <const std::string_view&... Parts>
inline constexpr std::string_view kJoined{JoinedText<Parts...>::kChars.data(),
                                          JoinedText<Parts...>::kSize};

}  // namespace sredna::texts
