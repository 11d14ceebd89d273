// The properties of a component list: its General page (the name) and its
// User Notes page, kept by the physical-properties configuration under the
// list's name.
#pragma once

#include <memory>
#include <string>

#include "explorer/dialogs/QVNotesPropertySheet.h"
#include "host/com/ComPtr.h"
#include "host/services/IQVPhysicalProperties.h"

class CQVPropPageNamedObjectGeneral;
class CQVPropPageUserNotes;

class CQVComponentListPropertySheet : public CQVNotesPropertySheet {
 public:
  CQVComponentListPropertySheet(UINT captionId, IQVPhysicalProperties* componentLists, const std::string& name,
                                CWnd* parent = nullptr);
  ~CQVComponentListPropertySheet() override;

  // Runs the sheet, again on the notes page while notes are refused.
  INT_PTR DoModal() override;

 private:
  CComPtr<IQVPhysicalProperties> m_pComponentLists;
  std::string m_strName;
  std::unique_ptr<CQVPropPageNamedObjectGeneral> m_generalPage;
  std::unique_ptr<CQVPropPageUserNotes> m_notesPage;
};
