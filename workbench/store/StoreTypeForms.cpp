// The forms a model-like type or the simulation owns.
#include "host/framework/CQVGeneralUtil.h"
#include "host/store/HostClassIds.h"
#include "host/store/Status.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/FormNames.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/StoreTypeExtras.h"

namespace {

bool IsValidFormName(const std::string& name) {
  return name == kModelHelpForm || CQVGeneralUtil::IsValidNameNoMessage(name);
}

}  // namespace

void CStoreType::EnsureForms() {
  if (More().formsMade) return;
  More().formsMade = true;
  if (!IsModelLike(m_kind) && m_kind != StoreKind::Simulation) return;
  const std::string_view system = m_kind == StoreKind::Simulation ? kAllGlobalsForm : kAllVariablesForm;
  CComPtr<CStoreType> form = MakeComObject<CStoreType>(StoreKind::Form, std::string(system));
  form->SetOwnerType(this);
  More().forms.push_back(form);
  if (m_kind == StoreKind::Flowsheet) {
    CComPtr<CStoreType> local = MakeComObject<CStoreType>(StoreKind::Form, std::string(kLocalVariablesForm));
    local->SetOwnerType(this);
    More().forms.push_back(local);
  }
  if (More().defaultForm.empty()) More().defaultForm = std::string(system);
}

const std::vector<CComPtr<CStoreType>>& CStoreType::Forms() {
  EnsureForms();
  return More().forms;
}

CStoreType* CStoreType::FindForm(std::string_view name) {
  for (const auto& form : Forms())
    if (EqualsNoCase(form->Name(), name)) return form;
  return nullptr;
}

HRESULT CStoreType::AddForm(const std::string& name, REFCLSID formClass, const std::string& text,
                            CStoreType** form) {
  if (form) *form = nullptr;
  if (!IsModelLike(m_kind) && m_kind != StoreKind::Simulation) return E_NOINTERFACE;
  if (!IsUsable()) return FE_STALE;
  if (IsInReadOnlyLibrary()) return FE_READONLY;
  if (!IsFormClass(formClass)) return E_INVALIDARG;
  if (!IsValidFormName(name)) return FE_INVALIDNAME;
  if (FindForm(name)) return FE_NAMEEXISTS;
  CComPtr<CStoreType> made = MakeComObject<CStoreType>(StoreKind::Form, name);
  made->SetFormClass(formClass);
  made->SetOwnerType(this);
  made->SetText(text);
  More().forms.push_back(made);
  if (form) *form = made.Detach();
  return S_OK;
}

HRESULT CStoreType::RemoveForm(std::string_view name) {
  if (!IsUsable()) return FE_STALE;
  if (IsInReadOnlyLibrary()) return FE_READONLY;
  CStoreType* form = FindForm(name);
  if (!form) return FE_NOTFOUND;
  if (IsSystemFormName(form->Name())) return FE_READONLY;
  const bool wasDefault = EqualsNoCase(More().defaultForm, form->Name());
  form->MarkDeleted();
  std::erase_if(More().forms, [&](const CComPtr<CStoreType>& f) { return f.Get() == form; });
  if (wasDefault) More().defaultForm = m_kind == StoreKind::Simulation ? kAllGlobalsForm : kAllVariablesForm;
  return S_OK;
}

HRESULT CStoreType::RenameForm(std::string_view oldName, const std::string& newName) {
  if (!IsUsable()) return FE_STALE;
  if (IsInReadOnlyLibrary()) return FE_READONLY;
  CStoreType* form = FindForm(oldName);
  if (!form) return FE_NOTFOUND;
  if (IsSystemFormName(form->Name()) || form->Name() == kModelHelpForm) return FE_READONLY;
  if (!CQVGeneralUtil::IsValidNameNoMessage(newName)) return FE_INVALIDNAME;
  CStoreType* other = FindForm(newName);
  if (other && other != form) return FE_NAMEEXISTS;
  if (EqualsNoCase(More().defaultForm, form->Name())) More().defaultForm = newName;
  form->SetName(newName, false);
  return S_OK;
}

const std::string& CStoreType::DefaultFormName() {
  EnsureForms();
  return More().defaultForm;
}

HRESULT CStoreType::SetDefaultFormName(const std::string& name) {
  if (!IsUsable()) return FE_STALE;
  CStoreType* form = FindForm(name);
  if (!form) return FE_NOTFOUND;
  More().defaultForm = form->Name();
  return S_OK;
}
