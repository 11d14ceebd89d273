#include "explorer/nodes/library/QVEOFormInstance.h"

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/DeletionNotice.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVFormWindows.h"
#include "host/model/IQVHierarchyForm.h"
#include "host/model/IRModelType.h"
#include "host/store/HostClassIds.h"
#include "host/store/MwInstance.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr int kDefaultOverlayState = 512;  // overlay image 2
constexpr const char* kHelpFormLabel = "Model Help";
constexpr const char* kFallbackForm = "AllVariables";

struct FormKind {
  const CLSID* formClass;
  int code;
  const char* text;
};

const FormKind kFormKinds[] = {
    {&CLSID_QVTableForm, EO_FORM_TABLE, "Table"},
    {&CLSID_QVPlotForm, EO_FORM_PLOT, "Plot/History"},
    {&CLSID_QVProfileForm, EO_FORM_PROFILE, "ProfilePlot/Table"},
    {&CLSID_QVCustomForm, EO_FORM_CUSTOM, "Custom Form"},
    {&CLSID_QVModelHelpForm, EO_FORM_HELP, "Model Help"},
};

const FormKind* FindKind(REFCLSID formClass) {
  for (const FormKind& kind : kFormKinds)
    if (*kind.formClass == formClass) return &kind;
  return nullptr;
}

}  // namespace

const GUID& CQVEOFormInstance::ClassID() { return CLSID_QVEOFormInstance; }

int CQVEOFormInstance::KindOf(REFCLSID formClass, bool* viewable) {
  const FormKind* kind = FindKind(formClass);
  if (viewable) *viewable = kind != nullptr;
  return kind ? kind->code : EO_FORM_CUSTOM;
}

std::string CQVEOFormInstance::KindText(REFCLSID formClass) {
  const FormKind* kind = FindKind(formClass);
  return kind ? kind->text : "Unknown";
}

bool CQVEOFormInstance::IsSystemForm(const std::string& name) {
  return name == "AllVariables" || name == "AllGlobals" || name == "LocalVariables";
}

CQVEOFormInstance::CQVEOFormInstance(IQVFormDef* form, CExplorerContainerObject* ownerNode,
                                     IFInstance* ownerInstance, int viewerMode, CWnd* owner, int readOnly)
    : CExplorerObject(ForType{}, ownerInstance, IDI_FORM, IDI_FORM, owner, readOnly),
      m_pForm(form),
      m_pOwnerNode(ownerNode),
      m_pOwnerInstance(ownerInstance),
      m_nViewerMode(viewerMode) {
  if (!m_pForm) return;
  m_pForm->GetName(m_strName);
  if (SUCCEEDED(m_pForm->GetClassID(&m_formClass))) m_nKind = KindOf(m_formClass, &m_bViewable);
  CComPtr<IFInstance> formInstance;
  const bool defaultInstance =
      SUCCEEDED(m_pForm->GetInstance(&formInstance)) && formInstance && MwInstance(formInstance).IsDefaultInstance();
  m_bEditable = !IsSystemForm(m_strName) && !m_bReadOnly && defaultInstance;
}

int CQVEOFormInstance::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_FORM_INSTANCE);
  return !name.empty();
}

CExplorerObject* CQVEOFormInstance::Clone() {
  return new CQVEOFormInstance(m_pForm, OwnerNode(), m_pOwnerInstance, m_nViewerMode, m_pOwner, m_bReadOnly);
}

int CQVEOFormInstance::operator==(CExplorerObject& other) {
  auto* form = dynamic_cast<CQVEOFormInstance*>(&other);
  if (!form) return 0;
  if (!m_pForm || !form->m_pForm) return this == form;
  return IsSameObject(m_pForm, form->m_pForm);
}

CExplorerContainerObject* CQVEOFormInstance::OwnerNode() const {
  return CExplorerObject::IsLive(m_pOwnerNode) ? m_pOwnerNode : nullptr;
}

CComPtr<IQVFormContainer> CQVEOFormInstance::FormContainer() {
  CComPtr<IFType> type = type_access::TypeOf(m_pOwnerInstance);
  if (CComPtr<IQVFormContainer> forms = ComQuery<IQVFormContainer>(type)) return forms;
  CComPtr<IQVFormContainer> forms;
  if (CComPtr<IRModelType> model = ComQuery<IRModelType>(type)) model->GetForms(&forms);
  return forms;
}

bool CQVEOFormInstance::OwnerIsHierarchyForm() {
  return ComQuery<IQVHierarchyForm>(type_access::TypeOf(m_pOwnerInstance)) != nullptr;
}

int CQVEOFormInstance::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = m_nKind == EO_FORM_HELP && m_bViewable ? std::string(kHelpFormLabel) : m_strName;
  } else if (aspect == EOAspectType) {
    text = m_pForm ? KindText(m_formClass) : std::string();
  } else {
    return 0;
  }
  return !text.empty();
}

int CQVEOFormInstance::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  if (m_bViewable) {
    if (m_bEditable) {
      build.Add(ID_EXPLORER_EDIT, OwnerIsHierarchyForm() ? IDS_MENU_OPEN : IDS_MENU_EDIT);
    } else {
      AddMenuCommand(build, ID_EXPLORER_OPEN);
    }
    if (m_nKind == EO_FORM_PLOT) {
      AddMenuCommand(build, ID_EXPLORER_SHOW_PLOT);
      AddMenuCommand(build, ID_EXPLORER_SHOW_HISTORY);
    } else if (m_nKind == EO_FORM_PROFILE) {
      AddMenuCommand(build, ID_EXPLORER_SHOW_PLOT);
      AddMenuCommand(build, ID_EXPLORER_SHOW_PROFILE_TABLE);
    }
  }
  if (m_bEditable) {
    AddMenuCommand(build, ID_EXPLORER_DELETE);
    AddMenuCommand(build, ID_EXPLORER_RENAME);
  }
  if (OwnerNode() && !OwnerIsHierarchyForm()) AddMenuCommand(build, ID_EXPLORER_MAKE_DEFAULT);
  return 1;
}

int CQVEOFormInstance::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EDIT:
      return m_bViewable && m_bEditable;
    case ID_EXPLORER_OPEN:
    case ID_EXPLORER_SHOW_HISTORY:
    case ID_EXPLORER_SHOW_PLOT:
    case ID_EXPLORER_SHOW_PROFILE_TABLE:
      return m_bViewable;
    case ID_EXPLORER_DELETE:
      return m_bEditable;
    case ID_EXPLORER_RENAME:
      return !IsSystemForm(m_strName);
    case ID_EXPLORER_MAKE_DEFAULT:
      return 1;
    default:
      return 0;
  }
}

void CQVEOFormInstance::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_OPEN:
      LaunchFormViewer();
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      break;
    case ID_EXPLORER_DELETE:
      SelfDestruct(1);
      break;
    case ID_EXPLORER_RENAME:
      if (!DontEditLabel()) StartLabelEdit();
      break;
    case ID_EXPLORER_MAKE_DEFAULT:
      if (CExplorerContainerObject* owner = OwnerNode()) owner->SetDefaultForm(m_strName);
      break;
    case ID_EXPLORER_SHOW_HISTORY:
    case ID_EXPLORER_SHOW_PROFILE_TABLE:
      OpenInMode("History");
      break;
    case ID_EXPLORER_SHOW_PLOT:
      OpenInMode("Plot");
      break;
    default:
      break;
  }
}

void CQVEOFormInstance::LaunchFormViewer() {
  if (!m_pForm || !m_bViewable) return;
  if (m_nKind == EO_FORM_HELP) {
    m_pForm->ShowHelp();
    return;
  }
  // The viewer shows the form under its name; the mode value travels in the by-descriptor slot.
  OpenView(CLSID_QVFormView, m_nViewerMode, "", m_pForm, m_strName, 0);
}

void CQVEOFormInstance::OpenInMode(const std::string& mode) {
  if (m_pForm && m_bViewable) OpenView(CLSID_QVFormView, m_nViewerMode, mode, m_pForm, m_strName, 0);
}

void CQVEOFormInstance::SetCommandState(CCmdUI* ui) {
  if (!ui) return;
  if (!OwnerNode()) {
    ui->Enable(false);
    return;
  }
  int state = 0;
  ui->SetCheck(GetOverlay(state) ? 1 : 0);
  ui->Enable(true);
}

int CQVEOFormInstance::GetOverlay(int& state) {
  state = 0;
  CExplorerContainerObject* owner = OwnerNode();
  if (owner && !m_strName.empty() && owner->IsDefaultForm(m_strName)) state = kDefaultOverlayState;
  return state != 0;
}

int CQVEOFormInstance::SelfDestruct(int confirm) {
  if (!m_bEditable || !m_bDeletable) return 0;
  if (!ConfirmDeletion(confirm, IDS_CONFIRM_DELETE_FORM)) return 0;
  CComPtr<IQVFormContainer> forms = FormContainer();
  CExplorerContainerObject* owner = OwnerNode();
  // Asked before the form goes: the container may forget its default with it.
  const bool wasDefault = owner && owner->IsDefaultForm(m_strName);
  if (!forms || FAILED(forms->RemoveForm(m_strName))) {
    CQVExplorer::DisplayMessage(IDS_FORM_INSTANCE_IN_USE, 0, MB_ICONEXCLAMATION, nullptr);
    return 0;
  }
  if (wasDefault) {
    if (CExplorerContainerObject* stillThere = OwnerNode()) stillThere->SetDefaultForm(kFallbackForm);
  }
  CDeletionNotice notice(*this);
  notice.SendDeleted();
  notice.PostDeleted();
  return 1;
}

int CQVEOFormInstance::DontEditLabel() {
  if (m_bReadOnly || IsSystemForm(m_strName) || !m_bEditable || !m_pForm) return 1;
  bool readOnly = false;
  return SUCCEEDED(m_pForm->IsReadOnly(&readOnly)) && readOnly;
}

int CQVEOFormInstance::EditLabel(std::string newName) {
  if (newName == m_strName || DontEditLabel()) return 0;
  if (!CQVGeneralUtil::IsValidName(newName, nullptr)) return 0;
  CComPtr<IQVFormContainer> forms = FormContainer();
  if (!forms || FAILED(forms->RenameForm(m_strName, newName))) {
    CQVExplorer::DisplayMessage(IDS_FORM_RENAME_TAKEN, IDS_RENAME_FORM, MB_ICONINFORMATION, nullptr);
    return 0;
  }
  const std::string oldName = m_strName;
  m_strName = newName;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IUnknown> root;
  if (document && SUCCEEDED(document->GetRootQVModel(&root))) {
    if (CComPtr<IQVFormWindows> windows = ComQuery<IQVFormWindows>(root)) {
      std::string ownerPath;
      MwInstance(m_pOwnerInstance.Get()).StringPath(ownerPath);
      windows->RenameForm(ownerPath, oldName, newName);
    }
  }
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
  return 1;
}
