// Component lists against the stand-in host's physical-properties
// configuration: lists and sets, the "Default" list, the offer to configure
// properties first, copying, deleting and renaming by name.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/nodes/library/QVEOComponentList.h"
#include "tests/explorer_library/LeafTestSupport.h"
#include "workbench/store/ComponentLists.h"

namespace {

using namespace leaf_test;

class LeafComponentListTest : public LeafTest {
 protected:
  CComponentLists& Lists() { return Store().ComponentLists(); }
  void AddList(const std::string& name, bool isSet, const std::string& propertyFile = {}) {
    CComponentList list;
    list.isSet = isSet;
    list.propertyFile = propertyFile;
    ASSERT_EQ(Lists().Add(name, list), S_OK);
  }
  bool Has(const std::string& name) { return Lists().Find(name) != nullptr; }
};

TEST_F(LeafComponentListTest, ListsAndSetsShowTheirKindAndPropertyFile) {
  AddList("Water", false, "/data/water.ppf");
  AddList("Bare", false);
  AddList("Solids", true, "/data/ignored.ppf");
  CQVEOComponentList water(nullptr, "Water", &frame);
  CQVEOComponentList bare(nullptr, "Bare", &frame);
  CQVEOComponentList solids(nullptr, "Solids", &frame);

  EXPECT_EQ((Strings{Text(water, EOAspectName), Text(water, EOAspectType), Text(water, EOAspectPropertyFile)}),
            (Strings{"Water", "List", "/data/water.ppf"}));
  EXPECT_EQ((Strings{Text(bare, EOAspectPropertyFile), Text(solids, EOAspectType), Text(solids, EOAspectPropertyFile)}),
            (Strings{"Missing", "Set", "None"}));

  EXPECT_EQ(MenuTexts(water), (Strings{"Copy", "Delete", "Rename", "-", "Edit", "Physical Properties Options", "Convert",
                                    "-", "Properties..."}));
  // A set uses no physical properties: no options for it.
  EXPECT_EQ(MenuTexts(solids), (Strings{"Copy", "Delete", "Rename", "-", "Edit", "Convert", "-", "Properties..."}));

  solids.DoCommand(ID_EXPLORER_CONVERT);
  EXPECT_EQ(Text(solids, EOAspectType), "List");
  EXPECT_EQ(Posted(EXPLORER_CONTENTS_CHANGED), 1);
}

TEST_F(LeafComponentListTest, TheDefaultListIsNeverDeletedOrRenamedWhateverItsCase) {
  CQVEOComponentList standard(nullptr, "Default", &frame);
  EXPECT_EQ(MenuTexts(standard),
            (Strings{"Copy", "-", "Edit", "Physical Properties Options", "Convert", "-", "Properties..."}));
  EXPECT_NE(standard.DontEditLabel(), 0);
  EXPECT_EQ(standard.CanDoCommand(ID_EXPLORER_DELETE), 0);

  // Through the Delete key, the command or the label the list stays, in any spelling.
  CQVEOComponentList lower(nullptr, "default", &frame);
  EXPECT_NE(lower.DontEditLabel(), 0);
  EXPECT_EQ(lower.CanDoCommand(ID_EXPLORER_RENAME), 0);
  EXPECT_EQ(standard.SelfDestruct(0), 0);
  standard.DoCommand(ID_EXPLORER_DELETE);
  EXPECT_EQ(standard.EditLabel("Other"), 0);
  EXPECT_TRUE(Has("Default"));
  EXPECT_FALSE(Has("Other"));
  EXPECT_TRUE(ui.Prompts().empty());
}

TEST_F(LeafComponentListTest, EditingOffersToConfigurePropertiesFirst) {
  AddList("Water", false, "/data/water.ppf");
  CQVEOComponentList water(nullptr, "Water", &frame);
  int edits = 0;
  Lists().onEdit = [&](const std::string&) {
    ++edits;
    return S_OK;
  };

  // No: told that the list cannot be edited.
  ui.AnswerNo();
  ui.AnswerOk();
  water.DoDefaultAction();
  EXPECT_EQ(PromptLines(),
            (Strings{"Please Confirm This Operation: Component Properties are not configured.\nConfigure now?",
                     "Operation Failed: Component Properties are not configured.\nCannot edit this component list."}));
  EXPECT_EQ(edits, 0);

  // Yes: the configuration is shown, then the edit goes ahead.
  ui.ClearRecords();
  ui.AnswerYes();
  water.DoCommand(ID_EXPLORER_EDIT);
  EXPECT_TRUE(Lists().IsConfigured());
  EXPECT_EQ(edits, 1);
  EXPECT_EQ(ui.Prompts().size(), 1u);

  // Configured already: straight to the editor.
  water.DoCommand(ID_EXPLORER_EDIT);
  EXPECT_EQ(edits, 2);
}

TEST_F(LeafComponentListTest, CopyAndPasteMakesACopyUnderANewName) {
  AddList("Water", false, "/data/water.ppf");
  CQVEOComponentList water(nullptr, "Water", &frame);
  water.DoCommand(ID_EXPLORER_COPY);
  ASSERT_EQ(water.CanDoCommand(ID_EXPLORER_PASTE), 1);

  // A taken name is refused, then a free one is taken.
  ui.AnswerName("Water");
  ui.AnswerOk();
  ui.AnswerName("Steam");
  water.DoCommand(ID_EXPLORER_PASTE);
  ASSERT_TRUE(Has("Steam"));
  EXPECT_EQ(Lists().Find("Steam")->propertyFile, "/data/water.ppf");
  EXPECT_EQ(Posted(EXPLORER_OBJECT_ADDED), 1);

  // Cut only beeps: a list is never taken away by the clipboard.
  water.DoCommand(ID_EXPLORER_CUT);
  EXPECT_EQ(ui.Beeps(), 1);
  EXPECT_TRUE(Has("Water"));
}

TEST_F(LeafComponentListTest, DeletionAsksAndAGoneListIsReported) {
  AddList("Water", false);
  CQVEOComponentList water(nullptr, "Water", &frame);
  ui.AnswerNo();
  EXPECT_EQ(water.SelfDestruct(1), 0);
  EXPECT_TRUE(Has("Water"));

  ui.AnswerYes();
  EXPECT_EQ(water.SelfDestruct(1), 1);
  EXPECT_FALSE(Has("Water"));
  EXPECT_EQ(frame.Count(EXPLORER_OBJECT_DELETED), 1);
  EXPECT_EQ(Posted(EXPLORER_POSTOBJECT_DELETED), 1);

  // The node outlived its list: the host's refusal is shown, nothing else happens.
  ui.AnswerOk();
  EXPECT_EQ(water.SelfDestruct(0), 0);
  EXPECT_EQ(ui.Prompts().back().text, "Cannot delete the component list, it is probably in use elsewhere.");
}

TEST_F(LeafComponentListTest, RenamingRefreshesFromTheHostAndATakenNameIsRefused) {
  AddList("Water", false);
  AddList("Steam", false);
  CQVEOComponentList water(nullptr, "Water", &frame);
  EXPECT_EQ(water.EditLabel("Water"), 0);
  EXPECT_TRUE(ui.Prompts().empty());

  ui.AnswerOk();
  EXPECT_EQ(water.EditLabel("Steam"), 0);
  EXPECT_EQ(
      PromptLines(),
      (Strings{
          "Rename Component List: Cannot rename the component list, a definition with this name already exists."}));
  EXPECT_TRUE(Has("Water"));

  EXPECT_EQ(water.EditLabel("Brine"), 0) << "the label is refreshed, not kept from the edit";
  EXPECT_TRUE(Has("Brine"));
  EXPECT_EQ(Posted(EXPLORER_CONTENTS_CHANGED), 1);
}

}  // namespace
