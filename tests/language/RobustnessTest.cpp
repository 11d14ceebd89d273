// Damaged and foreign texts: every entry point reads any bytes without
// failing, and what it gives back still holds together.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/DefinitionSplitter.h"
#include "workbench/language/DefinitionWriter.h"
#include "workbench/language/TypeReferences.h"

namespace {

const char* const kSeed =
    "/* seed */\nModel Tank Uses Vessel\n  N as Count (3, description:\"stages\");\n"
    "  P, T as Pressure (1.0e5, Fixed);\n  Inlet as Input Material;\n  balance : $N = Inlet.F - 2;\n"
    "  For i In [1:N] Do x(i) = i; EndFor;\n  If P > 3 Then y = 1; Else y = 2; EndIf\n"
    "  Call (h, s) = Flash(P, T);\nEnd\nVariable V\n  Lower: 0; Value: 1.5;\nEnd\n"
    "Parameter S Uses StringParameter\n  Valid as StringSet ([\"a\"]);\nEnd\nTask T\n  x;\nEnd\n";

// The seed with a few bytes changed, removed or repeated.
std::string Mutate(std::mt19937& random, const std::string& seed) {
  std::string text = seed;
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int e = 0; e < edits && !text.empty(); ++e) {
    const std::size_t at = random() % text.size();
    switch (random() % 4) {
      case 0: text[at] = static_cast<char>(random() % 256); break;
      case 1: text.erase(at, 1 + random() % 8); break;
      case 2: text.insert(at, text.substr(at, 1 + random() % 16)); break;
      default: text.resize(at); break;
    }
  }
  return text;
}

TEST(RobustnessTest, MutatedTextsAreReadWithoutFailingAndSplitsJoinBack) {
  std::mt19937 random(20240601);
  TableResolver types = StandardTypes();
  const TypeResolver resolver = types.Resolver();
  int splitCleanly = 0;
  for (int round = 0; round < 1500; ++round) {
    const std::string text = Mutate(random, kSeed);
    const CheckedDefinition checked = CheckDefinitionText(text, resolver);
    EXPECT_LE(static_cast<int>(checked.report.messages.size()), CBoundedReport::kMaxMessages);
    for (const QVParseMessage& m : checked.report.messages) {
      EXPECT_GE(m.line, 0);
      EXPECT_LE(m.line, 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n')));
    }
    const SplitFile split = SplitDefinitions(text);
    if (split.Ok()) {
      ++splitCleanly;
      std::string joined;
      for (const SourceDefinition& d : split.definitions) joined += d.leadingText + d.text;
      EXPECT_EQ(joined + split.trailingText, text);
    }
    if (const std::optional<DefinitionHeader> header = ReadDefinitionHeader(text)) {
      const std::optional<std::string> renamed = RenameDefinitionHeader(text, header->name, "Other");
      ASSERT_TRUE(renamed);
      EXPECT_EQ(ReadDefinitionHeader(*renamed)->name, "Other");
    }
    RenameTypeReferences(text, "Pressure", "P2");
    if (checked.definition) WriteDefinition(*checked.definition);
  }
  EXPECT_GT(splitCleanly, 100);  // the mutations leave many files whole
}

TEST(RobustnessTest, ForeignBytesGiveAShortReport) {
  std::mt19937 random(7);
  std::string bytes(100000, '\0');
  for (char& c : bytes) c = static_cast<char>(random() % 256);
  const CheckedDefinition checked = CheckDefinitionText(bytes, TypeResolver{});
  EXPECT_TRUE(checked.report.HasErrors());
  EXPECT_LE(static_cast<int>(checked.report.messages.size()), CBoundedReport::kMaxMessages);
  EXPECT_FALSE(SplitDefinitions(bytes).Ok());
}

TEST(RobustnessTest, HugeFileOfSmallDefinitionsSplitsIntoAll) {
  constexpr int kCount = 100000;
  std::string file;
  for (int i = 0; i < kCount; ++i) file += "// type " + std::to_string(i) + "\nVariable V" + std::to_string(i) + "\n  Value: 1;\nEnd\n";
  const SplitFile split = SplitDefinitions(file);
  ASSERT_TRUE(split.Ok());
  ASSERT_EQ(split.definitions.size(), static_cast<std::size_t>(kCount));
  EXPECT_EQ(split.definitions[kCount - 1].name, "V99999");
  EXPECT_EQ(split.definitions[kCount - 1].line, 4 * (kCount - 1) + 2);
  EXPECT_EQ(JoinDefinitions(split.definitions, split.trailingText).size(), file.size());
}

}  // namespace
