// Writing contents and reading them back gives the same contents, and the
// same text when written again.
#include <gtest/gtest.h>

#include <string>


#include "platform/SafeFile.h"
#include "tests/support/ScratchDirectory.h"
#include "tests/workbench_files/FileTestSupport.h"
#include "workbench/files/FileFormat.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"

namespace {

FileContents ReadBack(const std::string& text) {
  FileProblem problem;
  const auto contents = ReadFileContents(text, "test.vsim", problem);
  EXPECT_TRUE(contents) << problem.Describe() << "\n" << text;
  return contents.value_or(FileContents{});
}

std::string Write(const FileContents& contents) {
  std::string text;
  FileProblem problem;
  EXPECT_TRUE(WriteFileContents(contents, text, problem)) << problem.Describe();
  return text;
}

TEST(FileRoundTripTest, EveryPartOfASimulationReadsBack) {
  const FileContents original = RichContents();
  const std::string text = Write(original);
  const FileContents back = ReadBack(text);
  EXPECT_TRUE(back == original) << "every part, the definitions in their order";
  EXPECT_EQ(Write(back), text);
}

TEST(FileRoundTripTest, TypeTextsStandInTheFileAsWritten) {
  const std::string text = Write(RichContents());
  EXPECT_EQ(text.rfind(FileHeaderLine(FileKind::Simulation) + "\n", 0), 0u);
  EXPECT_NE(text.find("\n// A vessel with a free liquid surface.\nModel Tank\n"), std::string::npos);
  EXPECT_NE(text.find("\nVariable Pressure\n"), std::string::npos);
  // A text that would not read back among others is kept whole in a block.
  EXPECT_NE(text.find("  Type \"Cut\" kind=Model;\n    | Model Cut\n"), std::string::npos);
  EXPECT_NE(text.find("    \\ End\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with(FileClosingLine(FileKind::Simulation) + "\n"));
}

TEST(FileRoundTripTest, LibrariesPackagesAndPlainDefinitions) {
  FileContents library;
  library.kind = FileKind::Library;
  library.libraries = {"SystemLibrary.vlib"};
  library.definitions.push_back(MakeDefinition("Valve", DefinitionKind::Model, "Model Valve\nEnd\n"));
  library.OwnedBy("Valve").scripts.push_back(FileScript{"Open", "SET Valve.Opening 1\n"});
  EXPECT_TRUE(ReadBack(Write(library)) == library);

  FileContents package = library;
  package.kind = FileKind::Package;
  package.package = FilePackageDescription{"Valve", "rmplz", {1, 2, 3}, 0, {{"CustomModeling.ktrf", "Model X\nEnd\n"}}};
  EXPECT_TRUE(ReadBack(Write(package)) == package);

  FileContents plain;
  plain.kind = FileKind::Definitions;
  plain.definitions.push_back(MakeDefinition("A", DefinitionKind::Variable, "Variable A\n  Value: 2;\nEnd\n"));
  plain.definitions.push_back(MakeDefinition("B", DefinitionKind::Port, "Port B\n  F as A;\nEnd\n"));
  const std::string text = Write(plain);
  EXPECT_EQ(text, "\nVariable A\n  Value: 2;\nEnd\n\nPort B\n  F as A;\nEnd\n");
  EXPECT_TRUE(ReadBack(text) == plain);
}

TEST(FileRoundTripTest, ALaterMinorVersionIsReadWithoutItsNewSections) {
  const std::string text = "// Vortan library file, format 1.7\n\nModel A\nEnd\n\nSection Flowsheet\n  Block \"T1\" "
                           "model=Tank;\nEndSection\n\n// End of Vortan library file\n";
  const FileContents back = ReadBack(text);
  EXPECT_EQ(back.definitions.size(), 1u);
  EXPECT_EQ(back.skippedSections, (std::vector<std::string>{"Flowsheet"}));
  EXPECT_EQ(back.version, (FileFormatVersion{1, 7}));
}

TEST(FileRoundTripTest, SavingReplacesTheFileWhole) {
  ScratchDirectory dir;
  const std::string path = dir.File("Plant.vsim");
  FileProblem problem;
  ASSERT_TRUE(SaveFileContents(RichContents(), path, problem)) << problem.Describe();
  const auto read = ReadFileContentsFrom(path, problem);
  ASSERT_TRUE(read) << problem.Describe();
  EXPECT_TRUE(*read == RichContents());
  // A text that is not UTF-8 cannot be saved, and the file stays as it was.
  FileContents bad = RichContents();
  bad.definitions[0].text = "Variable Pressure\n  Value: \xff;\nEnd\n";
  EXPECT_FALSE(SaveFileContents(bad, path, problem));
  EXPECT_NE(problem.Describe().find("the type 'Pressure' is not UTF-8"), std::string::npos) << problem.Describe();
  EXPECT_TRUE(ReadFileContentsFrom(path, problem).has_value());
}

}  // namespace
