// The Custom Modeling Properties sheet: the Folder Properties page over the
// user folders of an Explorer's Custom Modeling, with OK and Cancel only.
// OK is refused, with a message, while two folders share a description.
#pragma once

#include <string>

#include "explorer/dialogs/FolderProperties.h"
#include "platform/PropertySheet.h"

class CCustomModelingProperties : public CPropertySheet {
 public:
  // owner: the Explorer window whose tree shows the folders; they are read at once.
  CCustomModelingProperties(const std::string& caption, CWnd* owner);

  CFolderProperties& FolderPage() { return m_folderPage; }
  // Help and Apply hidden.
  bool OnInitDialog() override;

 protected:
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  CFolderProperties m_folderPage;
};
