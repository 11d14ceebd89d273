// The host's views from a script: forms opened with their Show as commands
// and printed, a fixed value set in the units shown, the finder's search.
#include <gtest/gtest.h>

#include "tests/cli/ProgramRun.h"
#include "tests/support/ScopedConfigDir.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(HostViewScript, FormsOpenAsViewsThatPrintAndATableEditsAFixedValue) {
  ScopedConfigDir config;
  const ProgramResult result = RunProgram({"--script", "-"},
                                          "select Simulation/Custom Modeling/Storage/BufferTank\n"
                                          "row LevelTrend\n"
                                          "do Show as History\n"
                                          "view\n"
                                          "row Levels\n"
                                          "do Edit\n"
                                          "set T101.Area 5\n"
                                          "view 2\n"
                                          "find T10?.L*\n");
  ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
  EXPECT_TRUE(Contains(result.out, "view 1: BufferTank.LevelTrend - History\n"));
  EXPECT_TRUE(Contains(result.out, "Time,T101.Level (m),T102.Level (m)\n"));
  EXPECT_TRUE(Contains(result.out, "view 2: BufferTank.Levels - Table\n"));
  EXPECT_TRUE(Contains(result.out, "T101.Area\t5\t\tFixed\t\t\tcross-section, m2\n")) << result.out;
  EXPECT_TRUE(Contains(result.out, "T101.Level\t1.5\tm\tInitial\t0\t6\tliquid level\n"));
  EXPECT_TRUE(Contains(result.out, "T102.Level\t2.5\tm\tFixed\tliquid level\n2 variables\n")) << result.out;
}

TEST(HostViewScript, WhatCannotBeDoneStopsTheScriptWithAReason) {
  ScopedConfigDir config;
  ProgramResult result = RunProgram({"--script", "-"}, "view\n");
  EXPECT_NE(result.exitCode, 0);
  EXPECT_TRUE(Contains(result.err, "no view is open")) << result.err;
  result = RunProgram({"--script", "-"}, "set T101.Inlet.F 3\n");
  EXPECT_NE(result.exitCode, 0);
  EXPECT_TRUE(Contains(result.err, "T101.Inlet.F is Free; only fixed and initial values can be set")) << result.err;
  result = RunProgram({"--script", "-"}, "set T101.Area lots\n");
  EXPECT_TRUE(Contains(result.err, "\"lots\" is not a number")) << result.err;
}
