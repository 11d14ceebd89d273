// A huge file: the splitter finds every definition. Damaged texts at large
// are the language fuzz target's; the bound on a report is the lexer tests'.
#include <gtest/gtest.h>

#include <string>

#include "workbench/language/DefinitionSplitter.h"
#include "workbench/language/DefinitionWriter.h"

namespace {

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
