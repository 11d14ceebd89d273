#include "explorer/dialogs/TextFieldsPage.h"

std::string CTextFieldsPage::FieldText(int id) const {
  for (const auto& [fieldId, text] : m_fields) {
    if (fieldId == id) return text;
  }
  return {};
}

void CTextFieldsPage::SetFieldText(int id, std::string text) {
  for (auto& [fieldId, current] : m_fields) {
    if (fieldId == id) {
      current = std::move(text);
      return;
    }
  }
  m_fields.emplace_back(id, std::move(text));
}

void CTextFieldsPage::DoDataExchange(CDataExchange* dx) {
  for (auto& [id, text] : m_fields) DDX_Text(dx, id, text);
}
