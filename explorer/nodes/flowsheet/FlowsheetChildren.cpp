#include "explorer/nodes/flowsheet/FlowsheetChildren.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/flowsheet/QVEOBlock.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheet.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheetFolder.h"
#include "explorer/nodes/flowsheet/QVEOGlobalStructure.h"
#include "explorer/nodes/flowsheet/QVEOStream.h"
#include "explorer/nodes/flowsheet/QVEOStructureContainer.h"
#include "explorer/nodes/library/QVEOFormInstance.h"
#include "explorer/nodes/library/QVEOScript.h"
#include "explorer/nodes/library/QVEOTask.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"
#include "host/model/IQVHierarchyType.h"
#include "host/store/CMwScriptEnumerator.h"
#include "host/store/IFChildCollection.h"
#include "host/store/TypeFlags.h"

namespace flowsheet_children {

namespace {

const EOAspect kChildRowAspects[] = {EOAspectType, EOAspectStatus};
constexpr const char* kAllVariablesForm = "AllVariables";
constexpr const char* kFlowsheetTaskFolder = "TaskTypeFolder";

bool IsHierarchy(IFInstance* child) {
  CComPtr<IFType> type = type_access::TypeOf(child);
  return ComQuery<IQVHierarchyType>(type) != nullptr;
}

bool IsGlobalStructure(IFInstance* child) {
  DWORD attributes = 0;
  return SUCCEEDED(child->GetAttributes(&attributes)) && (attributes & FI_GLOBAL_STRUCTURE);
}

CQVEOFlowsheetFolder* MakeFolder(bool blocks, CExplorerContainerObject& parent) {
  if (parent.IsExcluded(blocks ? CQVEOBlockFolder::ClassID() : CQVEOStreamFolder::ClassID())) return nullptr;
  IFInstance* instance = parent.GetInstance();
  if (!instance) return nullptr;
  if (blocks) return new CQVEOBlockFolder(instance, parent.GetExclusionList(), parent.GetOwner());
  return new CQVEOStreamFolder(instance, parent.GetExclusionList(), parent.GetOwner());
}

}  // namespace

std::string PathOf(IFInstance* instance) {
  std::string path;
  if (instance) instance->GetPath(path);
  return path;
}

CExplorerContainerObject* MakeBlockNode(IFInstance* child, CExplorerContainerObject& parent) {
  if (!child) return nullptr;
  CExplorerExclusionList* list = parent.GetExclusionList();
  CWnd* owner = parent.GetOwner();
  if (IsHierarchy(child))
    return parent.IsExcluded(CQVEOFlowsheet::ClassID()) ? nullptr : new CQVEOFlowsheet(child, list, owner);
  if (IsGlobalStructure(child))
    return parent.IsExcluded(CQVEOGlobalStructure::ClassID()) ? nullptr : new CQVEOGlobalStructure(child, list, owner);
  return parent.IsExcluded(CQVEOBlock::ClassID()) ? nullptr : new CQVEOBlock(child, list, owner);
}

CExplorerContainerObject* MakeStreamNode(IFInstance* child, CExplorerContainerObject& parent) {
  if (!child || parent.IsExcluded(CQVEOStream::ClassID())) return nullptr;
  return new CQVEOStream(child, parent.GetExclusionList(), parent.GetOwner());
}

CExplorerContainerObject* MakeBlockFolder(CExplorerContainerObject& parent) { return MakeFolder(true, parent); }

bool InsertChild(CTreeCtrl& tree, HTREEITEM item, CExplorerContainerObject* child) {
  if (!child) return false;
  if (child->ShowContents(tree, item)) return true;
  delete child;
  return false;
}

void AddChildRow(CListCtrl& list, CExplorerObject* child, const EOAspect aspects[], int count) {
  if (child && CExplorerObject::AddListItem(list, child, aspects, count) < 0) delete child;
}

void InsertUnitFolders(CTreeCtrl& tree, HTREEITEM item, CExplorerContainerObject& parent) {
  InsertChild(tree, item, MakeFolder(true, parent));
  InsertChild(tree, item, MakeFolder(false, parent));
}

void AddUnitFolderRows(CListCtrl& list, CExplorerContainerObject& parent) {
  for (bool blocks : {true, false}) {
    CQVEOFlowsheetFolder* folder = MakeFolder(blocks, parent);
    if (folder && folder->IsEmpty()) {
      delete folder;
      continue;
    }
    AddChildRow(list, folder, kChildRowAspects, 2);
  }
}

void AddOwnedRows(CListCtrl& list, CExplorerContainerObject& parent, IFType* type, bool topLevelFlowsheet) {
  IFInstance* instance = parent.GetInstance();
  CWnd* owner = parent.GetOwner();
  if (!instance) return;

  if (!parent.IsExcluded(CQVEOFormInstance::ClassID())) {
    CComPtr<IQVFormContainer> forms = ComQuery<IQVFormContainer>(type);
    int count = 0;
    if (forms && SUCCEEDED(forms->GetFormCount(&count))) {
      for (int i = 0; i < count; ++i) {
        CComPtr<IQVFormDef> form;
        if (FAILED(forms->GetForm(i, &form)) || !form) continue;
        auto* node = new CQVEOFormInstance(form, &parent, instance, 1, owner, 0);
        std::string name;
        node->GetDisplayText(EOAspectName, name);
        // The table of all variables is a hierarchy's own; the flowsheet has the simulation's.
        if (topLevelFlowsheet && name == kAllVariablesForm) {
          delete node;
          continue;
        }
        AddChildRow(list, node, kChildRowAspects, 2);
      }
    }
  }

  if (!parent.IsExcluded(CQVEOScript::ClassID())) {
    CMwScriptEnumerator scripts(instance);
    CComPtr<IFType> script;
    CComPtr<IFInstance> scriptOwner;
    while (scripts.Next(&script, &scriptOwner) == S_OK && script) {
      DWORD flags = 0;
      if (SUCCEEDED(script->GetFlags(&flags)) && !(flags & FT_SYSTEM))
        AddChildRow(list, new CQVEOScript(scriptOwner ? scriptOwner.Get() : instance, script.Get(), owner, 0),
                    kChildRowAspects, 2);
      script.Release();
      scriptOwner.Release();
    }
  }

  if (!parent.IsExcluded(CQVEOTask::ClassID()) && type) {
    CQVFolderTypeEnum tasks(type, kFlowsheetTaskFolder);
    while (CComPtr<IFTypeDesc> desc = tasks.Next()) {
      DWORD flags = 0;
      if (FAILED(desc->GetFlags(&flags)) || !(flags & FT_TASK)) continue;
      CComPtr<IFInstance> task = type_access::InstanceOf(type_access::TypeOf(desc));
      if (task) AddChildRow(list, new CQVEOTask(task, owner, 0, EO_TASK_OF_BLOCK, instance), kChildRowAspects, 2);
    }
  }
}

void InsertStructureContainers(CTreeCtrl& tree, HTREEITEM item, CExplorerContainerObject& parent) {
  if (parent.IsExcluded(CQVEOStructureContainer::ClassID())) return;
  CComPtr<IFChildCollection> children = ComQuery<IFChildCollection>(parent.GetInstance());
  CComPtr<IEnum<IFInstance>> containers;
  if (!children || FAILED(children->EnumChildren(FI_STRUCTURE_CONTAINER, &containers)) || !containers) return;
  CComPtr<IFInstance> container;
  while (containers->Next(&container) == S_OK && container) {
    InsertChild(tree, item,
                new CQVEOStructureContainer(container, parent.GetExclusionList(), parent.GetOwner(), 0));
    container.Release();
  }
}

void AddStructureContainerRows(CListCtrl& list, CExplorerContainerObject& parent) {
  if (parent.IsExcluded(CQVEOStructureContainer::ClassID())) return;
  CComPtr<IFChildCollection> children = ComQuery<IFChildCollection>(parent.GetInstance());
  CComPtr<IEnum<IFInstance>> containers;
  if (!children || FAILED(children->EnumChildren(FI_STRUCTURE_CONTAINER, &containers)) || !containers) return;
  CComPtr<IFInstance> container;
  while (containers->Next(&container) == S_OK && container) {
    AddChildRow(list, new CQVEOStructureContainer(container, parent.GetExclusionList(), parent.GetOwner(), 0),
                kChildRowAspects, 2);
    container.Release();
  }
}

}  // namespace flowsheet_children
