#include "explorer/nodes/library/QVExplorerFormHolder.h"

#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/resources/StringIds.h"
#include "host/model/IQVFormDef.h"
#include "host/store/HostClassIds.h"
#include "host/store/Status.h"
#include "platform/TextCompare.h"

CQVExplorerFormHolder::CQVExplorerFormHolder(IUnknown* owner) {
  m_pForms = ComQuery<IQVFormContainer>(owner);
  if (!m_pForms) m_pForms = ComQuery<IQVFormContainer>(type_access::TypeOf(owner));
}

std::string CQVExplorerFormHolder::FormDefinitionText(REFCLSID kind, const std::string& extra) {
  if (kind == CLSID_QVCustomForm) return "{\nControlProgId : " + extra + "\n}\n";
  if (kind == CLSID_QVPlotForm || kind == CLSID_QVProfileForm) {
    const bool history = CompareNoCase(extra, "History") == 0;
    return history ? "{\nDisplayAs : History\n}\n" : "{\nDisplayAs : Plot\n}\n";
  }
  return {};
}

bool CQVExplorerFormHolder::CreateForm(const std::string& name, REFCLSID kind, DWORD flags,
                                       const std::string& extra) {
  if (!m_pForms) return false;
  CComPtr<IQVFormDef> form;
  HRESULT hr = m_pForms->CreateForm(name, kind, flags, FormDefinitionText(kind, extra), &form);
  if (hr == FE_NAMEEXISTS) {
    CQVExplorer::SetName(name);  // the message names the form asked for
    CQVExplorer::DisplayMessage(IDS_FORM_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
    return false;
  }
  return SUCCEEDED(hr);
}
