// Small builders for the controls of dialog templates (the module's and the host's).
#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.h"

namespace template_controls {

// A rectangle in dialog units from its top-left corner and size.
inline CRect At(int x, int y, int width, int height) { return CRect(x, y, x + width, y + height); }

inline ControlTemplate Control(ControlKind kind, int id, std::string text, CRect rect, DWORD style = 0) {
  ControlTemplate control;
  control.kind = kind;
  control.id = id;
  control.text = std::move(text);
  control.rect = rect;
  control.style = WS_CHILD | WS_VISIBLE | style;
  return control;
}

inline ControlTemplate Label(std::string text, CRect rect, int id = -1) {
  return Control(ControlKind::Static, id, std::move(text), rect);
}

inline ControlTemplate GroupBox(std::string text, CRect rect) {
  return Control(ControlKind::GroupBox, -1, std::move(text), rect);
}

inline ControlTemplate Edit(int id, CRect rect, DWORD style = 0) {
  return Control(ControlKind::Edit, id, "", rect, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | style);
}

// A value shown for reading only.
inline ControlTemplate ReadOnlyField(int id, CRect rect) { return Edit(id, rect, ES_READONLY); }

inline ControlTemplate Button(int id, std::string text, CRect rect, DWORD style = 0) {
  return Control(ControlKind::PushButton, id, std::move(text), rect, WS_TABSTOP | style);
}

inline ControlTemplate DefaultButton(int id, std::string text, CRect rect, DWORD style = 0) {
  return Control(ControlKind::DefPushButton, id, std::move(text), rect, BS_DEFPUSHBUTTON | WS_TABSTOP | style);
}

// The first radio button of a group carries WS_GROUP; so does the first control after the group.
inline ControlTemplate Radio(int id, std::string text, CRect rect, DWORD style = 0) {
  return Control(ControlKind::RadioButton, id, std::move(text), rect, BS_AUTORADIOBUTTON | WS_TABSTOP | style);
}

inline ControlTemplate CheckBox(int id, std::string text, CRect rect) {
  return Control(ControlKind::CheckBox, id, std::move(text), rect, BS_AUTOCHECKBOX | WS_TABSTOP);
}

// The control created hidden.
inline ControlTemplate Hidden(ControlTemplate control) {
  control.style &= ~WS_VISIBLE;
  return control;
}

// List items "0", "1", ... up to count - 1.
inline std::vector<std::string> NumberedItems(int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(std::to_string(i));
  return items;
}

}  // namespace template_controls
