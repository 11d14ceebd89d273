#include "explorer/nodes/diagnostics/QVEOWarning.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

CQVEOWarning::CQVEOWarning(CWnd* owner, std::string message)
    : CExplorerObject(ForType{}, nullptr, IDI_WARNING, IDI_WARNING, owner, 0), m_message(std::move(message)) {}

const GUID& CQVEOWarning::ClassID() { return CLSID_QVEOWarning; }

int CQVEOWarning::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_WARNING);
  return !name.empty();
}

CExplorerObject* CQVEOWarning::Clone() { return new CQVEOWarning(GetOwner(), m_message); }

int CQVEOWarning::GetDisplayText(EOAspect aspect, std::string& text) {
  text = aspect == EOAspectName ? m_message : std::string();
  return 1;
}
