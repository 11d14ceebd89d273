// "Create Model Initialization Script..." from the command line: a script
// selects a custom model, answers the dialog and the replace question, and
// finds the script in the model's contents and its announcement among the messages.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/ProgramRun.h"
#include "tests/support/ScopedConfigDir.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(InitializationScriptCommandLineTest, AScriptCreatesThePreSolveScriptAndIsAskedBeforeReplacingIt) {
  ScopedConfigDir config;
  ProgramResult run = RunProgram({"--script", "-"},
                                 "select Simulation/Custom Modeling/Storage/BufferTank\n"
                                 "answer ok\n"
                                 "do Create Model Initialization Script...\n"
                                 "list\n"
                                 "answer ok\n"
                                 "answer no\n"
                                 "do Create Model Initialization Script...\n"
                                 "messages\n");
  ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
  EXPECT_TRUE(Has(run.out, "Create Initialization Script")) << run.out;
  EXPECT_TRUE(Has(run.out, "\nPreSolve\t")) << run.out;
  EXPECT_TRUE(Has(run.out, "This script already exists.")) << run.out;
  const std::string created = "Initialization script PreSolve has been created.";
  EXPECT_TRUE(Has(run.out, created)) << run.out;
  EXPECT_EQ(run.out.find(created), run.out.rfind(created)) << "the refused replacement announces nothing";

  // A folder is no model: the command is not offered.
  ProgramResult refused = RunProgram({"--script", "-"},
                                     "select Simulation/Custom Modeling/Storage\n"
                                     "do Create Model Initialization Script...\n");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(Has(refused.err, "not available") || Has(refused.err, "no command")) << refused.err;
}

}  // namespace
