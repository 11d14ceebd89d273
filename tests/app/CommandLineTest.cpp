#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

using Mode = CommandLineOptions::Mode;

TEST(CommandLineTest, DocumentsScreenshotsHelpAndVersionAreRead) {
  CommandLineOptions none = ParseCommandLine({});
  EXPECT_EQ(none.mode, Mode::Desktop);
  EXPECT_TRUE(none.document.empty()) << "no document: the bundled sample";

  CommandLineOptions both = ParseCommandLine({"--screenshot", "shot.png", "Plant.vsim"});
  EXPECT_EQ(both.mode, Mode::Desktop);
  EXPECT_EQ(both.screenshotPath, "shot.png");
  EXPECT_EQ(both.document, "Plant.vsim");

  EXPECT_EQ(ParseCommandLine({"Plant.vsim", "--help"}).mode, Mode::Help);
  EXPECT_EQ(ParseCommandLine({"-h"}).mode, Mode::Help);
  EXPECT_EQ(ParseCommandLine({"--version"}).mode, Mode::Version);
  EXPECT_NE(VersionText().find("Vortan Simulation Explorer"), std::string::npos);
  EXPECT_NE(UsageText("vortan").find("--screenshot FILE.png"), std::string::npos);
}

TEST(CommandLineTest, MistakesAreNamed) {
  CommandLineOptions missing = ParseCommandLine({"--screenshot"});
  EXPECT_EQ(missing.mode, Mode::Error);
  EXPECT_NE(missing.error.find("--screenshot"), std::string::npos);
  EXPECT_EQ(ParseCommandLine({"--screenshot", "--version"}).mode, Mode::Error) << "an option is no file name";

  CommandLineOptions unknown = ParseCommandLine({"--frobnicate"});
  EXPECT_EQ(unknown.mode, Mode::Error);
  EXPECT_NE(unknown.error.find("--frobnicate"), std::string::npos);

  CommandLineOptions two = ParseCommandLine({"a.vsim", "b.vsim"});
  EXPECT_EQ(two.mode, Mode::Error);
  EXPECT_NE(two.error.find("b.vsim"), std::string::npos);
}

TEST(CommandLineTest, AScreenshotMayFollowADynamicRunAndShowOneView) {
  CommandLineOptions plot = ParseCommandLine({"--screenshot", "p.png", "--simulate", "300", "--view", "Flowsheet/TankLevels:Plot"});
  EXPECT_EQ(plot.mode, Mode::Desktop);
  EXPECT_EQ(plot.simulateUntil, 300.0);
  EXPECT_EQ(plot.view, "Flowsheet/TankLevels:Plot");
  EXPECT_EQ(ParseCommandLine({"--view", "Flowsheet/TankLevels"}).mode, Mode::Error) << "only with a screenshot";
  for (const char* end : {"0", "-5", "soon", "30s"})
    EXPECT_EQ(ParseCommandLine({"--screenshot", "p.png", "--simulate", end}).mode, Mode::Error) << end;
}

}  // namespace
