// The Add entries that sit inside a model or the simulation and make a part of
// it: an icon, a form, the model's help form and a global table.
#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"
#include "host/store/HostClassIds.h"
#include "host/store/Status.h"
#include "platform/Resources.h"

namespace {

const char* const kHelpFormName = "$Model_Help$";

CComPtr<IQVFormContainer> FormContainerOf(IFType* owner) { return ComQuery<IQVFormContainer>(owner); }

}  // namespace

// ---- icons

CQVEOAddIcon::CQVEOAddIcon(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_ICON, IDI_ADD_ICON, owner) {}
const GUID& CQVEOAddIcon::ClassID() { return CLSID_QVEOAddIcon; }
CExplorerObject* CQVEOAddIcon::Clone() { return new CQVEOAddIcon(GetInstance(), GetOwner()); }

void CQVEOAddIcon::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  IFInstance* instance = GetInstance();
  if (!instance || !GetPalette()) return;
  std::string name;
  auto create = [&](const std::string& wanted, IFType** out) {
    return CQVExplorer::CreateIcon(instance, wanted, out, 1, nullptr);
  };
  if (!AskAndCreateType(IDS_CREATE_ICON, create, name)) return;
  OpenView(CLSID_QVIconEditorView, 1, name, nullptr, "", 0);
  notify.Post(EXPLORER_OBJECT_ADDED);
}

// ---- forms: the host asks for the new form itself

CQVEOAddFormInstance::CQVEOAddFormInstance(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_FORM, IDI_ADD_FORM, owner) {}
const GUID& CQVEOAddFormInstance::ClassID() { return CLSID_QVEOAddFormInstance; }
CExplorerObject* CQVEOAddFormInstance::Clone() { return new CQVEOAddFormInstance(GetInstance(), GetOwner()); }

void CQVEOAddFormInstance::Create() { AddFormInstance(); }

void CQVEOAddFormInstance::AddFormInstance() {
  if (CComPtr<IQVFormContainer> forms = FormContainerOf(GetPalette())) forms->AddForm(QV_ADDFORM_NEW);
}

// ---- the model's help form

CQVEOAddHelpInstance::CQVEOAddHelpInstance(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_HELP, IDI_ADD_HELP, owner) {
  CComPtr<IFType> model = GetPalette();
  if (!model) return;
  model->GetName(m_ownerName);
  CComPtr<IQVFormDef> help;
  CComPtr<IQVFormContainer> forms = FormContainerOf(model);
  m_bHelpExists = forms && SUCCEEDED(forms->FindForm(kHelpFormName, &help)) && help;
}

const GUID& CQVEOAddHelpInstance::ClassID() { return CLSID_QVEOAddHelpInstance; }
CExplorerObject* CQVEOAddHelpInstance::Clone() { return new CQVEOAddHelpInstance(GetInstance(), GetOwner()); }

int CQVEOAddHelpInstance::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = m_bHelpExists ? m_ownerName + " Help" : LoadStringOrEmpty(IDS_ADD_HELP);
    return 1;
  }
  if (aspect == EOAspectType) {
    text = "Model Help";
    return 1;
  }
  return 0;
}

int CQVEOAddHelpInstance::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_OPEN, IDS_MENU_OPEN);
  build.Add(ID_EXPLORER_DELETE, IDS_MENU_DELETE);
  return 1;
}

// Only Open, and Delete once the help exists: the entry does nothing else.
int CQVEOAddHelpInstance::CanDoCommand(UINT id) {
  return id == ID_EXPLORER_OPEN || (id == ID_EXPLORER_DELETE && m_bHelpExists);
}

void CQVEOAddHelpInstance::DoCommand(UINT id) {
  if (id == ID_EXPLORER_DELETE) {
    if (m_bHelpExists) DeleteHelp();
    return;
  }
  CQVEOAddEntry::DoCommand(id);
}

void CQVEOAddHelpInstance::Create() {
  CComPtr<IQVFormContainer> forms = FormContainerOf(GetPalette());
  if (!forms || FAILED(forms->AddForm(QV_ADDFORM_HELP))) return;
  if (m_bHelpExists) return;
  m_bHelpExists = 1;
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
}

void CQVEOAddHelpInstance::DeleteHelp() {
  if (CQVExplorer::DisplayMessage(IDS_CONFIRM_DELETE, IDS_CONFIRM_CAPTION, MB_YESNO | MB_ICONQUESTION, nullptr) !=
      IDYES)
    return;
  CComPtr<IQVFormContainer> forms = FormContainerOf(GetPalette());
  if (!forms) return;
  // A help form that stays (open elsewhere) keeps its entry, and the user is told why.
  if (HRESULT hr = forms->RemoveForm(kHelpFormName); FAILED(hr)) {
    CQVExplorer::DisplayMessage(GetStatusText(hr), 0, MB_ICONEXCLAMATION, nullptr);
    return;
  }
  m_bHelpExists = 0;
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
}

// ---- global tables of the simulation

CQVEOAddGlobalTable::CQVEOAddGlobalTable(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_GLOBAL_TABLE, IDI_ADD_FORM, owner) {}
const GUID& CQVEOAddGlobalTable::ClassID() { return CLSID_QVEOAddGlobalTable; }
CExplorerObject* CQVEOAddGlobalTable::Clone() { return new CQVEOAddGlobalTable(GetInstance(), GetOwner()); }

void CQVEOAddGlobalTable::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CComPtr<IQVFormContainer> forms = FormContainerOf(GetPalette());
  if (!forms) return;
  bool made =
      AskUntilAccepted<CQVExplorerObjectNameDialog>(IDS_NAME_GLOBAL_TABLE, [&](CQVExplorerObjectNameDialog& dialog) {
        if (!CQVGeneralUtil::IsValidName(dialog.m_strName, nullptr)) return false;
        CComPtr<IQVFormDef> form;
        const HRESULT hr = forms->CreateForm(dialog.m_strName, CLSID_QVTableForm, 0, "", &form);
        if (SUCCEEDED(hr)) return true;
        // Say why before asking again.
        const std::string quoted = "\"" + dialog.m_strName + "\"";
        CQVExplorer::DisplayMessage(hr == FE_NAMEEXISTS ? "A global table named " + quoted + " already exists."
                                                        : "Cannot create the global table " + quoted + ": " +
                                                              GetStatusText(hr),
                                    0, MB_ICONEXCLAMATION, nullptr);
        return false;
      });
  if (made) notify.Post(EXPLORER_OBJECT_ADDED);
}
