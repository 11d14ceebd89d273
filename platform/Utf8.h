// Character positions in UTF-8 text. Controls count characters (text limits,
// selections, line lengths) while text is stored as UTF-8 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Utf8 {
// Number of characters (code points; a stray continuation byte counts as part of the one before).
std::size_t Length(std::string_view text);
// Byte offset of character index chars (the text's size when chars is past the end).
std::size_t ByteOffset(std::string_view text, std::size_t chars);
// The first chars characters of text.
std::string Prefix(std::string_view text, std::size_t chars);
}  // namespace Utf8
