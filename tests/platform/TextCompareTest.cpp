// The caseless text helpers must agree with one another: the hash and the
// equality that index the store's names, and the sort key the tree sorts by,
// all stand in for CompareNoCase.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextCompare.h"

namespace {

// Texts around every edge: the letters' neighbours ('@', '[', '`', '{'),
// bytes above 127, NUL inside a text, 8- and 16-byte boundaries.
std::vector<std::string> TrickyTexts() {
  std::vector<std::string> texts = {"", "a", "A", "@", "[", "`", "{", "Z", "z", "Model1", "model10", "MODEL1", "Model",
                                    "ModelA", "Model_", "CompiledModelFolder", "compiledmodelfolder",
                                    "CompiledModelFolders", "ABCDEFGH", "abcdefgh", "ABCDEFGHI", "ABCDEFGHIJKLMNOP",
                                    "abcdefghijklmnop", "ABCDEFGHIJKLMNOPq", "abcdefghijklmnopQ", "abcdefghijklmnopR",
                                    "\xC3\x84rger", "\xC3\xA4rger", "\xFF", "\x7F"};
  texts.insert(texts.end(), {std::string("x\0y", 3), std::string("x\0", 2), "x", std::string("abcdefghijklmno\0", 16)});
  return texts;
}

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(TextCompareTest, EightBytesAtOnceLowerExactlyAsOneByteAtATime) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::uint64_t repeated = 0x0101010101010101ull * static_cast<std::uint64_t>(byte);
    const std::uint64_t expected = 0x0101010101010101ull * AsciiLower(static_cast<unsigned char>(byte));
    ASSERT_EQ(AsciiLower8(repeated), expected) << "byte " << byte;
  }
  // Neighbouring bytes do not disturb each other.
  EXPECT_EQ(AsciiLower8(0x5A5B40415A7B61FFull), 0x7A5B40617A7B61FFull);
}

TEST(TextCompareTest, EqualityHashAndSortKeyAgreeWithTheComparison) {
  const std::vector<std::string> texts = TrickyTexts();
  for (const std::string& a : texts) {
    for (const std::string& b : texts) {
      const int order = Sign(CompareNoCase(a, b));
      EXPECT_EQ(EqualNoCase(a, b), order == 0) << '"' << a << "\" vs \"" << b << '"';
      if (order == 0) {
        EXPECT_EQ(HashNoCase(a), HashNoCase(b)) << '"' << a << '"';
      }
      const CaselessSortKey keyA = CaselessSortKey::Of(a), keyB = CaselessSortKey::Of(b);
      if (!(keyA == keyB)) {
        EXPECT_EQ(keyA < keyB ? -1 : 1, order) << '"' << a << "\" vs \"" << b << '"';
      }
    }
  }
  EXPECT_NE(HashNoCase("Model1"), HashNoCase("Model2"));
}

}  // namespace
