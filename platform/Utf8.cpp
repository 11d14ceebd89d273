#include "platform/Utf8.h"

namespace {
bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

namespace Utf8 {

std::size_t Length(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == 0 || !IsContinuation(text[i])) ++n;
  }
  return n;
}

std::size_t ByteOffset(std::string_view text, std::size_t chars) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == 0 || !IsContinuation(text[i])) {
      if (seen == chars) return i;
      ++seen;
    }
  }
  return text.size();
}

std::string Prefix(std::string_view text, std::size_t chars) {
  return std::string(text.substr(0, ByteOffset(text, chars)));
}

}  // namespace Utf8
