// What a model shows: its own tree item, and in the contents pane its Add
// entries (when it can be changed), its text, its scripts, icons, forms
// (without the help form) and tasks, each kind unless the Explorer hides it.
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/QVEOFormInstance.h"
#include "explorer/nodes/library/QVEOIcon.h"
#include "explorer/nodes/library/QVEOModelText.h"
#include "explorer/nodes/library/QVEOScript.h"
#include "explorer/nodes/library/QVEOTask.h"
#include "explorer/nodes/library/QVExplorerModelTypeObject.h"
#include "explorer/resources/StringIds.h"
#include "host/model/IQVIconCollection.h"
#include "host/store/CMwScriptEnumerator.h"
#include "host/store/HostClassIds.h"
#include "host/store/TypeFlags.h"

namespace {

const UINT kColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};
const EOAspect kRowAspects[] = {EOAspectType, EOAspectStatus};
constexpr const char* kHelpFormName = "$Model_Help$";
constexpr const char* kTaskFolder = "TaskTypeFolder";

// Appends node's row; a node no row took is deleted.
void AddRow(CListCtrl& list, CExplorerObject* node) {
  if (node && CExplorerObject::AddListItem(list, node, kRowAspects, 2) < 0) delete node;
}

bool IsHelpForm(IQVFormDef* form) {
  std::string name;
  CLSID kind;
  if (SUCCEEDED(form->GetName(name)) && name == kHelpFormName) return true;
  return SUCCEEDED(form->GetClassID(&kind)) && kind == CLSID_QVModelHelpForm;
}

}  // namespace

HTREEITEM CQVExplorerModelTypeObject::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  return InsertTreeItem(tree, text, parent, TVI_LAST, m_nStatus != EO_STATUS_NOT_OK);
}

int CQVExplorerModelTypeObject::ShowContents(CListCtrl& list) {
  InsertColumns(list, 3, kColumnTitles);
  const ModelContentsShape shape = ContentsShape();
  if (IsEditable()) ShowAddEntries(list, shape);
  ShowOwnedItems(list, shape);
  return 0;
}

void CQVExplorerModelTypeObject::ShowAddEntries(CListCtrl& list, const ModelContentsShape& shape) {
  IFInstance* model = GetType();
  CWnd* owner = GetOwner();
  if (!model) return;
  if (!IsExcluded(CQVEOAddFormInstance::ClassID())) AddRow(list, new CQVEOAddFormInstance(model, owner));
  if (shape.addIcon && !IsExcluded(CQVEOAddIcon::ClassID())) AddRow(list, new CQVEOAddIcon(model, owner));
  if (!IsExcluded(CQVEOAddScript::ClassID())) AddRow(list, new CQVEOAddScript(model, owner));
  if (shape.tasks && !IsExcluded(CQVEOAddTask::ClassID())) AddRow(list, new CQVEOAddTask(model, owner, 1));
  if (shape.help && !IsExcluded(CQVEOAddHelpInstance::ClassID())) AddRow(list, new CQVEOAddHelpInstance(model, owner));
}

void CQVExplorerModelTypeObject::ShowOwnedItems(CListCtrl& list, const ModelContentsShape& shape) {
  IFInstance* model = GetType();
  CWnd* owner = GetOwner();
  if (!model) return;
  // The text and what it owns open read-only where the model cannot be changed.
  const int ownedReadOnly = m_bReadOnly || m_nStatus == EO_STATUS_SYSTEM;
  if (!IsExcluded(CQVEOModelText::ClassID())) AddRow(list, new CQVEOModelText(model, owner, ownedReadOnly));

  if (!IsExcluded(CQVEOScript::ClassID())) {
    CMwScriptEnumerator scripts(GetModelTypeObject().Get());
    CComPtr<IFType> script;
    CComPtr<IFInstance> scriptOwner;
    while (scripts.Next(&script, &scriptOwner) == S_OK && script) {
      DWORD flags = 0;
      if (SUCCEEDED(script->GetFlags(&flags)) && !(flags & FT_SYSTEM))
        AddRow(list, new CQVEOScript(scriptOwner ? scriptOwner.Get() : model, script.Get(), owner, ownedReadOnly));
      script.Release();
      scriptOwner.Release();
    }
  }

  if (shape.icons && !IsExcluded(CQVEOIcon::ClassID())) {
    CComPtr<IQVIconCollection> icons = ComQuery<IQVIconCollection>(GetModelTypeObject());
    int count = 0;
    if (icons && SUCCEEDED(icons->GetIconCount(&count))) {
      for (int i = 0; i < count; ++i) {
        CComPtr<IQVIcon> icon;
        if (SUCCEEDED(icons->GetIcon(i, &icon)) && icon) AddRow(list, new CQVEOIcon(icon, this, owner, ownedReadOnly));
      }
    }
  }

  if (!IsExcluded(CQVEOFormInstance::ClassID())) {
    CComPtr<IQVFormContainer> forms = GetFormContainer();
    int count = 0;
    if (forms && SUCCEEDED(forms->GetFormCount(&count))) {
      for (int i = 0; i < count; ++i) {
        CComPtr<IQVFormDef> form;
        if (SUCCEEDED(forms->GetForm(i, &form)) && form && !IsHelpForm(form))
          AddRow(list, new CQVEOFormInstance(form, this, model, 0, owner, ownedReadOnly));
      }
    }
  }

  if (shape.tasks && !IsExcluded(CQVEOTask::ClassID())) {
    CQVFolderTypeEnum tasks(model, kTaskFolder);
    while (CComPtr<IFTypeDesc> desc = tasks.Next()) {
      CComPtr<IFInstance> task = type_access::InstanceOf(type_access::TypeOf(desc));
      if (task) AddRow(list, new CQVEOTask(task, owner, ownedReadOnly, EO_TASK_OF_PALETTE, nullptr));
    }
  }
}
