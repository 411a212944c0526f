#pragma once

#include <optional>
#include <string>
#include <string_view>

// A text file's bytes as UTF-8, whichever way a spreadsheet or an editor
// wrote them.
namespace sredna::text_encoding {

bool IsValidUtf8(std::string_view bytes);

// UTF-8 with or without a byte-order mark; UTF-16 (either byte order) with
// one, as a spreadsheet's "Unicode text" is; anything else that is not valid
// UTF-8 is Windows-1251, a spreadsheet's plain text on a Bulgarian Windows.
// Nothing when the bytes are not text at all: a NUL or another control
// character that no text file holds, broken UTF-16, or bytes after a UTF-8
// byte-order mark that are not UTF-8 (BrokenAfterUtf8Bom).
std::optional<std::string> DecodeText(std::string_view bytes);

// A UTF-8 byte-order mark with bytes after it that are not UTF-8.
bool BrokenAfterUtf8Bom(std::string_view bytes);

// The UTF-8 byte-order mark, which spreadsheets need to read a UTF-8 file
// as UTF-8.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace sredna::text_encoding
