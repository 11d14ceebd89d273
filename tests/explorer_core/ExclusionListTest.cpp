// The hidden node classes of an Explorer: kept per root class in the registry,
// read back in order, and the show-variables-in-groups setting.
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "platform/Registry.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using ExclusionListTest = ExplorerCoreTest;

std::vector<std::string> ValueNames(const std::string& key) {
  std::vector<std::string> names;
  CRegKey reg;
  if (reg.Open(HKEY_CURRENT_USER, key) != ERROR_SUCCESS) return names;
  std::string name;
  for (DWORD i = 0; reg.EnumValueName(i, name) == ERROR_SUCCESS; ++i) names.push_back(name);
  return names;
}

TEST_F(ExclusionListTest, HiddenClassesSurviveARoundTripThroughTheRegistryInOrder) {
  CExplorerExclusionList saved(CLSID_QVEOSimulation, 1);
  EXPECT_TRUE(saved.IsEmpty());
  saved.Add(CLSID_QVEOFlowsheet);
  saved.Add(CLSID_QVEODiagnostic);
  saved.Add(CLSID_QVEOFlowsheet);  // duplicates are kept
  ASSERT_EQ(saved.SaveToRegistry(), 1);
  EXPECT_EQ(saved.RegistryKeyName(), "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings\\" +
                                         CLSID_QVEOSimulation.ToString() + "\\Exclusion List");
  EXPECT_EQ(ValueNames(saved.RegistryKeyName()),
            (std::vector<std::string>{CLSID_QVEOFlowsheet.ToString(), CLSID_QVEODiagnostic.ToString()}));

  CExplorerExclusionList loaded(CLSID_QVEOSimulation, 1);
  EXPECT_EQ(loaded.Classes(), (std::vector<GUID>{CLSID_QVEOFlowsheet, CLSID_QVEODiagnostic}));
  EXPECT_TRUE(loaded.IsExcluded(CLSID_QVEOFlowsheet));
  EXPECT_FALSE(loaded.IsExcluded(CLSID_QVEOLibraries));
  // Not loading leaves it empty; another root class has its own list.
  EXPECT_TRUE(CExplorerExclusionList(CLSID_QVEOSimulation, 0).IsEmpty());
  EXPECT_TRUE(CExplorerExclusionList(CLSID_QVEOLibraries, 1).IsEmpty());
  // Saving again replaces the whole list: the view options tests.
}

TEST_F(ExclusionListTest, ValuesThatAreNotClassIdentifiersAreSkipped) {
  CExplorerExclusionList list(CLSID_QVEOSimulation, 0);
  CRegKey reg;
  ASSERT_EQ(reg.Create(HKEY_CURRENT_USER, list.RegistryKeyName()), ERROR_SUCCESS);
  reg.SetDWORDValue("not a class", 0);
  reg.SetDWORDValue(CLSID_QVEOFlowsheet.ToString(), 0);
  reg.SetDWORDValue(std::string(100, 'x'), 0);
  reg.SetStringValue(CLSID_QVEOGlobals.ToString(), "the data does not matter");
  reg.SetDWORDValue("{A93D72D4-75CD-11D0-8D84-00C0DF469D3}", 0);  // one digit short
  CExplorerExclusionList loaded(CLSID_QVEOSimulation, 1);
  EXPECT_EQ(loaded.Classes(), (std::vector<GUID>{CLSID_QVEOFlowsheet, CLSID_QVEOGlobals}));
}

TEST_F(ExclusionListTest, ShowingVariablesWithANotifierTellsItsWindowAndIsSaved) {
  RecordingWindow frame;
  TestLeaf notifier(nullptr, &frame);
  CExplorerExclusionList list(CLSID_QVEODiagnostic, 0);
  const std::string settings = CQVExplorer::GetSettingsRootKeyName();
  CRegKey reg;
  DWORD value = 7;

  // Without a notifier (the frame's start-up) nothing is told or saved: the frame creation tests.
  list.SetShowVariablesInGroups(0, &notifier);
  EXPECT_EQ(list.GetShowVariablesInGroups(), 0);
  EXPECT_TRUE(frame.received.empty());  // posted, not sent
  MessageQueue::Pump();
  ASSERT_EQ(frame.received.size(), 1u);
  EXPECT_EQ(frame.received[0].message, EXPLORER_SHOW_EQNORVARS);
  ASSERT_EQ(reg.Open(HKEY_CURRENT_USER, settings), ERROR_SUCCESS);
  ASSERT_EQ(reg.QueryDWORDValue("ShowVariablesinGroups", value), ERROR_SUCCESS);
  EXPECT_EQ(value, 0u);
}

}  // namespace
