#pragma once

#include <string_view>

namespace sredna {

// Fixed Bulgarian text of the introduction box: 57 CR LF-terminated lines, cp1251-safe UTF-8.
std::string_view introText();

}  // namespace sredna
