// The property sheets as a person sees them: the texts on their pages, the
// pages they offer and the buttons they leave to press.
#include <gtest/gtest.h>

#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/dialogs/QVFileObjectPropertySheet.h"
#include "explorer/dialogs/QVModelInstanceObjectPropertySheet.h"
#include "explorer/dialogs/QVNamedObjectPropertySheet.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"
#include "tests/explorer_dialogs/DialogsTestSupport.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/store/StorePalette.h"

namespace dialogs_test {
namespace {

// The buttons a person can press on a sheet, by their texts.
std::vector<std::string> UsableButtons(CPropertySheet& sheet) {
  std::vector<std::string> texts;
  for (int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
    if (sheet.IsButtonUsable(id)) texts.push_back(sheet.Button(id)->GetWindowText());
  return texts;
}

class PropertySheetsTest : public DialogsTest {
 protected:
  void OpenSample() {
    FileProblem problem;
    ASSERT_TRUE(app.OpenDocument(DefaultSamplePath(""), problem)) << problem.Describe();
  }
  CComPtr<IRModel> ModelOf(const std::string& typeName) {
    CStoreType* type = app.Document().Store().SimulationPalette()->FindVisible(typeName);
    EXPECT_NE(type, nullptr) << typeName;
    return type ? ComQuery<IRModel>(static_cast<IFInstance*>(type->DefaultInstance())) : CComPtr<IRModel>();
  }
  // Runs sheet, lets look see it, then closes it with OK.
  INT_PTR Show(CPropertySheet& sheet, std::function<void(CPropertySheet&)> look) {
    ui.AnswerSheet(std::move(look));
    ui.AnswerOk();
    return sheet.DoModal();
  }
};

// ---- model instances

TEST_F(PropertySheetsTest, ABlockThatIsNotOKShowsNoStatistics) {
  OpenSample();
  CQVModelInstanceObjectPropertySheet sheet(IDS_BLOCK_PROPERTIES, ModelOf("BufferTank"), "Block", "T101", "BufferTank",
                                            0);
  std::vector<std::string> shown;
  Show(sheet, [&](CPropertySheet& running) {
    for (int id : {IDC_MODEL_STATUS, IDC_MODEL_EQUATIONS, IDC_MODEL_VARIABLES, IDC_MODEL_UNKNOWNS,
                   IDC_MODEL_DEGREES_OF_FREEDOM, IDC_OBJECT_NAME, IDC_MODEL_TYPE, IDC_MODEL_TYPE_LABEL})
      shown.push_back(ActiveText(running, id));
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"Not OK", "-", "-", "-", "-", "T101", "BufferTank", "Block Type"}));
}

TEST_F(PropertySheetsTest, AnOKBlockShowsItsCountsAndWhereItsModelComesFrom) {
  OpenSample();
  CQVModelInstanceObjectPropertySheet own(IDS_BLOCK_PROPERTIES, ModelOf("BufferTank"), "Block", "T101", "BufferTank",
                                          1);
  std::vector<std::string> shown, titles, buttons;
  Show(own, [&](CPropertySheet& running) {
    for (int id : {IDC_MODEL_STATUS, IDC_MODEL_EQUATIONS, IDC_MODEL_VARIABLES, IDC_MODEL_UNKNOWNS,
                   IDC_MODEL_DEGREES_OF_FREEDOM, IDC_MODEL_LIBRARY})
      shown.push_back(ActiveText(running, id));
    for (int i = 0; i < running.GetPageCount(); ++i) titles.push_back(running.GetPage(i)->Title());
    buttons = UsableButtons(running);
  });
  EXPECT_EQ(own.Caption(), "Block Properties");
  EXPECT_EQ(shown, (std::vector<std::string>{"OK", "4", "9", "6", "2", "Custom Modeling"}));
  EXPECT_EQ(titles, (std::vector<std::string>{"General", "Add Notes"}));
  EXPECT_EQ(buttons, (std::vector<std::string>{"OK", "Cancel"}));

  CQVModelInstanceObjectPropertySheet library("Block Properties", ModelOf("Valve"), "", "V101", "Valve", 1);
  EXPECT_EQ(library.Texts().library, "ProcessUnits");
  EXPECT_EQ(library.Texts().classLabel, "Type");
}

// ---- named objects

TEST_F(PropertySheetsTest, ATypeWithoutDescriptionShowsNoDescriptionField) {
  CStoreType& valve = build.Type(Simulation(), StoreKind::Variable, "Opening");
  explorer_test::TestLeaf node(valve.DefaultInstance(), nullptr);
  node.texts[EOAspectName] = "Opening";

  CQVNamedObjectPropertySheet plain(IDS_MODEL_PROPERTIES, &node, "", 0);
  bool labelShown = true, fieldShown = true;
  std::string name;
  Show(plain, [&](CPropertySheet& running) {
    labelShown = ActiveVisible(running, IDC_DESCRIPTION_LABEL);
    fieldShown = ActiveVisible(running, IDC_DESCRIPTION);
    name = ActiveText(running, IDC_OBJECT_NAME);
  });
  EXPECT_FALSE(labelShown || fieldShown);
  EXPECT_EQ(name, "Opening");

  CQVNamedObjectPropertySheet described(IDS_MODEL_PROPERTIES, &node, "How far a valve is open", 0);
  std::string description;
  Show(described, [&](CPropertySheet& running) {
    labelShown = ActiveVisible(running, IDC_DESCRIPTION_LABEL);
    description = ActiveText(running, IDC_DESCRIPTION);
  });
  EXPECT_TRUE(labelShown);
  EXPECT_EQ(description, "How far a valve is open");
}

TEST_F(PropertySheetsTest, AReadOnlyTypeOffersOnlyClose) {
  explorer_test::TestLeaf node(nullptr, nullptr);
  node.texts[EOAspectName] = "Valve";
  CQVNamedObjectPropertySheet readOnly(IDS_MODEL_PROPERTIES, &node, "", 1);
  std::vector<std::string> buttons;
  bool contextHelp = false;
  ui.AnswerSheet([&](CPropertySheet& running) {
    buttons = UsableButtons(running);
    contextHelp = running.GetExStyle() & WS_EX_CONTEXTHELP;
  });
  ui.AnswerOk();
  EXPECT_EQ(readOnly.DoModal(), IDOK);
  EXPECT_EQ(buttons, (std::vector<std::string>{"Close"}));
  EXPECT_TRUE(contextHelp);

  CQVNamedObjectPropertySheet editable(IDS_MODEL_PROPERTIES, &node, "", 0);
  Show(editable, [&](CPropertySheet& running) { buttons = UsableButtons(running); });
  EXPECT_EQ(buttons, (std::vector<std::string>{"OK", "Cancel"}));  // Apply waits for a change
}

TEST_F(PropertySheetsTest, ABlockTypeShowsItsModelsDescriptionTrimmedAndCut) {
  CStoreType& model = build.Model(Simulation(), "Reactor");
  model.SetDescription("   Stirred tank " + std::string(300, 'x'));
  explorer_test::TestLeaf blockType(model.DefaultInstance(), nullptr, 0, CLSID_QVEOBlockType);
  blockType.texts[EOAspectName] = "Reactor";
  CQVNamedObjectPropertySheet sheet(IDS_MODEL_PROPERTIES, &blockType, "given", 0);
  EXPECT_EQ(sheet.Description(), "Stirred tank " + std::string(256 - 16, 'x'));

  // Other kinds of node keep the description they were given.
  explorer_test::TestLeaf other(model.DefaultInstance(), nullptr);
  EXPECT_EQ(CQVNamedObjectPropertySheet("Model Properties", &other, "given", 0).Description(), "given");
}

// ---- files

TEST_F(PropertySheetsTest, AFileShowsWhenItWasCreatedOrUnknown) {
  std::string file = scratch.Write("Plant.vsim", "// a simulation\n");
  CQVFileObjectPropertySheet existing("Simulation Properties", file);
  std::string name, created;
  Show(existing, [&](CPropertySheet& running) {
    name = ActiveText(running, IDC_FILE_NAME);
    created = ActiveText(running, IDC_FILE_CREATED);
  });
  EXPECT_EQ(name, file);
  EXPECT_FALSE(created.empty());
  EXPECT_NE(created, "Unknown");

  CQVFileObjectPropertySheet missing("Library Properties", scratch.File("gone.vlib"));
  Show(missing, [&](CPropertySheet& running) { created = ActiveText(running, IDC_FILE_CREATED); });
  EXPECT_EQ(created, "Unknown");
}

}  // namespace
}  // namespace dialogs_test
