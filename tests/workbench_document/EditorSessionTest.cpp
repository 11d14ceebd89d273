// Editing sessions of the text editor: compile with the report in the
// messages window, save back into the type, read-only sessions, new definitions.
#include <gtest/gtest.h>

#include "host/language/CQVTextEditorFrame.h"
#include "host/language/TypeKinds.h"
#include "host/store/Status.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

class EditorSessionTest : public SampleDocumentTest {
 protected:
  IFType* Simulation() { return app.Document().Store().SimulationType(); }
  CEditorSession& Launch(const char* name, bool readOnly = false) {
    EXPECT_EQ(CQVTextEditorFrame::Launch(Simulation(), &Type(name), name, QV_KIND_MODEL, readOnly, 0), S_OK);
    return *app.Editor().FindSession(name);
  }
};

TEST_F(EditorSessionTest, CompilingReportsToTheMessagesAndUpdatesTheType) {
  CEditorSession& session = Launch("BufferTank");
  EXPECT_TRUE(ui.Announced("editor: BufferTank"));
  std::string text = session.Text();
  const std::string goodText = text;
  text.insert(text.find('\n') + 1, "  Spill as Nonsense;\n");
  session.SetText(text);
  EXPECT_TRUE(session.IsModified());
  const QVParseReport report = session.Compile();
  ASSERT_TRUE(report.HasErrors());
  EXPECT_EQ(report.messages.front().line, 2);
  EXPECT_TRUE(Type("BufferTank").HasErrors());
  EXPECT_EQ(Type("BufferTank").Text(), text);
  EXPECT_EQ(Type("BufferTank").Texts().Good(), goodText);

  session.SetText(goodText);
  EXPECT_FALSE(session.Compile().HasErrors());
  EXPECT_FALSE(Type("BufferTank").HasErrors());
  EXPECT_TRUE(app.Document().IsModified());
}

TEST_F(EditorSessionTest, ACompileReportsEachMessageOnItsOwnLineInTheOrderOfTheText) {
  CEditorSession& session = Launch("BufferTank");
  std::string text = session.Text();
  // An undeclared name in an equation near the top, a declaration of an unknown type further down.
  const std::string header = "Model BufferTank\n";
  ASSERT_NE(text.find(header), std::string::npos) << text;
  text.insert(text.find(header) + header.size(), "  Overflow = Spillway;\n");
  text.insert(text.rfind("End"), "  Leak as Nonsense;\n");
  session.SetText(text);
  app.Document().Messages().Clear();
  const QVParseReport report = session.Compile();
  ASSERT_TRUE(report.HasErrors());
  // The checks find the declaration's error before the equation's warning above it.
  ASSERT_EQ(report.messages.size(), 3u);
  EXPECT_GT(report.messages.front().line, report.messages.back().line);
  const std::vector<std::string> lines = app.Document().Messages().Lines();
  ASSERT_GE(lines.size(), 4u) << app.Document().Messages().Text();
  EXPECT_EQ(lines.front(), "Compiling BufferTank...");
  int previous = 0;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::size_t at = lines[i].find("Line ");
    ASSERT_NE(at, std::string::npos) << lines[i];
    const int line = std::stoi(lines[i].substr(at + 5));
    EXPECT_GE(line, previous) << lines[i];
    previous = line;
  }
  EXPECT_EQ(lines.back().rfind("Compilation completed.", 0), 0u) << lines.back();
}

TEST_F(EditorSessionTest, SavingKeepsTheTextWithoutCompiling) {
  CEditorSession& session = Launch("ControlValve");
  const std::string edited = "// Edited by hand.\n" + session.Text();
  session.SetText(edited);
  ASSERT_EQ(session.Save(), S_OK);
  EXPECT_EQ(Type("ControlValve").Text(), edited);
  EXPECT_FALSE(session.IsModified());
  // A text that defines something else is refused and the type keeps its text.
  session.SetText("Model SomethingElse\nEnd\n");
  EXPECT_LT(session.Save(), 0);
  EXPECT_EQ(Type("ControlValve").Text(), edited);
  EXPECT_NE(app.Document().Messages().Text().find("Cannot save 'ControlValve'"), std::string::npos);
  session.Revert();
  EXPECT_EQ(session.Text(), edited);
}

TEST_F(EditorSessionTest, ReadOnlySessionsChangeNothing) {
  CEditorSession& session = Launch("TankFarm", true);
  const std::string before = Type("TankFarm").Text();
  session.SetText("Model TankFarm\nEnd\n");
  EXPECT_EQ(session.Text(), before);
  EXPECT_EQ(session.Save(), FE_READONLY);
  EXPECT_TRUE(session.Compile().HasErrors());
  EXPECT_EQ(Type("TankFarm").Text(), before);
}

TEST_F(EditorSessionTest, ANewDefinitionIsMadeWhenSaved) {
  ASSERT_EQ(CQVTextEditorFrame::Launch(Simulation(), nullptr, "Heater", QV_KIND_MODEL, false, 0), S_OK);
  CEditorSession* session = app.Editor().FindSession("Heater");
  ASSERT_NE(session, nullptr);
  EXPECT_EQ(session->Type(), nullptr);
  session->SetText("Model Heater\n  Q as Power (1000, Fixed);\nEnd\n");
  ASSERT_EQ(session->Save(), S_OK);
  CStoreType* heater = app.Document().Store().SimulationPalette()->Find("Heater");
  ASSERT_NE(heater, nullptr);
  EXPECT_EQ(session->Type(), heater);
  EXPECT_EQ(heater->Text(), "Model Heater\n  Q as Power (1000, Fixed);\nEnd\n");
}

TEST_F(EditorSessionTest, LaunchingAgainBringsBackTheSessionAndScriptsArePlainText) {
  Launch("BufferTank").SetText("Model BufferTank\nEnd\n");
  CEditorSession& again = Launch("BufferTank");
  EXPECT_EQ(again.Text(), "Model BufferTank\nEnd\n");
  EXPECT_EQ(app.Editor().Sessions().size(), 1u);

  CStoreType& script = *app.Document().Store().SimulationPalette()->Find("ReportLevels");
  ASSERT_EQ(CQVTextEditorFrame::Launch(static_cast<IFInstance*>(app.Document().Store().SimulationInstance()), &script,
                                       "ReportLevels", QV_KIND_SCRIPT, false, 1),
            S_OK);
  CEditorSession* session = app.Editor().FindSession("ReportLevels");
  ASSERT_NE(session, nullptr);
  session->SetText("PRINT TankFarm.T101.Level\n");
  ASSERT_EQ(session->Save(), S_OK);
  EXPECT_EQ(script.Text(), "PRINT TankFarm.T101.Level\n");
  EXPECT_TRUE(session->Compile().HasErrors());  // plain text is not compiled
}

}  // namespace
