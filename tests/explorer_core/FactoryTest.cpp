// The node factory: its table of class identifiers, the classes it never
// makes, and the settings key of each node class.
#include <algorithm>
#include <memory>
#include <set>

#include "explorer/core/ExplorerNodeFactory.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using FactoryTest = ExplorerCoreTest;

// The classes whose nodes are written and registered. Each node class joins
// this list when it is registered in the factory.
const std::vector<const GUID*> kRegisteredClasses = {};

TEST_F(FactoryTest, TableListsTheSixtyThreeClassesInComparisonOrder) {
  const auto& table = ExplorerNodeFactoryTable();
  ASSERT_EQ(table.size(), 63u);
  EXPECT_EQ(*table.front().classId, CLSID_QVEOSimulation);
  EXPECT_EQ(*table[1].classId, CLSID_QVEOLibrary);
  EXPECT_EQ(*table[17].classId, CLSID_QVEOFormInstance);  // 18th
  EXPECT_EQ(*table[31].classId, CLSID_QVEOScript);        // 32nd
  EXPECT_EQ(*table[57].classId, CLSID_QVEOLaunchDialog);  // 58th
  EXPECT_EQ(*table.back().classId, CLSID_QVEOAnalysisTools);
  EXPECT_EQ(table.back().classId->ToString(), "{9CC8D5FC-5D00-434F-B908-063729D913A9}");

  // Every identifier is made at most once, and none of those never made is in the table.
  std::set<GUID> seen;
  for (const auto& entry : table) EXPECT_TRUE(seen.insert(*entry.classId).second) << entry.className;
  for (const GUID* excluded : ExplorerNodeClassesNotManufactured()) EXPECT_EQ(seen.count(*excluded), 0u);
  EXPECT_EQ(seen.size() + ExplorerNodeClassesNotManufactured().size(), 75u);
}

TEST_F(FactoryTest, EveryRegisteredClassYieldsANodeOfThatClassAndTheOthersYieldNothing) {
  int made = 0;
  for (const auto& entry : ExplorerNodeFactoryTable()) {
    std::unique_ptr<CExplorerObject> node(CQVExplorer::Manufacture(*entry.classId, nullptr, nullptr, nullptr));
    if (!entry.make) {
      EXPECT_EQ(node, nullptr) << entry.className << " is not registered yet";
      continue;
    }
    ASSERT_NE(node, nullptr) << entry.className;
    EXPECT_EQ(node->GetClassID(), *entry.classId) << entry.className;
    // A sample made without host objects answers its name and image without the host.
    std::string name;
    EXPECT_TRUE(node->GetClassName(name)) << entry.className;
    EXPECT_FALSE(name.empty()) << entry.className;
    node->GetImage(0, 0);
    ++made;
  }
  for (const GUID* classId : kRegisteredClasses) {
    auto it = std::find_if(ExplorerNodeFactoryTable().begin(), ExplorerNodeFactoryTable().end(),
                           [&](const ExplorerNodeFactoryEntry& e) { return *e.classId == *classId; });
    ASSERT_NE(it, ExplorerNodeFactoryTable().end());
    EXPECT_NE(it->make, nullptr) << it->className << " should be registered";
  }
  EXPECT_GE(made, static_cast<int>(kRegisteredClasses.size()));
}

TEST_F(FactoryTest, ClassesMadeOnlyByTheirParentsAndUnknownIdsYieldNoNode) {
  ASSERT_EQ(ExplorerNodeClassesNotManufactured().size(), 12u);
  for (const GUID* classId : ExplorerNodeClassesNotManufactured())
    EXPECT_EQ(CQVExplorer::Manufacture(*classId, nullptr, nullptr, nullptr), nullptr) << classId->ToString();
  EXPECT_EQ(CQVExplorer::Manufacture(GUID_NULL, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(CQVExplorer::Manufacture(kLeafClass, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(FactoryTest, SettingsKeysAreStablePerClassAndDifferOnlyInTheirLastComponent) {
  std::string variableTypes;
  ASSERT_EQ(CQVExplorer::GetSettingsRegistryKeyName(CLSID_QVEOVariableTypes, variableTypes), 1);
  EXPECT_EQ(variableTypes,
            "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings\\{A93D72D7-75CD-11D0-8D84-00C0DF469D39}");
  std::string again;
  CQVExplorer::GetSettingsRegistryKeyName(CLSID_QVEOVariableTypes, again);
  EXPECT_EQ(again, variableTypes);

  std::string simulation;
  CQVExplorer::GetSettingsRegistryKeyName(CLSID_QVEOSimulation, simulation);
  EXPECT_NE(simulation, variableTypes);
  auto parent = [](const std::string& key) { return key.substr(0, key.rfind('\\')); };
  EXPECT_EQ(parent(simulation), parent(variableTypes));
  EXPECT_EQ(parent(simulation), CQVExplorer::GetSettingsRootKeyName());
  EXPECT_EQ(CQVExplorer::GetExplorerObjectsKeyName(), "Software\\Velloran\\ZNSystem\\38.0\\Explorer Objects");
}

}  // namespace
