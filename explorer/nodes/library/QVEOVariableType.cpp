#include "explorer/nodes/library/QVEOVariableType.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/TypeKinds.h"
#include "host/model/IQVPhysicalQuantity.h"
#include "host/services/IQVUOMConverter.h"

namespace {

const TypeLeafTraits kVariableTypeTraits = {IDS_VARIABLE_TYPE, IDI_VARIABLE_TYPE, &CF_EXPLORER_VARIABLE_TYPE,
                                            QV_KIND_VARIABLE_TYPE, "CompiledVariableTypeFolder"};

// The units the current unit set shows for quantity; empty when it has none.
std::string CurrentUnits(const std::string& quantity) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IQVUOMConverter> converter;
  QVPhysicalTypeUnits units;
  if (quantity.empty() || !document || FAILED(document->GetUOMConverter(&converter)) || !converter ||
      FAILED(converter->FindPhysicalType(quantity, &units)))
    return {};
  return units.displayUnit;
}

}  // namespace

CQVEOVariableType::CQVEOVariableType(IFInstance* instance, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(instance, owner, readOnly, kVariableTypeTraits) {}

CQVEOVariableType::CQVEOVariableType(IFTypeDesc* desc, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(desc, owner, readOnly, kVariableTypeTraits) {}

const GUID& CQVEOVariableType::ClassID() { return CLSID_QVEOVariableType; }

CExplorerObject* CQVEOVariableType::Clone() {
  return new CQVEOVariableType(m_pTypeDesc.Get(), GetOwner(), m_bReadOnly);
}

int CQVEOVariableType::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectPhysicalQuantity && aspect != EOAspectCurrentUnits)
    return CQVEOTypeLeaf::GetDisplayText(aspect, text);
  CComPtr<IQVPhysicalQuantity> quantity = ComQuery<IQVPhysicalQuantity>(HostType());
  std::string name;
  if (!quantity || FAILED(quantity->GetQuantityName(name))) return 0;
  if (aspect == EOAspectPhysicalQuantity) {
    text = name.empty() ? "-" : name;
  } else {
    text = CurrentUnits(name);
    if (text.empty()) text = " -";
  }
  return 1;
}

int CQVEOVariableType::GetSortVal(int column, std::string& value) {
  switch (column) {
    case 0:
      return GetDisplayText(EOAspectName, value);
    case 1:
      return GetDisplayText(EOAspectPhysicalQuantity, value);
    case 2:
      return GetDisplayText(EOAspectCurrentUnits, value);
    default:
      return 0;
  }
}
