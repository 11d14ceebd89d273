#include "explorer/dialogs/QVComponentListPropertySheet.h"

#include "explorer/dialogs/QVPropPageNamedObjectGeneral.h"
#include "explorer/dialogs/QVPropPageUserNotes.h"

namespace {
constexpr int kComponentListNotesPage = 1;
}  // namespace

CQVComponentListPropertySheet::CQVComponentListPropertySheet(UINT captionId, IQVPhysicalProperties* componentLists,
                                                             const std::string& name, CWnd* parent)
    : CQVNotesPropertySheet(captionId, parent), m_pComponentLists(componentLists), m_strName(name) {}

CQVComponentListPropertySheet::~CQVComponentListPropertySheet() = default;

INT_PTR CQVComponentListPropertySheet::DoModal() {
  if (!m_generalPage) {
    m_generalPage = std::make_unique<CQVPropPageNamedObjectGeneral>(m_strName, std::string(), 0);
    m_notesPage = std::make_unique<CQVPropPageUserNotes>(m_pComponentLists.Get(), m_strName);
    AddPage(m_generalPage.get());
    AddPage(m_notesPage.get());
  }
  return RunReopening(kComponentListNotesPage);
}
