// Menus and accelerator tables. A menu is a list of items, separators and
// popups with enabled, checked and default state. Tracking a popup asks the
// user-interface provider which item the user picked.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Types.h"

class CWnd;

// Item flags.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;

// TrackPopupMenu flags.
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu;

struct MenuItem {
  UINT id = 0;           // command id; 0 for separators and popups
  std::string text;      // as shown, with '&' marks and a tab before the accelerator
  UINT flags = 0;        // MF_GRAYED, MF_CHECKED, MF_SEPARATOR, MF_POPUP, MF_DEFAULT
  std::shared_ptr<CMenu> popup;

  bool IsSeparator() const { return flags & MF_SEPARATOR; }
  bool IsPopup() const { return flags & MF_POPUP; }
  bool IsEnabled() const { return !(flags & (MF_GRAYED | MF_DISABLED)); }
  bool IsChecked() const { return flags & MF_CHECKED; }
};

class CMenu {
 public:
  CMenu() = default;
  virtual ~CMenu() = default;

  // A fresh empty popup menu.
  bool CreatePopupMenu();
  bool CreateMenu() { return CreatePopupMenu(); }
  // Copies menu resource id; false when the resource does not exist.
  bool LoadMenu(UINT resourceId);
  bool DestroyMenu();
  bool IsCreated() const { return m_created; }

  bool AppendMenu(UINT flags, UINT id = 0, const std::string& text = {});
  bool AppendPopup(const std::string& text, std::shared_ptr<CMenu> popup, UINT flags = 0);
  bool InsertMenu(UINT position, UINT flags, UINT id, const std::string& text);  // MF_BYPOSITION only
  bool RemoveMenu(UINT item, UINT flags);
  bool DeleteMenu(UINT item, UINT flags) { return RemoveMenu(item, flags); }

  int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
  // The command id at position, 0 for a separator, (UINT)-1 for a popup or a bad position.
  UINT GetMenuItemID(int position) const;
  CMenu* GetSubMenu(int position) const;
  std::string GetMenuString(UINT item, UINT flags) const;
  UINT GetMenuState(UINT item, UINT flags) const;  // (UINT)-1 when there is no such item

  // Return the previous state, or (UINT)-1 when the item does not exist. Search by command covers popups.
  UINT EnableMenuItem(UINT item, UINT flags);
  UINT CheckMenuItem(UINT item, UINT flags);
  bool SetDefaultItem(UINT item, bool byPosition = false);
  UINT GetDefaultItem() const;  // command id, or (UINT)-1

  const std::vector<MenuItem>& Items() const { return m_items; }

  // Shows the menu at a screen point. Unless TPM_NONOTIFY is given, each item's
  // state is first brought up to date by asking owner's command routing.
  // The provider picks an item. With TPM_RETURNCMD the chosen id is returned
  // (0 when nothing was chosen); otherwise WM_COMMAND is posted to owner and
  // the result is nonzero when something was chosen.
  UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner);

  // Brings item state up to date from owner's command routing (enable, check).
  void UpdateState(CWnd* owner);

 private:
  MenuItem* FindItem(UINT item, UINT flags);
  const MenuItem* FindItem(UINT item, UINT flags) const;

  std::vector<MenuItem> m_items;
  bool m_created = false;
};

// The menu text as a person reads it: '&' marks removed ("&&" gives "&") and
// the accelerator after the tab dropped. "P&roperties...\tAlt+Enter" -> "Properties...".
std::string PlainMenuText(const std::string& text);

// Accelerators.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct Accelerator {
  BYTE flags = FVIRTKEY;  // FSHIFT, FCONTROL, FALT
  UINT key = 0;           // virtual key
  UINT command = 0;
};

struct AcceleratorTable {
  UINT id = 0;
  std::vector<Accelerator> entries;
  // The command for key with the given modifiers, or 0.
  UINT Find(UINT key, bool shift, bool control, bool alt) const;
  // "Ctrl+Shift+S" style text for an entry.
  static std::string KeyText(const Accelerator& a);
  // The key that text names, read as KeyText writes it and without regard to
  // case ("Ctrl+X", "del", "Shift+F1"; also "Delete", "Escape", "Return",
  // "Up", "Space", "Backspace", "Multiply"). False when text names no key.
  static bool ParseKeyText(const std::string& text, Accelerator& key);
};
