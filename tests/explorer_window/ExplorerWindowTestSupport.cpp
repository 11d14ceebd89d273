#include "tests/explorer_window/ExplorerWindowTestSupport.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "host/framework/CorvaneViewContext.h"
#include "host/store/IFTypeRename.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/store/StorePalette.h"

namespace window_test {

namespace {

const UINT kColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS, IDS_EQUATIONS};  // Name, Type, Status, Equations
const EOAspect kColumnAspects[] = {EOAspectType, EOAspectStatus, EOAspectEquations};

CStoreType* TypeBehind(IFInstance* instance) { return instance ? StoreTypeOf(instance) : nullptr; }

}  // namespace

// ---------------------------------------------------------------- fixtures

std::map<const CStoreType*, FixtureSetup>& Fixtures::Setups() {
  static std::map<const CStoreType*, FixtureSetup> setups;
  return setups;
}

FixtureLog& Fixtures::Log() {
  static FixtureLog log;
  return log;
}

FixtureSetup* Fixtures::SetupOf(IFInstance* instance) {
  auto found = Setups().find(TypeBehind(instance));
  return found == Setups().end() ? nullptr : &found->second;
}

CExplorerObject* Fixtures::Make(IFInstance* instance, CExplorerExclusionList* list, CWnd* owner) {
  FixtureSetup* setup = SetupOf(instance);
  if (!setup) return nullptr;
  if (setup->classId == CLSID_QVEOGroup) return new FixtureGroup(instance, list, owner);
  if (!setup->container) return new FixtureLeaf(instance, list, owner);
  return new FixtureNode(instance, list, owner);
}

FixtureNode::FixtureNode(IFInstance* type, CExplorerExclusionList* list, CWnd* owner)
    : CExplorerContainerObject(ForType{}, type, list, owner, 0) {
  FixtureSetup* setup = Fixtures::SetupOf(type);
  m_classId = setup ? setup->classId : kFolderClass;
  if (setup) m_nStatus = setup->status;
}

FixtureSetup& FixtureNode::Setup() {
  static FixtureSetup gone;
  FixtureSetup* setup = Fixtures::SetupOf(m_pType);
  return setup ? *setup : gone;
}

const GUID& FixtureNode::GetClassID() { return m_classId; }

int FixtureNode::GetClassName(std::string& name) {
  name = Setup().className;
  return 1;
}

CExplorerObject* FixtureNode::Clone() { return new FixtureNode(m_pType, m_pExclusionList, GetOwner()); }
CExplorerObject* FixtureLeaf::Clone() { return new FixtureLeaf(m_pType, m_pExclusionList, GetOwner()); }
CExplorerObject* FixtureGroup::Clone() { return new FixtureGroup(m_pType, m_pExclusionList, GetOwner()); }

std::string FixtureNode::Label() {
  if (!Setup().label.empty()) return Setup().label;
  CStoreType* type = TypeBehind(GetType());
  return type ? type->Name() : std::string();
}

int FixtureNode::GetDisplayText(EOAspect aspect, std::string& text) {
  switch (aspect) {
    case EOAspectName: text = Label(); return 1;
    case EOAspectType: text = Setup().className; return 1;
    case EOAspectStatus: text = m_nStatus == EO_STATUS_NOT_OK ? "Not OK" : "OK"; return 1;
    case EOAspectEquations: text = std::to_string(Setup().number); return 1;
    case EOAspectCurrentUnits: text = Setup().calculated; return 1;
    default: return 0;
  }
}

void FixtureNode::GetStatus() { m_nStatus = Setup().status; }

int FixtureNode::CanDoCommand(UINT id) { return Setup().commands.count(id) ? 1 : 0; }

void FixtureNode::DoCommand(UINT id) { Fixtures::Log().commands.emplace_back(Label(), id); }

int FixtureNode::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder builder(*this, menu);
  for (UINT id : Setup().commands) {
    const ExplorerCommand* command = FindExplorerCommand(id);
    builder.Add(id, command ? command->menuTextId : 0);
  }
  return builder.ItemCount() > 0;
}

DWORD FixtureNode::DoDragDrop() {
  COleDataSource data;
  data.CacheGlobalData(RegisterClipboardFormat("Explorer Window Test Format"), {1, 2, 3});
  return data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

DWORD FixtureNode::OnDragOver(COleDataObject*, DWORD) { return Setup().dropEffect; }

int FixtureNode::OnDrop(COleDataObject*, DWORD effect) {
  Fixtures::Log().drops.emplace_back(Label(), effect);
  return 1;
}

int FixtureNode::GetSortVal(int column, int& value) {
  if (column != 3) return 0;
  value = Setup().number;
  return 1;
}

int FixtureNode::DontEditLabel() { return Setup().editable ? 0 : 1; }

// Renames the host type and tells the Explorer, as a type node does.
int FixtureNode::EditLabel(std::string newName) {
  CStoreType* type = TypeBehind(GetType());
  CStorePalette* palette = type ? type->HoldingPalette() : nullptr;
  if (!palette || FAILED(palette->RenameType(type->Name(), newName))) return 0;
  PostToOwner(EXPLORER_OBJECT_RENAMED, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(this));
  return 1;
}

int FixtureNode::IsEmpty() { return Setup().children.empty() && Setup().groupChildren.empty(); }

int FixtureNode::ShowContents(CListCtrl& list) {
  ++Fixtures::Log().listFills;
  InsertColumns(list, 4, kColumnTitles);
  for (CStoreType* child : Setup().children) {
    if (!child->IsUsable()) continue;
    CExplorerObject* node = Fixtures::Make(child->DefaultInstance(), m_pExclusionList, GetOwner());
    if (node && AddListItem(list, node, kColumnAspects, 3) < 0) delete node;
  }
  return 0;
}

HTREEITEM FixtureNode::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  HTREEITEM item = InsertTreeItem(tree, Label(), parent, TVI_LAST, m_nStatus != EO_STATUS_NOT_OK);
  if (!item) return nullptr;
  if (Setup().deferChildren && !IsEmpty()) {
    tree.InsertItem("", item);  // a placeholder until the item is opened
    m_bChildrenDeferred = 1;
  } else {
    ShowChildren(tree, item);
  }
  return item;
}

void FixtureNode::ShowChildren(CTreeCtrl& tree, HTREEITEM item) {
  ++Fixtures::Log().treeChildrenShown;
  for (CStoreType* child : Setup().children) {
    FixtureSetup* setup = Fixtures::SetupOf(child->DefaultInstance());
    if (!child->IsUsable() || !setup || !setup->container) continue;
    auto* node = dynamic_cast<CExplorerContainerObject*>(Fixtures::Make(child->DefaultInstance(), m_pExclusionList, GetOwner()));
    if (node && !node->ShowContents(tree, item)) delete node;
  }
}

int FixtureNode::GetSortType(LISTSORTINFO& info) {
  if (info.column == 3) {
    info.type = LSI_INTEGER;
    return 1;
  }
  return CExplorerContainerObject::GetSortType(info);
}

void FixtureGroup::AddEquations(CTreeCtrl& tree, HTREEITEM item) {
  for (const std::string& name : Setup().groupChildren) {
    auto* leaf = new FixtureLeaf(nullptr, m_pExclusionList, GetOwner());
    if (!leaf->InsertTreeItem(tree, name, item, TVI_LAST, 1)) delete leaf;
  }
}

void FixtureGroup::AddVariables(CTreeCtrl& tree, HTREEITEM item) {
  for (const std::string& name : Setup().groupChildren) {
    auto* leaf = new FixtureLeaf(nullptr, m_pExclusionList, GetOwner());
    if (!leaf->InsertTreeItem(tree, "v" + name, item, TVI_LAST, 1)) delete leaf;
  }
}

// ---------------------------------------------------------------- the test fixture

ExplorerWindowTest::ExplorerWindowTest() {
  ExplorerModule::Initialize();
  Fixtures::Setups().clear();
  Fixtures::Log() = FixtureLog{};
  CExplorerFrame::m_iSelClsid = 0;
  CExplorerTreeView::mbfHasUnconverged = 0;
  for (const GUID* classId : {&CLSID_QVEOSimulation, &kFolderClass, &kOtherFolderClass, &kLeafClass})
    MakeFixturesFor(*classId);
  ADInitDll();
  CWorkbenchMainFrame* main = app.CreateMainWindow();
  main->MoveWindow(0, 0, 1200, 900);
  FixtureSetup& root = RootSetup();
  root.classId = CLSID_QVEOSimulation;
  root.label = "Simulation";
  root.className = "Simulation";
}

ExplorerWindowTest::~ExplorerWindowTest() {
  for (CExplorerFrame* frame : std::vector<CExplorerFrame*>(CExplorerFrame::m_ActiveExplorers)) frame->DestroyWindow();
  MessageQueue::Clear();
  CHostObjectHandles::Clear();
  Fixtures::Setups().clear();
}

void ExplorerWindowTest::MakeFixturesFor(const GUID& classId) {
  m_makers.push_back(std::make_unique<CScopedNodeMaker>(classId, &Fixtures::Make));
}

CStoreType& ExplorerWindowTest::SimulationType() { return *Store().SimulationType(); }

CStoreType& ExplorerWindowTest::Model(const std::string& name, const GUID& classId, bool container) {
  CStoreType& model = build.Model(Simulation(), name);
  FixtureSetup& setup = Setup(model);
  setup.classId = classId;
  setup.container = container;
  return model;
}

CExplorerFrame* ExplorerWindowTest::Open(const tag_CorvaneViewContext* context) {
  CExplorerFrame* frame = CExplorerFrame::Open(context);
  EXPECT_NE(frame, nullptr) << "no Explorer opened";
  return frame;
}

std::vector<std::string> ExplorerWindowTest::TreeChildren(CExplorerFrame* frame, HTREEITEM item) {
  return explorer_test::TreeLabels(*frame->GetTreeView(), item);
}

std::vector<std::string> ExplorerWindowTest::Rows(CExplorerFrame* frame, int column) {
  return explorer_test::ListColumnTexts(*frame->GetListView(), column);
}

HTREEITEM ExplorerWindowTest::Item(CExplorerFrame* frame, const std::vector<std::string>& labels) {
  return frame->GetTreeView()->FindItemByLabels(labels);
}

CExplorerObject* ExplorerWindowTest::ItemNode(CExplorerFrame* frame, const std::vector<std::string>& labels) {
  return frame->GetTreeView()->GetExplorerObject(Item(frame, labels));
}

bool ExplorerWindowTest::IsOpen(CExplorerFrame* frame) {
  for (CExplorerFrame* open : CExplorerFrame::m_ActiveExplorers)
    if (open == frame) return true;
  return false;
}

}  // namespace window_test
