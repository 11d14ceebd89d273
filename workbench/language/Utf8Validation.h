// UTF-8 checking for model texts: texts pass through untouched, but a byte
// sequence that is not valid UTF-8 must be found and reported.
#pragma once

#include <cstddef>
#include <string_view>

// Length (1 to 4) of the well-formed UTF-8 sequence that starts at text[pos],
// or 0 when the bytes there are not valid UTF-8 (stray continuation byte,
// truncated or overlong sequence, surrogate, or a code point above U+10FFFF).
int Utf8SequenceLength(std::string_view text, std::size_t pos);

// Offset of the first byte that does not start valid UTF-8, or npos.
std::size_t FindInvalidUtf8(std::string_view text);
