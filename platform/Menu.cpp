#include "platform/Menu.h"

#include <algorithm>

#include "platform/Command.h"
#include "platform/Resources.h"
#include "platform/UserInterface.h"
#include "platform/Window.h"

namespace {

void Build(CMenu& menu, const std::vector<MenuResourceItem>& items) {
  for (const auto& item : items) {
    if (item.isPopup) {
      auto popup = std::make_shared<CMenu>();
      popup->CreatePopupMenu();
      Build(*popup, item.popup);
      menu.AppendPopup(item.text, popup);
    } else if (item.text.empty() && item.id == 0) {
      menu.AppendMenu(MF_SEPARATOR);
    } else {
      menu.AppendMenu(MF_STRING, item.id, item.text);
    }
  }
}

}  // namespace

bool CMenu::CreatePopupMenu() {
  m_items.clear();
  m_created = true;
  return true;
}

bool CMenu::LoadMenu(UINT resourceId) {
  const auto* resource = FindMenuResource(resourceId);
  if (!resource) return false;
  CreatePopupMenu();
  Build(*this, *resource);
  return true;
}

bool CMenu::DestroyMenu() {
  m_items.clear();
  bool was = m_created;
  m_created = false;
  return was;
}

bool CMenu::AppendMenu(UINT flags, UINT id, const std::string& text) {
  if (!m_created) return false;
  MenuItem item;
  item.flags = flags & ~MF_POPUP;
  item.id = (flags & MF_SEPARATOR) ? 0 : id;
  item.text = (flags & MF_SEPARATOR) ? std::string() : text;
  m_items.push_back(std::move(item));
  return true;
}

bool CMenu::AppendPopup(const std::string& text, std::shared_ptr<CMenu> popup, UINT flags) {
  if (!m_created || !popup) return false;
  MenuItem item;
  item.flags = flags | MF_POPUP;
  item.text = text;
  item.popup = std::move(popup);
  m_items.push_back(std::move(item));
  return true;
}

bool CMenu::InsertMenu(UINT position, UINT flags, UINT id, const std::string& text) {
  if (!m_created || position > m_items.size()) return false;
  MenuItem item;
  item.flags = flags & ~(MF_POPUP | MF_BYPOSITION);
  item.id = (flags & MF_SEPARATOR) ? 0 : id;
  item.text = (flags & MF_SEPARATOR) ? std::string() : text;
  m_items.insert(m_items.begin() + position, std::move(item));
  return true;
}

bool CMenu::RemoveMenu(UINT item, UINT flags) {
  if (flags & MF_BYPOSITION) {
    if (item >= m_items.size()) return false;
    m_items.erase(m_items.begin() + item);
    return true;
  }
  for (auto it = m_items.begin(); it != m_items.end(); ++it) {
    if (!it->IsPopup() && !it->IsSeparator() && it->id == item) {
      m_items.erase(it);
      return true;
    }
    if (it->IsPopup() && it->popup->RemoveMenu(item, flags)) return true;
  }
  return false;
}

UINT CMenu::GetMenuItemID(int position) const {
  if (position < 0 || position >= GetMenuItemCount()) return static_cast<UINT>(-1);
  const MenuItem& item = m_items[position];
  if (item.IsPopup()) return static_cast<UINT>(-1);
  return item.id;
}

CMenu* CMenu::GetSubMenu(int position) const {
  if (position < 0 || position >= GetMenuItemCount()) return nullptr;
  return m_items[position].IsPopup() ? m_items[position].popup.get() : nullptr;
}

const MenuItem* CMenu::FindItem(UINT item, UINT flags) const {
  return const_cast<CMenu*>(this)->FindItem(item, flags);
}

MenuItem* CMenu::FindItem(UINT item, UINT flags) {
  if (flags & MF_BYPOSITION) return item < m_items.size() ? &m_items[item] : nullptr;
  for (auto& entry : m_items) {
    if (entry.IsPopup()) {
      if (MenuItem* found = entry.popup->FindItem(item, flags)) return found;
    } else if (!entry.IsSeparator() && entry.id == item) {
      return &entry;
    }
  }
  return nullptr;
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const {
  const MenuItem* found = FindItem(item, flags);
  return found ? found->text : std::string();
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
  const MenuItem* found = FindItem(item, flags);
  return found ? found->flags : static_cast<UINT>(-1);
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
  MenuItem* found = FindItem(item, flags);
  if (!found) return static_cast<UINT>(-1);
  UINT previous = found->flags & (MF_GRAYED | MF_DISABLED);
  found->flags = (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return previous;
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
  MenuItem* found = FindItem(item, flags);
  if (!found) return static_cast<UINT>(-1);
  UINT previous = found->flags & MF_CHECKED;
  found->flags = (found->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
  return previous;
}

bool CMenu::SetDefaultItem(UINT item, bool byPosition) {
  MenuItem* found = FindItem(item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
  if (!found) return false;
  for (auto& entry : m_items) entry.flags &= ~MF_DEFAULT;
  found->flags |= MF_DEFAULT;
  return true;
}

UINT CMenu::GetDefaultItem() const {
  for (const auto& entry : m_items) {
    if (entry.flags & MF_DEFAULT) return entry.id;
  }
  return static_cast<UINT>(-1);
}

void CMenu::UpdateState(CWnd* owner) {
  if (!owner) return;
  for (auto& entry : m_items) {
    if (entry.IsPopup()) {
      entry.popup->UpdateState(owner);
      continue;
    }
    if (entry.IsSeparator()) continue;
    CCmdUI ui(entry.id);
    if (!owner->OnCmdMsg(entry.id, CN_UPDATE_COMMAND_UI, &ui)) continue;  // keep the item's own state
    entry.flags = (entry.flags & ~(MF_GRAYED | MF_DISABLED | MF_CHECKED)) | (ui.IsEnabled() ? 0 : MF_GRAYED) |
                  (ui.GetCheck() ? MF_CHECKED : 0);
    if (ui.GetText()) entry.text = *ui.GetText();
  }
}

UINT CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) {
  if (!m_created) return 0;
  if (!(flags & TPM_NONOTIFY)) UpdateState(owner);
  HWND ownerHandle = owner ? owner->m_hWnd : nullptr;
  UINT chosen = UI().ChooseFromMenu(*this, CPoint(x, y), owner);
  if (flags & TPM_RETURNCMD) return chosen;
  if (chosen && IsWindow(ownerHandle)) ::PostMessage(ownerHandle, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen), 0), 0);
  return chosen ? 1 : 0;
}

std::string PlainMenuText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\t') break;
    if (c == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += c;
  }
  return out;
}

UINT AcceleratorTable::Find(UINT key, bool shift, bool control, bool alt) const {
  for (const auto& a : entries) {
    if (a.key != key) continue;
    if (((a.flags & FSHIFT) != 0) != shift) continue;
    if (((a.flags & FCONTROL) != 0) != control) continue;
    if (((a.flags & FALT) != 0) != alt) continue;
    return a.command;
  }
  return 0;
}

std::string AcceleratorTable::KeyText(const Accelerator& a) {
  std::string text;
  if (a.flags & FCONTROL) text += "Ctrl+";
  if (a.flags & FALT) text += "Alt+";
  if (a.flags & FSHIFT) text += "Shift+";
  if (a.key >= VK_F1 && a.key <= VK_F12) return text + "F" + std::to_string(a.key - VK_F1 + 1);
  switch (a.key) {
    case VK_RETURN: return text + "Enter";
    case VK_DELETE: return text + "Del";
    case VK_INSERT: return text + "Insert";
    case VK_TAB: return text + "Tab";
    case VK_APPS: return text + "Apps";
    case VK_ESCAPE: return text + "Esc";
    default: break;
  }
  if ((a.key >= '0' && a.key <= '9') || (a.key >= 'A' && a.key <= 'Z')) return text + static_cast<char>(a.key);
  return text + "Key" + std::to_string(a.key);
}

namespace {

// Keys with a name of their own, by the upper-case name.
UINT NamedKey(const std::string& name) {
  static const std::pair<const char*, UINT> kNames[] = {
      {"ENTER", VK_RETURN}, {"RETURN", VK_RETURN}, {"DEL", VK_DELETE}, {"DELETE", VK_DELETE},
      {"INSERT", VK_INSERT}, {"INS", VK_INSERT},   {"TAB", VK_TAB},    {"APPS", VK_APPS},
      {"ESC", VK_ESCAPE},    {"ESCAPE", VK_ESCAPE}, {"SPACE", VK_SPACE}, {"BACKSPACE", VK_BACK},
      {"UP", VK_UP},         {"DOWN", VK_DOWN},     {"LEFT", VK_LEFT},   {"RIGHT", VK_RIGHT},
      {"MULTIPLY", VK_MULTIPLY},
  };
  for (const auto& [text, key] : kNames)
    if (name == text) return key;
  if (name.size() == 1 && ((name[0] >= '0' && name[0] <= '9') || (name[0] >= 'A' && name[0] <= 'Z'))) return name[0];
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' &&
      std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const int number = std::stoi(name.substr(1));
    if (number >= 1 && number <= 12) return VK_F1 + static_cast<UINT>(number - 1);
  }
  return 0;
}

}  // namespace

bool AcceleratorTable::ParseKeyText(const std::string& text, Accelerator& key) {
  std::string upper;
  for (char c : text) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  Accelerator parsed;
  std::size_t start = 0;
  for (;;) {
    const std::size_t plus = upper.find('+', start + 1);  // "Ctrl++" is not a key; a lone "+" neither
    const std::string part = upper.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
    if (plus == std::string::npos) {
      parsed.key = NamedKey(part);
      if (!parsed.key) return false;
      key = parsed;
      return true;
    }
    if (part == "CTRL" || part == "CONTROL") {
      parsed.flags |= FCONTROL;
    } else if (part == "ALT") {
      parsed.flags |= FALT;
    } else if (part == "SHIFT") {
      parsed.flags |= FSHIFT;
    } else {
      return false;
    }
    start = plus + 1;
  }
}
