// The module's resources: string table, menus, accelerator tables and icons,
// each its own namespace of ids (13632 is both a string and a dialog template).
// The data is registered by the module that owns it at start-up.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Menu.h"
#include "platform/Types.h"

// --- string table ---
// Fills text with string id; false (text unchanged) when the id has no string.
bool LoadString(UINT id, std::string& text);
// The string, or empty when the id has none.
std::string LoadStringOrEmpty(UINT id);
void RegisterStrings(const std::map<UINT, std::string>& strings);
// Every registered string id (tests check that each id the program uses has its text).
std::vector<UINT> RegisteredStringIds();

// --- menus ---
// A menu resource in a small description form: a nested item list.
struct MenuResourceItem {
  UINT id = 0;                // 0 for separators and popups
  std::string text;           // empty for separators
  std::vector<MenuResourceItem> popup;  // non-empty (or isPopup) for popups
  bool isPopup = false;
  static MenuResourceItem Item(UINT id, std::string text) { return {id, std::move(text), {}, false}; }
  static MenuResourceItem Separator() { return {}; }
  static MenuResourceItem Popup(std::string text, std::vector<MenuResourceItem> items) {
    return {0, std::move(text), std::move(items), true};
  }
};
void RegisterMenu(UINT id, std::vector<MenuResourceItem> items);
const std::vector<MenuResourceItem>* FindMenuResource(UINT id);

// --- accelerators ---
void RegisterAccelerators(AcceleratorTable table);
const AcceleratorTable* LoadAccelerators(UINT id);

// --- icons ---
// Icon resources are named by id; the same id always gives the same handle.
// Pictures may be supplied as 32x32 and 16x16 RGBA pixels (icons drawn by the
// host); a resource icon without pixels is drawn by the desktop program from its id.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row-major
};
struct IconData {
  UINT resourceId = 0;  // 0 for icons made from pixels
  std::string name;     // what the icon stands for ("Model", "Library") for peers and descriptions
  IconImage large;      // may be empty
  IconImage small;      // may be empty
};
void RegisterIconResource(UINT id, const std::string& name);
// The handle of icon resource id, or null when the module has no such icon.
HICON LoadIcon(UINT id);
// A new icon made from pictures (each call gives a new handle).
HICON CreateIconFromImages(const std::string& name, IconImage large, IconImage small);
const IconData* GetIconData(HICON icon);
bool DestroyIcon(HICON icon);
std::vector<UINT> RegisteredIconIds();
