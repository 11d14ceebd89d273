#include "tests/explorer_simulation/SimulationTestSupport.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "platform/Menu.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StoreType.h"

namespace simulation_test {

std::set<GUID> StandInNode::refuseTree;
std::map<GUID, int> StandInNode::readOnlyWhenShown;
std::map<GUID, IFInstance*> StandInNode::madeFor;

StandInNode::StandInNode(REFGUID classId, IFInstance* instance, CExplorerExclusionList* list, CWnd* owner,
                         std::string name)
    : CExplorerContainerObject(ForType{}, instance, list, owner, 0), m_classId(classId), m_name(std::move(name)) {
  madeFor[classId] = instance;
}

int StandInNode::GetClassName(std::string& name) {
  name = "Stand-in";
  return 1;
}

CExplorerObject* StandInNode::Clone() {
  return new StandInNode(m_classId, m_pType, m_pExclusionList, GetOwner(), m_name);
}

int StandInNode::GetDisplayText(EOAspect aspect, std::string& text) {
  switch (aspect) {
    case EOAspectName: text = m_name; return 1;
    case EOAspectType: text = "stand-in"; return 1;
    case EOAspectStatus: text = "ready"; return 1;
    default: return 0;
  }
}

HTREEITEM StandInNode::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  if (refuseTree.count(m_classId)) return nullptr;
  readOnlyWhenShown[m_classId] = IsLibraryObject();
  return InsertTreeItem(tree, m_name, parent, TVI_LAST, 1);
}

namespace {

struct StandInLabel {
  const GUID* classId;
  const char* label;
};

// The label each stand-in shows; libraries show their library's name instead.
constexpr StandInLabel kLabels[] = {
    {&CLSID_QVEOComponentLists, "Component Lists"}, {&CLSID_QVEOFlowsheet, "Flowsheet"},
    {&CLSID_QVEOTypesFolder, "Custom Modeling"},    {&CLSID_QVEODiagnostic, "Diagnostics"},
    {&CLSID_QVEOAddLibrary, " Add Library"},
};

template <const GUID* ClassId>
CExplorerObject* MakeStandIn(IFInstance* instance, CExplorerExclusionList* list, CWnd* owner) {
  std::string label;
  if (*ClassId == CLSID_QVEOLibrary) {
    label = type_access::NameOf(type_access::TypeOf(instance));
  } else {
    for (const StandInLabel& entry : kLabels)
      if (*entry.classId == *ClassId) label = entry.label;
  }
  return new StandInNode(*ClassId, instance, list, owner, label);
}

}  // namespace

StandIns::StandIns() {
  StandInNode::refuseTree.clear();
  StandInNode::readOnlyWhenShown.clear();
  StandInNode::madeFor.clear();
  m_makers.push_back(std::make_unique<CScopedNodeMaker>(CLSID_QVEOComponentLists, &MakeStandIn<&CLSID_QVEOComponentLists>));
  m_makers.push_back(std::make_unique<CScopedNodeMaker>(CLSID_QVEOFlowsheet, &MakeStandIn<&CLSID_QVEOFlowsheet>));
  m_makers.push_back(std::make_unique<CScopedNodeMaker>(CLSID_QVEOTypesFolder, &MakeStandIn<&CLSID_QVEOTypesFolder>));
  m_makers.push_back(std::make_unique<CScopedNodeMaker>(CLSID_QVEODiagnostic, &MakeStandIn<&CLSID_QVEODiagnostic>));
  m_makers.push_back(std::make_unique<CScopedNodeMaker>(CLSID_QVEOLibrary, &MakeStandIn<&CLSID_QVEOLibrary>));
  m_makers.push_back(std::make_unique<CScopedNodeMaker>(CLSID_QVEOAddLibrary, &MakeStandIn<&CLSID_QVEOAddLibrary>));
}

SimulationTest::SimulationTest() {
  EXPECT_TRUE(owner.Create("owner", "", WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0));
  EXPECT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &owner, 1));
  EXPECT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(400, 0, 600, 300), &owner, 2));
}

SimulationTest::~SimulationTest() {
  ClearPanes();
  CRQVDocument::m_bCustomModeling = true;
}

void SimulationTest::OpenSample() {
  FileProblem problem;
  ASSERT_TRUE(app.OpenDocument(DefaultSamplePath(""), problem)) << problem.Describe();
}

IFInstance* SimulationTest::SimulationInstance() { return Store().SimulationInstance(); }

std::vector<std::string> SimulationTest::TreeChildren(HTREEITEM item) const { return TreeLabels(tree, item); }

HTREEITEM SimulationTest::FindChild(HTREEITEM item, const std::string& label) const {
  return FindTreeChild(tree, item, label);
}

std::vector<std::string> SimulationTest::ListColumn(int column) const { return ListColumnTexts(list, column); }

std::vector<std::string> SimulationTest::ListHeadings() const { return ListHeadingTexts(list); }

void SimulationTest::ClearPanes() { ClearPanesAndNodes(tree, list); }

}  // namespace simulation_test
