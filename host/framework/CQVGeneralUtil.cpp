#include "host/framework/CQVGeneralUtil.h"

#include "platform/UserInterface.h"
#include "platform/Window.h"

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first characters of a long name, cut on a character boundary.
std::string Beginning(const std::string& name, std::size_t bytes) {
  std::size_t cut = bytes < name.size() ? bytes : name.size();
  while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut);
}

// Why name is not valid; empty when it is.
std::string Complaint(const std::string& name) {
  if (name.empty()) return "A name cannot be empty.";
  if (name.size() > CQVGeneralUtil::kMaxNameLength) {
    return "The name \"" + Beginning(name, 20) + "...\" is too long: a name has at most " +
           std::to_string(CQVGeneralUtil::kMaxNameLength) + " characters.";
  }
  if (!IsLetter(name[0])) return "The name \"" + name + "\" must begin with a letter or an underscore.";
  for (char c : name) {
    if (!IsLetter(c) && !IsDigit(c)) {
      return "The name \"" + name + "\" may contain only letters, digits and underscores.";
    }
  }
  return {};
}

}  // namespace

int CQVGeneralUtil::IsValidNameNoMessage(const std::string& name) { return Complaint(name).empty() ? 1 : 0; }

std::string CQVGeneralUtil::NameComplaint(const std::string& name) { return Complaint(name); }

int CQVGeneralUtil::IsValidName(const std::string& name, CWnd* window) {
  const std::string complaint = Complaint(name);
  if (complaint.empty()) return 1;
  CWnd* owner = window ? window : AfxGetMainWnd();
  MessageBox(owner ? owner->GetSafeHwnd() : nullptr, complaint, "Invalid Name", MB_OK | MB_ICONEXCLAMATION);
  return 0;
}
