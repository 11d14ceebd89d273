// Running the simulation from a script: "simulate" prints the run's summary
// line and fails the script only when the run cannot start; the Run Options
// dialog is filled in by its field labels from the Explorer's row.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/ProgramRun.h"
#include "tests/support/ScopedConfigDir.h"
#include "workbench/document/DocumentFiles.h"

namespace {

class SimulateScriptTest : public ::testing::Test {
 protected:
  ProgramResult Script(const std::string& text, const std::string& document = {}) {
    std::vector<std::string> args{"--script", "-"};
    if (!document.empty()) args.push_back(document);
    return RunProgram(args, text);
  }
  static std::string Sample(const char* name) {
    return (std::filesystem::path(DefaultSamplePath(ProgramPath())).parent_path() / name).string();
  }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  ScopedConfigDir config;
};

}  // namespace

TEST_F(SimulateScriptTest, RunsPrintTheirSummaryAndOnlyARunThatCannotStartFailsTheScript) {
  ProgramResult runs = Script(
      "simulate steady\n"
      "simulate dynamic 100\n"
      "simulate dynamic 150\n");
  ASSERT_EQ(runs.exitCode, 0) << runs.err << runs.out;
  EXPECT_TRUE(Has(runs.out, "Steady state run converged")) << runs.out;
  EXPECT_TRUE(Has(runs.out, "Dynamic run reached its end time 100 s\n")) << runs.out;
  EXPECT_TRUE(Has(runs.out, "Dynamic run reached its end time 150 s\n")) << runs.out;

  // A run that does not converge still ran: its line is printed and the script goes on.
  ProgramResult unconverged = Script("simulate steady\nmessages\n", Sample("Overspecified.vsim"));
  ASSERT_EQ(unconverged.exitCode, 0) << unconverged.err;
  EXPECT_TRUE(Has(unconverged.out, "Steady state run did not converge: group 1 of")) << unconverged.out;
  EXPECT_TRUE(Has(unconverged.out, "Over-specified")) << unconverged.out;

  // An end time the run stands at or beyond cannot start; nor can a mode that is not a run.
  ProgramResult late = Script("simulate dynamic 20\nsimulate dynamic 10\nlist\n");
  EXPECT_EQ(late.exitCode, 1);
  EXPECT_TRUE(Has(late.err, "stdin:2:")) << late.err;
  EXPECT_TRUE(Has(late.err, "The end time 10 s is not after the simulated time 20 s")) << late.err;
  for (const char* bad : {"simulate\n", "simulate sideways\n", "simulate steady 10\n", "simulate dynamic soon\n"}) {
    ProgramResult refused = Script(bad);
    EXPECT_EQ(refused.exitCode, 1) << bad;
    EXPECT_TRUE(Has(refused.err, "simulate steady, simulate initialization or simulate dynamic")) << refused.err;
  }
}

TEST_F(SimulateScriptTest, TheSimulationsRunMenuShowsWhatTheHostWouldDoNow) {
  // With no run going, Pause is listed but unavailable, as the desktop greys it, and choosing it is refused.
  ProgramResult menu = Script("select Simulation\nmenu\ndo Pause\n");
  EXPECT_TRUE(Has(menu.out, "  &Pause\tF4  [unavailable]\n")) << menu.out;
  EXPECT_EQ(menu.exitCode, 1);
  EXPECT_TRUE(Has(menu.err, "stdin:3: do Pause: the command is not available")) << menu.err;
}

TEST_F(SimulateScriptTest, PauseAtRewindAndResetFromTheRunMenu) {
  ProgramResult result = Script(
      "select Simulation\n"
      "answer fields Pause at time (s)=40\n"
      "do Pause At...\n"
      "simulate dynamic 100\n"
      "answer yes\n"
      "do Rewind...\n"
      "do Reset All\n"
      "messages\n");
  ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
  EXPECT_TRUE(Has(result.out, "The dynamic run pauses at time 40 s")) << result.out;
  EXPECT_TRUE(Has(result.out, "Dynamic run paused at time 40 of 100 s")) << result.out;
  EXPECT_TRUE(Has(result.out, "Rewound to time 0: the values are those the last dynamic run started from"))
      << result.out;
  EXPECT_TRUE(Has(result.out, "Reset: free variables, initial variables, derivatives, time and diagnostics"))
      << result.out;
}

TEST_F(SimulateScriptTest, RunOptionsFilledInByLabelSetTheNextDynamicRunsEndTime) {
  ProgramResult result = Script(
      "select Simulation/Simulation Options\n"
      "row Run Options\n"
      "answer fields End time (s)=30; Reporting interval (s)=10; Dynamic=on\n"
      "do Open\n"
      "simulate dynamic\n");
  ASSERT_EQ(result.exitCode, 0) << result.err << result.out;
  // Shown once, and before any choice the mode a run would take is selected.
  const std::string heading = "dialog: Run Options\n";
  ASSERT_TRUE(Has(result.out, heading)) << result.out;
  EXPECT_FALSE(Has(result.out.substr(result.out.find(heading) + 1), heading)) << result.out;
  EXPECT_TRUE(Has(result.out, "  (o) Steady State\n")) << result.out;
  EXPECT_TRUE(Has(result.out, "Dynamic run reached its end time 30 s\n")) << result.out;

  ProgramResult unknown = Script(
      "select Simulation/Simulation Options\n"
      "row Run Options\n"
      "answer fields Start time=3\n"
      "do Open\n");
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_TRUE(Has(unknown.err, "has no field \"Start time\"")) << unknown.err;
}
