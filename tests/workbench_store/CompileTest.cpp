// Compiling types: errors with their lines, the compiled-types folders that
// make a type "Not OK", the texts kept (latest, last good, full) and writing a
// text through the data object.
#include "host/language/Parser.h"
#include "host/model/IQVPhysicalQuantity.h"
#include "host/store/IFCompileStatus.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

class CompileTest : public StoreTest {
 protected:
  static QVParseReport Compile(CStoreType& type, const std::string& text) {
    return QVCompileType(&type, text, "", 0x80200, 4, 0x19);
  }
  static bool HasErrors(CStoreType& type) {
    bool errors = false;
    EXPECT_EQ(ComQuery<IFCompileStatus>(static_cast<IFTypeDesc*>(&type))->HasErrors(&errors), S_OK);
    return errors;
  }
};

TEST_F(CompileTest, ErrorsAreReportedWithTheirLinesAndListTheTypeInItsKindsCompiledFolder) {
  struct Case {
    StoreKind kind;
    std::string name;
    std::string bad;
    std::string folder;
    std::string error;
  };
  const std::vector<Case> cases = {
      {StoreKind::Model, "Tank", "Model Tank\n  V as Volume;\n  V = 1;\nEnd\n", "CompiledModelFolder",
       "2:unknown type 'Volume' for 'V'"},
      {StoreKind::Port, "Inlet", "Port Inlet\n  F as Flw;\nEnd\n", "CompiledModelFolder",
       "2:unknown type 'Flw' for 'F'"},
      {StoreKind::Variable, "Level", "Variable Level\n  Lower: low;\n  Value: 1;\nEnd\n",
       "CompiledVariableTypeFolder", ""},
      {StoreKind::Procedure, "Flash", "Procedure Flash\n  Inputs: Nothing;\nEnd\n", "CompiledProcedureFolder", ""},
      {StoreKind::Task, "Startup", "Task Startup\n  x;\n", "CompiledTaskTypeFolder", ""},
  };
  build.Type(Simulation(), StoreKind::Variable, "Flow");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CStoreType& type = build.Type(Simulation(), c.kind, c.name);
    const std::string good = type.Text();
    const QVParseReport report = Compile(type, c.bad);
    ASSERT_TRUE(report.HasErrors());
    if (!c.error.empty()) {
      EXPECT_EQ(ErrorLines(report).front(), c.error);
    }
    EXPECT_GT(report.messages.front().line, 0);
    EXPECT_TRUE(HasErrors(type));
    EXPECT_EQ(TypeNames(NamedFolder(Simulation(), c.folder)).back(), c.name);
    // The failing text is the one the editor shows; the last good one is kept.
    EXPECT_EQ(type.Text(), c.bad);
    EXPECT_EQ(type.Texts().Good(), good);

    // A good compile takes it out again.
    const QVParseReport fixed = Compile(type, good);
    EXPECT_FALSE(fixed.HasErrors()) << ::testing::PrintToString(ErrorLines(fixed));
    EXPECT_FALSE(HasErrors(type));
    const auto listed = TypeNames(NamedFolder(Simulation(), c.folder));
    EXPECT_EQ(std::count(listed.begin(), listed.end(), c.name), 0);
  }
}

TEST_F(CompileTest, TheFullTextCarriesTheUncompiledEditBesideTheLastGoodVersion) {
  CStoreType& tank = build.Model(Simulation(), "Tank", "Model Tank\n  // good\nEnd\n");
  EXPECT_EQ(Text(&tank, kFullModellingLanguageFormat), "Model Tank\n  // good\nEnd\n");
  const std::string edit = "Model Tank\n  x as Nothing;\nEnd";  // no final line feed
  ASSERT_TRUE(Compile(tank, edit).HasErrors());

  const std::string full = Text(&tank, kFullModellingLanguageFormat);
  EXPECT_EQ(Text(&tank), edit);
  const CTypeTexts::FullParts parts = CTypeTexts::SplitFull(full);
  ASSERT_TRUE(parts.embeddedLatest.has_value());
  EXPECT_EQ(*parts.embeddedLatest, edit);
  EXPECT_EQ(parts.good, "Model Tank\n  // good\nEnd\n");

  // The full text reads as the good definition, so a copy made from it compiles.
  const QVParseReport copy = QVNewType("Tank2", SimulationType(), full.substr(0, full.rfind("Model Tank")) +
                                       "Model Tank2\n  // good\nEnd\n", nullptr, "", 0, 7, 100);
  EXPECT_FALSE(copy.HasErrors()) << ::testing::PrintToString(ErrorLines(copy));

  // Writing the full text back restores both versions.
  CStoreType& other = build.Model(Simulation(), "Other");
  std::string otherFull = CTypeTexts::EmbedLatest("Model Other\n  y as Nothing;\nEnd\n", "Model Other\nEnd\n");
  ASSERT_EQ(WriteDataObjectText(&other, std::string(kFullModellingLanguageFormat), otherFull), S_OK);
  EXPECT_EQ(other.Texts().Good(), "Model Other\nEnd\n");
  EXPECT_EQ(other.Text(), "Model Other\n  y as Nothing;\nEnd\n");
  EXPECT_EQ(Text(&other, kFullModellingLanguageFormat), otherFull);
}

TEST_F(CompileTest, ADamagedEmbeddedBlockIsKeptAsPlainText) {
  const std::string damaged = "//<uncompiled latest version>\n//| Model X\nnot a marked line\nModel X\nEnd\n";
  const CTypeTexts::FullParts parts = CTypeTexts::SplitFull(damaged);
  EXPECT_FALSE(parts.embeddedLatest.has_value());
  EXPECT_EQ(parts.good, damaged);
}

TEST_F(CompileTest, SettingATextChecksThatItStillDefinesTheType) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  EXPECT_EQ(QVSetModellingLanguageText(&tank, "Model Tank\n  // edited\nEnd\n"), S_OK);
  EXPECT_EQ(tank.Text(), "Model Tank\n  // edited\nEnd\n");
  EXPECT_FALSE(tank.HasErrors());  // kept, not compiled
  EXPECT_EQ(QVSetModellingLanguageText(&tank, "Model Vessel\nEnd\n"), E_INVALIDARG);
  EXPECT_EQ(QVSetModellingLanguageText(&tank, "Stream Tank\nEnd\n"), E_INVALIDARG);
  EXPECT_EQ(QVSetModellingLanguageText(&tank, ""), E_INVALIDARG);
  EXPECT_EQ(tank.Text(), "Model Tank\n  // edited\nEnd\n");
  // A controller's text may turn it into a model and back.
  CStoreType& pid = build.Type(Simulation(), StoreKind::Controller, "PID");
  EXPECT_EQ(QVSetModellingLanguageText(&pid, "Model PID\nEnd\n"), S_OK);
}

TEST_F(CompileTest, BuiltInAndLibraryTypesCannotBeChanged) {
  CStoreType& library = build.Library("Units");
  CStoreType& pump = build.Model(build.Palette(library), "Pump");
  CStoreType& value = build.BuiltIn(Simulation(), StoreKind::Variable, "Value");
  for (CStoreType* type : {&pump, &value}) {
    SCOPED_TRACE(type->Name());
    const std::string before = type->Text();
    EXPECT_TRUE(Compile(*type, before).HasErrors());
    EXPECT_EQ(QVSetModellingLanguageText(type, before), FE_READONLY);
    EXPECT_EQ(type->Text(), before);
  }
}

TEST_F(CompileTest, VariableTypesTellTheirPhysicalQuantityEvenThroughABase) {
  build.Type(Simulation(), StoreKind::Variable, "Pressure",
             "Variable Pressure\n  Value: 1;\n  PhysicalQuantity : \"Pressure\";\nEnd\n");
  CStoreType& inlet = build.Type(Simulation(), StoreKind::Variable, "InletPressure",
                                 "Variable InletPressure Uses Pressure\nEnd\n");
  CStoreType& plain = build.Type(Simulation(), StoreKind::Variable, "Plain");
  std::string name;
  ASSERT_EQ(ComQuery<IQVPhysicalQuantity>(static_cast<IFType*>(&inlet))->GetQuantityName(name), S_OK);
  EXPECT_EQ(name, "Pressure");
  ASSERT_EQ(ComQuery<IQVPhysicalQuantity>(static_cast<IFType*>(&plain))->GetQuantityName(name), S_OK);
  EXPECT_EQ(name, "");
  EXPECT_FALSE(ComQuery<IQVPhysicalQuantity>(static_cast<IFType*>(&build.Model(Simulation(), "Tank"))));
}

TEST_F(CompileTest, TypesBasedOnEachOtherAreRefusedAndNeverRunTheQuantityInCircles) {
  // As a file may hold them: each stored as written, neither checked against the other.
  CStoreType& a = build.Type(Simulation(), StoreKind::Variable, "A", "Variable A Uses B\nEnd\n");
  CStoreType& b = build.Type(Simulation(), StoreKind::Variable, "B", "Variable B Uses A\nEnd\n");
  std::string name = "unchanged";
  ASSERT_EQ(ComQuery<IQVPhysicalQuantity>(static_cast<IFType*>(&a))->GetQuantityName(name), S_OK);
  EXPECT_EQ(name, "");
  EXPECT_EQ(b.PhysicalQuantity(), "");

  // Compiling either one says why it cannot be built.
  const QVParseReport report = Compile(b, b.Text());
  ASSERT_TRUE(report.HasErrors());
  EXPECT_NE(report.messages.front().Describe().find("variable type 'B' is based on a circle of types (B Uses A Uses B)"),
            std::string::npos)
      << report.messages.front().Describe();
  EXPECT_TRUE(HasErrors(b));

  // So does a new type that closes a longer circle.
  build.Type(Simulation(), StoreKind::Variable, "C", "Variable C Uses D\nEnd\n");
  CComPtr<IFTypeDesc> made;
  const QVParseReport closing =
      QVNewType("D", SimulationType(), "Variable D Uses C\nEnd\n", &made, "", 0, 7, 100);
  EXPECT_TRUE(closing.HasErrors());
  EXPECT_FALSE(made);
}

TEST_F(CompileTest, ConstraintsAreCheckedAsTheFlowsheetsEquations) {
  CStoreType& flowsheet = build.Type(Simulation(), StoreKind::Flowsheet, "Flowsheet", "Model Flowsheet\nEnd\n");
  build.Type(Simulation(), StoreKind::Variable, "Flow");
  const QVParseReport bad = QVCompileConstraints(&flowsheet, "  F as Flw;\n", "", 524800, 4, 25);
  ASSERT_EQ(ErrorLines(bad), std::vector<std::string>{"1:unknown type 'Flw' for 'F'"});
  EXPECT_EQ(flowsheet.Constraints(), "");
  EXPECT_FALSE(QVCompileConstraints(&flowsheet, "  F as Flow;\n  F = 2;\n", "", 524800, 4, 25).HasErrors());
  EXPECT_EQ(flowsheet.Constraints(), "  F as Flow;\n  F = 2;\n");
  EXPECT_TRUE(QVCompileConstraints(&build.Model(Simulation(), "Tank"), "", "", 0, 0, 0).HasErrors());
}

}  // namespace
