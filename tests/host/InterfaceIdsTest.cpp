#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "host/com/DataObject.h"
#include "host/com/Dispatch.h"
#include "host/com/PersistStream.h"
#include "host/com/Unknown.h"
#include "host/diagnostics/IZNDecompEquation.h"
#include "host/diagnostics/IZNDecompEquivalence.h"
#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecompStatistics.h"
#include "host/diagnostics/IZNDecompVariable.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "host/model/IPFSSink.h"
#include "host/model/IQVDataSource.h"
#include "host/model/IQVEventSource.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"
#include "host/model/IQVFormWindows.h"
#include "host/model/IQVGlobalInstances.h"
#include "host/model/IQVGraphicalCopy.h"
#include "host/model/IQVHierarchyForm.h"
#include "host/model/IQVHierarchyType.h"
#include "host/model/IQVIcon.h"
#include "host/model/IQVIconCollection.h"
#include "host/model/IQVInstanceCreation.h"
#include "host/model/IQVNotes.h"
#include "host/model/IQVPhysicalQuantity.h"
#include "host/model/IQVPortType.h"
#include "host/model/IQVRename.h"
#include "host/model/IQVScriptInvocation.h"
#include "host/model/IQVStreamType.h"
#include "host/model/IQVStructure.h"
#include "host/model/IQVTask.h"
#include "host/model/IQVTasks.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableAttributes.h"
#include "host/model/IQVVariableLookup.h"
#include "host/model/IQVVariableQueries.h"
#include "host/model/IRModel.h"
#include "host/model/IRModelType.h"
#include "host/services/IQVEstimation.h"
#include "host/services/IQVExternalInterface.h"
#include "host/services/IQVHomotopy.h"
#include "host/services/IQVOnLineLinks.h"
#include "host/services/IQVOptimisation.h"
#include "host/services/IQVPhysicalProperties.h"
#include "host/services/IQVSolverOptions.h"
#include "host/services/IQVUOMConverter.h"
#include "host/store/HostClassIds.h"
#include "host/store/IFChildCollection.h"
#include "host/store/IFCompileStatus.h"
#include "host/store/IFDesc.h"
#include "host/store/IFFolder.h"
#include "host/store/IFFolderCollection.h"
#include "host/store/IFInstance.h"
#include "host/store/IFNaming.h"
#include "host/store/IFPropertyDesc.h"
#include "host/store/IFRoot.h"
#include "host/store/IFType.h"
#include "host/store/IFTypeDesc.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFTypeRename.h"
#include "host/store/IFTypeTable.h"
#include "host/store/IFValidity.h"
#include "host/store/IQVScriptOwner.h"

namespace {

struct Entry {
  const IID& fromInterface;
  const IID& constant;
  const char* name;
};

#define ENTRY(I) Entry{I::Iid(), IID_##I, #I}

const std::vector<Entry>& Interfaces() {
  static const std::vector<Entry> entries = {
      ENTRY(IDataObject), ENTRY(IDispatch), ENTRY(IQVPersistStream), ENTRY(IUnknown), ENTRY(IZNDecompEquation),
      ENTRY(IZNDecompEquivalence), ENTRY(IZNDecompGroup), ENTRY(IZNDecompStatistics), ENTRY(IZNDecompVariable),
      ENTRY(IZNDecomposition), ENTRY(IZNDiagnostics), ENTRY(IPFSSink), ENTRY(IQVDataSource), ENTRY(IQVEventSource),
      ENTRY(IQVFormContainer), ENTRY(IQVFormDef), ENTRY(IQVFormWindows), ENTRY(IQVGlobalInstances),
      ENTRY(IQVGraphicalCopy), ENTRY(IQVHierarchyForm), ENTRY(IQVHierarchyType), ENTRY(IQVIcon),
      ENTRY(IQVIconCollection), ENTRY(IQVInstanceCreation), ENTRY(IQVNotes), ENTRY(IQVPhysicalQuantity),
      ENTRY(IQVPortType), ENTRY(IQVRename), ENTRY(IQVScriptInvocation), ENTRY(IQVStreamType), ENTRY(IQVStructure),
      ENTRY(IQVTask), ENTRY(IQVTasks), ENTRY(IQVVariable), ENTRY(IQVVariableAttributes), ENTRY(IQVVariableLookup),
      ENTRY(IQVVariableQueries), ENTRY(IQVVariableQuery), ENTRY(IQVVariableList), ENTRY(IRModel), ENTRY(IRModelType),
      ENTRY(IQVEstimation), ENTRY(IQVExternalInterface), ENTRY(IQVHomotopy), ENTRY(IQVOnLineLinks),
      ENTRY(IQVOptimisation), ENTRY(IQVPhysicalProperties), ENTRY(IQVSolverOptions), ENTRY(IQVUOMConverter),
      ENTRY(IFChildCollection), ENTRY(IFCompileStatus), ENTRY(IFDesc), ENTRY(IFFolder), ENTRY(IFFolderCollection),
      ENTRY(IFInstance), ENTRY(IFNaming), ENTRY(IFPropertyDesc), ENTRY(IFRoot), ENTRY(IFType), ENTRY(IFTypeDesc),
      ENTRY(IFTypePalette), ENTRY(IFTypeRename), ENTRY(IFTypeTable), ENTRY(IFValidity), ENTRY(IQVScriptOwner)
  };
  return entries;
}

// Every interface answers queries for its own identifier, and no two share one:
// a copied identifier would let one interface pass for another.
TEST(InterfaceIdsTest, EachInterfaceHasItsOwnIdentifier) {
  std::set<GUID> seen;
  for (const Entry& e : Interfaces()) {
    EXPECT_EQ(e.fromInterface, e.constant) << e.name << "::Iid() answers another constant";
    EXPECT_FALSE(e.constant.IsNull()) << e.name;
    EXPECT_TRUE(seen.insert(e.constant).second) << e.name << " shares " << e.constant.ToString();
  }
}

TEST(InterfaceIdsTest, EnumeratorIdentifiersCollideWithNoInterface) {
  std::set<GUID> all;
  for (const Entry& e : Interfaces()) all.insert(e.constant);
  for (const Entry& e : Interfaces()) {
    EXPECT_TRUE(all.insert(EnumIidFor(e.constant)).second) << "enumerator of " << e.name;
  }
}

TEST(InterfaceIdsTest, HostClassIdentifiersAreDistinct) {
  const std::vector<CLSID> classes = {CLSID_QVScriptType, CLSID_QVHierarchyType, CLSID_QVTableForm, CLSID_QVPlotForm, CLSID_QVProfileForm, CLSID_QVCustomForm, CLSID_QVModelHelpForm, CLSID_QVTextEditorView, CLSID_QVFormView, CLSID_QVIconEditorView};
  const std::set<GUID> unique(classes.begin(), classes.end());
  EXPECT_EQ(unique.size(), classes.size());
  for (const Entry& e : Interfaces()) EXPECT_EQ(unique.count(e.constant), 0u) << e.name;
}

}  // namespace
