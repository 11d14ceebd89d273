// What the sheets with a User Notes page share: notes that were refused ask
// for the sheet to be shown again on the notes page, so the text can be
// mended and nothing is lost; and the buttons are OK and Cancel only.
#pragma once

#include <string>

#include "platform/PropertySheet.h"

class CQVNotesPropertySheet : public CPropertySheet {
 public:
  using CPropertySheet::CPropertySheet;

  // Called by the notes page while the sheet closes: show it again on that page.
  void SetReopen() { m_bReopen = true; }
  bool IsReopenSet() const { return m_bReopen; }

  // Apply and Help hidden; Cancel shown and enabled; OK shown as "OK".
  bool OnInitDialog() override;

 protected:
  // Shows the sheet until it closes without a request to reopen; each reopening
  // starts on page notesPage. The result of the last showing.
  INT_PTR RunReopening(int notesPage);

 private:
  bool m_bReopen = false;
};
