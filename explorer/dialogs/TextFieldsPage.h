// A property page that shows texts in its fields: each text is set before the
// page is shown and exchanged with its control by id.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/PropertySheet.h"

class CTextFieldsPage : public CPropertyPage {
 public:
  using CPropertyPage::CPropertyPage;

  // The text of field id (empty when the page has none for it).
  std::string FieldText(int id) const;

 protected:
  void SetFieldText(int id, std::string text);
  void DoDataExchange(CDataExchange* dx) override;

 private:
  std::vector<std::pair<int, std::string>> m_fields;
};
