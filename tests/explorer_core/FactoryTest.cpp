// The node factory: every class identifier it registers yields a node of that
// class, and the classes not built yet yield nothing.
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

// Every class Manufacture makes a node for.
const std::vector<const GUID*> kMadeByTheFactory = {
    &CLSID_QVEOSimulation,          &CLSID_QVEOLibrary,           &CLSID_QVEOVariableTypes,
    &CLSID_QVEOPortTypes,           &CLSID_QVEOProcedures,        &CLSID_QVEOComponentLists,
    &CLSID_QVEOBlockType,           &CLSID_QVEOStreamType,        &CLSID_QVEOControllerType,
    &CLSID_QVEOVariableType,        &CLSID_QVEOPortType,          &CLSID_QVEOProcedure,
    &CLSID_QVEOFormInstance,        &CLSID_QVEOIcon,              &CLSID_QVEOComponentList,
    &CLSID_QVEOSolverOptions,       &CLSID_QVEOSimulationOptions, &CLSID_QVEOAddVariableType,
    &CLSID_QVEOAddPortType,         &CLSID_QVEOAddProcedure,      &CLSID_QVEOAddFormInstance,
    &CLSID_QVEOAddIcon,             &CLSID_QVEOAddModel,          &CLSID_QVEOAddStreamType,
    &CLSID_QVEOAddComponentList,    &CLSID_QVEOAddScript,         &CLSID_QVEOScript,
    &CLSID_QVEOAddLibrary,          &CLSID_QVEOAddTask,           &CLSID_QVEOTask,
    &CLSID_QVEOTaskFolder,          &CLSID_QVEOModelText,         &CLSID_QVEOFlowsheetText,
    &CLSID_QVEOAddParameterType,    &CLSID_QVEOParameterTypes,    &CLSID_QVEOParameterType,
    &CLSID_QVEOBlockTypes,          &CLSID_QVEOStreamTypes,       &CLSID_QVEOAddUserFolder,
    &CLSID_QVEOUserFolder,          &CLSID_QVEOTypesFolder,       &CLSID_QVEOScriptFolder,
    &CLSID_QVEOAddStructure,        &CLSID_QVEOGlobalStructureType, &CLSID_QVEOGlobalStructureTypes,
    &CLSID_QVEOFunction,            &CLSID_QVEOAddFunction,       &CLSID_QVEOGlobals,
    &CLSID_QVEOLaunchDialog,        &CLSID_QVEOLibraries,         &CLSID_QVEOInterfacing,
    &CLSID_QVEOUOMs,                &CLSID_QVEOUOM,               &CLSID_QVEOAnalysisTools,
    &CLSID_QVEODiagnostic,          &CLSID_QVEOWarning,
    &CLSID_QVEOFlowsheet,           &CLSID_QVEOBlockFolder,       &CLSID_QVEOStreamFolder,
    &CLSID_QVEOBlock,               &CLSID_QVEOStream,            &CLSID_QVEOStructureContainer,
    &CLSID_QVEOGlobalStructure,
};

TEST_F(FactoryTest, EveryRegisteredClassYieldsANodeOfThatClass) {
  for (const GUID* classId : kMadeByTheFactory) {
    std::unique_ptr<CExplorerObject> node(CQVExplorer::Manufacture(*classId, nullptr, nullptr, nullptr));
    ASSERT_NE(node, nullptr) << classId->ToString() << " has no maker";
    EXPECT_EQ(node->GetClassID(), *classId) << "the maker of " << classId->ToString() << " makes another class";
    // Made without host objects, a node still answers its name and image.
    std::string name;
    EXPECT_TRUE(node->GetClassName(name)) << classId->ToString();
    EXPECT_FALSE(name.empty()) << classId->ToString();
    node->GetImage(0, 0);
  }

  // The list is the factory's table: each identifier once, none forgotten.
  std::set<GUID> listed;
  for (const GUID* classId : kMadeByTheFactory) EXPECT_TRUE(listed.insert(*classId).second) << classId->ToString();
  std::set<GUID> inTable;
  for (const auto& entry : ExplorerNodeFactoryTable())
    EXPECT_TRUE(inTable.insert(*entry.classId).second) << entry.className << " is in the table twice";
  EXPECT_EQ(inTable, listed);
}

TEST_F(FactoryTest, ClassesMadeOnlyByTheirParentsAndUnknownIdsYieldNoNode) {
  for (const GUID* classId : ExplorerNodeClassesNotManufactured()) {
    EXPECT_EQ(CQVExplorer::Manufacture(*classId, nullptr, nullptr, nullptr), nullptr) << classId->ToString();
    for (const auto& entry : ExplorerNodeFactoryTable()) EXPECT_NE(*entry.classId, *classId) << entry.className;
  }
  EXPECT_EQ(CQVExplorer::Manufacture(GUID_NULL, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(CQVExplorer::Manufacture(kLeafClass, nullptr, nullptr, nullptr), nullptr);
}

}  // namespace
