#include "app/headless/ExplorerPath.h"

#include <gtest/gtest.h>

using Labels = std::vector<std::string>;

TEST(ExplorerPath, SplitsAtSlashesAndKeepsEscapedSlashesInsideLabels) {
  EXPECT_EQ(SplitExplorerPath("Simulation/Custom Modeling/Models"), (Labels{"Simulation", "Custom Modeling", "Models"}));
  EXPECT_EQ(SplitExplorerPath("Simulation/In\\/Out/x"), (Labels{"Simulation", "In/Out", "x"}));
  // Other backslashes are part of the label, also one at the very end.
  EXPECT_EQ(SplitExplorerPath("C:\\dir/x\\"), (Labels{"C:\\dir", "x\\"}));
  // Blanks belong to labels (" Add Model").
  EXPECT_EQ(SplitExplorerPath("Models/ Add Model"), (Labels{"Models", " Add Model"}));
}

TEST(ExplorerPath, EmptyLabelsAreDropped) {
  EXPECT_EQ(SplitExplorerPath("/Simulation//Flowsheet/"), (Labels{"Simulation", "Flowsheet"}));
  EXPECT_TRUE(SplitExplorerPath("").empty());
}

TEST(ExplorerPath, JoiningEscapesSlashesSoThatSplittingGivesTheLabelsBack) {
  const Labels labels{"Simulation", "In/Out", "a\\b"};
  EXPECT_EQ(JoinExplorerPath(labels), "Simulation/In\\/Out/a\\b");
  EXPECT_EQ(SplitExplorerPath(JoinExplorerPath(labels)), labels);
}
