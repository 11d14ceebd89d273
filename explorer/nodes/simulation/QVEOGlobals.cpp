#include "explorer/nodes/simulation/QVEOGlobals.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/QVEOFormInstance.h"
#include "explorer/resources/StringIds.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"
#include "host/model/IRModelType.h"

CQVEOGlobals::CQVEOGlobals(IFInstance* simulationType, CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOTopLevelFolder(simulationType, exclusionList, owner, IDS_GLOBALS) {}

const GUID& CQVEOGlobals::ClassID() { return CLSID_QVEOGlobals; }

CExplorerObject* CQVEOGlobals::Clone() { return new CQVEOGlobals(m_pType, GetOwner(), m_pExclusionList); }

void CQVEOGlobals::AddRows(CListCtrl& list) {
  IFInstance* simulationType = GetType();
  if (!simulationType) return;
  if (!IsExcluded(CQVEOAddGlobalTable::ClassID())) AddRow(list, new CQVEOAddGlobalTable(simulationType, GetOwner()));
  if (IsExcluded(CQVEOFormInstance::ClassID())) return;
  // The global tables are the forms of the simulation's own type.
  CComPtr<IRModelType> model = ComQuery<IRModelType>(type_access::DescriptorOfInstance(simulationType));
  CComPtr<IQVFormContainer> forms;
  if (!model || FAILED(model->GetForms(&forms)) || !forms) forms = ComQuery<IQVFormContainer>(type_access::TypeOf(simulationType));
  int count = 0;
  if (!forms || FAILED(forms->GetFormCount(&count))) return;
  for (int i = 0; i < count; ++i) {
    CComPtr<IQVFormDef> form;
    if (SUCCEEDED(forms->GetForm(i, &form)) && form)
      AddRow(list, new CQVEOFormInstance(form, this, simulationType, 1, GetOwner(), m_bReadOnly));
  }
}
