// Names for copies: a free "Copy_of_" name, asked of the user when the wanted
// name is taken, and the header name inside a copied definition's text.
#include <cctype>

#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/resources/StringIds.h"
#include "platform/TextCompare.h"

namespace {

// "Copy_of_Tank", then "Copy2_of_Tank", "Copy3_of_Tank" ...
std::string CopyName(int attempt, const std::string& wanted) {
  if (attempt == 1) return "Copy_of_" + wanted;
  return "Copy" + std::to_string(attempt) + "_of_" + wanted;
}

// A name is taken when palette itself holds a type of that name (one seen
// through a used library does not count).
bool TakenIn(IFTypePalette* palette, const std::string& name) {
  CComPtr<IFTypeDesc> found = type_access::Find(palette, name);
  return found && type_access::HeldBy(found, palette);
}

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
// Past blanks and comments: a type's text may begin with the comment written above it.
std::size_t SkipBlanksAndComments(const std::string& text, std::size_t at) {
  for (;;) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (text.compare(at, 2, "//") == 0) {
      at = text.find('\n', at);
      if (at == std::string::npos) return text.size();
    } else if (text.compare(at, 2, "/*") == 0) {
      at = text.find("*/", at + 2);
      if (at == std::string::npos) return text.size();
      at += 2;
    } else {
      return at;
    }
  }
}

bool IsNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

}  // namespace

int CQVExplorer::GenerateName(IFTypePalette* palette, const std::string& wanted, std::string& result) {
  result = wanted;
  int attempt = 0;
  while (TakenIn(palette, result)) result = CopyName(++attempt, wanted);
  if (attempt == 0) return 1;
  CQVExplorerObjectNameDialog dialog(IDS_NAME_ITEM_COPY, nullptr);
  dialog.m_strName = result;
  for (;;) {
    if (dialog.DoModal() != IDOK) return 0;
    if (!TakenIn(palette, dialog.m_strName)) {
      result = dialog.m_strName;
      return 1;
    }
    DisplayMessage(IDS_COPY_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  }
}

std::string CQVExplorer::ChangeNameinText(const std::string& text, const std::string& oldName,
                                          const std::string& newName) {
  std::size_t at = SkipBlanksAndComments(text, 0);    // blanks and comments before the keyword
  while (at < text.size() && !IsBlank(text[at])) ++at;  // the keyword
  while (at < text.size() && IsBlank(text[at])) ++at;   // blanks after it
  if (oldName.empty() || text.size() - at < oldName.size()) return text;
  if (CompareNoCase(text.substr(at, oldName.size()), oldName) != 0) return text;
  // Only the whole name: renaming Tank must not turn "TankFarm" into "Tank2Farm".
  const std::size_t after = at + oldName.size();
  if (after < text.size() && IsNameCharacter(text[after])) return text;
  return text.substr(0, at) + newName + text.substr(after);
}
