#include <map>

#include "platform/Dialog.h"

namespace {

std::map<UINT, DialogTemplate>& Templates() {
  static std::map<UINT, DialogTemplate> templates;
  return templates;
}

}  // namespace

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Static: return "Static";
    case ControlKind::Edit: return "Edit";
    case ControlKind::PushButton: return "PushButton";
    case ControlKind::DefPushButton: return "DefPushButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::RadioButton: return "RadioButton";
    case ControlKind::GroupBox: return "GroupBox";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::CheckListBox: return "CheckListBox";
    case ControlKind::ScrollBar: return "ScrollBar";
    case ControlKind::RichEdit: return "RichEdit";
    case ControlKind::Icon: return "Icon";
  }
  return "Control";
}

// A template registered again replaces the earlier one; running dialogs keep
// the controls they were built with.
void RegisterDialogTemplate(DialogTemplate dialogTemplate) {
  UINT id = dialogTemplate.id;
  Templates()[id] = std::move(dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(UINT id) {
  auto it = Templates().find(id);
  return it == Templates().end() ? nullptr : &it->second;
}
