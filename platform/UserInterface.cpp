#include "platform/UserInterface.h"

#include <cstdio>

#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "platform/Menu.h"
#include "platform/Ole.h"
#include "platform/PropertySheet.h"

namespace {

ScriptedUserInterface& StandIn() {
  static ScriptedUserInterface standIn;
  return standIn;
}

IUserInterface* g_provider = nullptr;
std::string g_caption = "Vortan Simulation Explorer";

std::vector<int> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
  }
}

// What closing a box without choosing gives: Cancel when there is one, else No, else OK.
int DismissResult(UINT type) {
  auto buttons = ButtonsOf(type);
  for (int b : {IDCANCEL, IDNO, IDOK}) {
    for (int have : buttons) {
      if (have == b) return b;
    }
  }
  return buttons.front();
}

const char* ButtonName(int button) {
  switch (button) {
    case IDOK: return "ok";
    case IDCANCEL: return "cancel";
    case IDYES: return "yes";
    case IDNO: return "no";
    case IDABORT: return "abort";
    case IDRETRY: return "retry";
    case IDIGNORE: return "ignore";
    default: return "button";
  }
}

// Depth-first search of enabled items by plain text or command id.
UINT FindMenuCommand(const CMenu& menu, const std::string& text, UINT command) {
  for (const auto& item : menu.Items()) {
    if (item.IsSeparator()) continue;
    if (item.IsPopup()) {
      if (UINT found = FindMenuCommand(*item.popup, text, command)) return found;
      continue;
    }
    if (!item.IsEnabled()) continue;
    if (command ? item.id == command : PlainMenuText(item.text) == text) return item.id;
  }
  return 0;
}

void DescribeMenu(const CMenu& menu, const std::string& indent, std::vector<std::string>& out) {
  for (const auto& item : menu.Items()) {
    if (item.IsSeparator()) {
      out.push_back(indent + "-");
    } else if (item.IsPopup()) {
      out.push_back(indent + item.text);
      DescribeMenu(*item.popup, indent + "  ", out);
    } else {
      out.push_back(indent + item.text + (item.IsEnabled() ? "" : " (disabled)"));
    }
  }
}

CDialogItem* FirstEdit(CDialog& dialog) {
  for (CDialogItem* item : dialog.Items()) {
    if ((item->Kind() == ControlKind::Edit || item->Kind() == ControlKind::RichEdit) && item->IsWindowVisible())
      return item;
  }
  return nullptr;
}

}  // namespace

IUserInterface& UI() { return g_provider ? *g_provider : StandIn(); }

IUserInterface* SetUserInterface(IUserInterface* provider) {
  IUserInterface* previous = g_provider;
  g_provider = provider;
  return previous;
}

std::string UiAnswer::Describe() const {
  switch (kind) {
    case Kind::Button: return ButtonName(button);
    case Kind::Name: return "name " + text;
    case Kind::File: return "file " + text;
    case Kind::Menu: return command ? "menu command " + std::to_string(command) : "menu " + text;
    case Kind::Dialog: return "dialog action";
    case Kind::Sheet: return "sheet action";
    case Kind::Drag: return "drag";
    case Kind::Label: return "label " + text;
  }
  return "answer";
}

// ---------------------------------------------------------------- scripted provider

ScriptedUserInterface::ScriptedUserInterface() {
  onProblem = [](const std::string& problem) { std::fprintf(stderr, "user interface: %s\n", problem.c_str()); };
}

ScriptedUserInterface::~ScriptedUserInterface() = default;

void ScriptedUserInterface::Queue(UiAnswer answer) { m_answers.push_back(std::move(answer)); }

void ScriptedUserInterface::AnswerButton(int button) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Button;
  a.button = button;
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerName(const std::string& text) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Name;
  a.text = text;
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerFile(const std::string& path) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::File;
  a.text = path;
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerMenu(const std::string& itemText) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Menu;
  a.text = itemText;
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerMenuCommand(UINT command) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Menu;
  a.command = command;
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerDialog(std::function<void(CDialog&)> action) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Dialog;
  a.dialogAction = std::move(action);
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerSheet(std::function<void(CPropertySheet&)> action) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Sheet;
  a.sheetAction = std::move(action);
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerDrag(const DragAnswer& drag) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Drag;
  a.drag = drag;
  Queue(std::move(a));
}

void ScriptedUserInterface::AnswerLabel(const std::string& text) {
  UiAnswer a;
  a.kind = UiAnswer::Kind::Label;
  a.text = text;
  Queue(std::move(a));
}

void ScriptedUserInterface::ClearRecords() {
  m_prompts.clear();
  m_announcements.clear();
  m_beeps = 0;
}

void ScriptedUserInterface::Problem(const std::string& text) {
  if (onProblem) onProblem(text);
}

bool ScriptedUserInterface::Take(const UiPrompt& prompt, UiAnswer& answer) {
  m_prompts.push_back(prompt);
  if (onPrompt) onPrompt(prompt);
  if (m_answers.empty()) {
    Problem("unexpected " + prompt.kind + " \"" + prompt.caption + "\"" +
            (prompt.text.empty() ? "" : ": " + prompt.text));
    return false;
  }
  answer = std::move(m_answers.front());
  m_answers.pop_front();
  return true;
}

int ScriptedUserInterface::MessageBox(const MessageBoxRequest& request) {
  UiPrompt prompt{"message", request.caption, request.text, request.type, {}};
  UiAnswer answer;
  if (!Take(prompt, answer)) return DismissResult(request.type);
  if (answer.kind == UiAnswer::Kind::Button) {
    for (int b : ButtonsOf(request.type)) {
      if (b == answer.button) return b;
    }
  }
  Problem("answer '" + answer.Describe() + "' does not fit the message box \"" + request.caption + "\": " +
          request.text);
  return DismissResult(request.type);
}

UINT ScriptedUserInterface::ChooseFromMenu(const CMenu& menu, CPoint, CWnd*) {
  UiPrompt prompt{"menu", "", "", 0, {}};
  DescribeMenu(menu, "", prompt.details);
  UiAnswer answer;
  if (!Take(prompt, answer)) return 0;
  if (answer.kind == UiAnswer::Kind::Button && answer.button == IDCANCEL) return 0;
  if (answer.kind == UiAnswer::Kind::Menu) {
    if (UINT id = FindMenuCommand(menu, answer.text, answer.command)) return id;
    Problem("the menu has no enabled item '" + (answer.command ? std::to_string(answer.command) : answer.text) + "'");
    return 0;
  }
  Problem("answer '" + answer.Describe() + "' does not fit a menu");
  return 0;
}

void ScriptedUserInterface::RunModalDialog(CDialog& dialog) {
  while (!dialog.IsEnded() && IsWindow(dialog.m_hWnd)) {
    UiPrompt prompt{"dialog", dialog.GetWindowText(), "", 0, dialog.Describe()};
    UiAnswer answer;
    if (!Take(prompt, answer)) break;
    switch (answer.kind) {
      case UiAnswer::Kind::Button:
        if (answer.button == IDOK || answer.button == IDCANCEL) {
          if (dialog.IsButtonUsable(answer.button)) {
            dialog.PressButton(answer.button);
          } else if (answer.button == IDCANCEL) {
            dialog.OnCancel();
          } else {
            Problem("OK cannot be pressed in \"" + dialog.GetWindowText() + "\"");
            return;
          }
          continue;
        }
        break;
      case UiAnswer::Kind::Name:
        if (CDialogItem* edit = FirstEdit(dialog)) {
          edit->UserType(answer.text);
          if (dialog.IsButtonUsable(IDOK)) {
            dialog.PressButton(IDOK);
          } else {
            Problem("OK cannot be pressed in \"" + dialog.GetWindowText() + "\" after typing the name");
            return;
          }
          continue;
        }
        break;
      case UiAnswer::Kind::Dialog:
        if (answer.dialogAction) answer.dialogAction(dialog);
        continue;
      default:
        break;
    }
    Problem("answer '" + answer.Describe() + "' does not fit the dialog \"" + dialog.GetWindowText() + "\"");
    return;
  }
}

void ScriptedUserInterface::RunModalSheet(CPropertySheet& sheet) {
  while (!sheet.IsEnded() && IsWindow(sheet.m_hWnd)) {
    UiPrompt prompt{"sheet", sheet.GetWindowText(), "", 0, DescribeSheet(sheet)};
    UiAnswer answer;
    if (!Take(prompt, answer)) break;
    if (answer.kind == UiAnswer::Kind::Button && (answer.button == IDOK || answer.button == IDCANCEL)) {
      if (sheet.IsButtonUsable(answer.button)) {
        sheet.PressButton(answer.button);
      } else if (answer.button == IDCANCEL && !sheet.IsButtonUsable(IDCANCEL)) {
        // A sheet that can only be closed with OK: Cancel closes it like the window's close box.
        sheet.EndDialog(IDCANCEL);
      } else {
        Problem("OK cannot be pressed in \"" + sheet.GetWindowText() + "\"");
        return;
      }
      continue;
    }
    if (answer.kind == UiAnswer::Kind::Sheet) {
      if (answer.sheetAction) answer.sheetAction(sheet);
      continue;
    }
    Problem("answer '" + answer.Describe() + "' does not fit the sheet \"" + sheet.GetWindowText() + "\"");
    return;
  }
}

void ScriptedUserInterface::RunFileDialog(CFileDialog& dialog) {
  while (!dialog.IsEnded()) {
    UiPrompt prompt{"file", dialog.m_ofn.lpstrTitle, dialog.TypedFileName(), 0, {}};
    for (const auto& f : dialog.Filters()) prompt.details.push_back(f.description + " (" + f.pattern + ")");
    UiAnswer answer;
    if (!Take(prompt, answer)) break;
    if (answer.kind == UiAnswer::Kind::File) {
      dialog.UserType(answer.text);
      dialog.UserPressOK();
      continue;
    }
    if (answer.kind == UiAnswer::Kind::Button && answer.button == IDCANCEL) {
      dialog.UserCancel();
      continue;
    }
    if (answer.kind == UiAnswer::Kind::Button && answer.button == IDOK) {
      dialog.UserPressOK();
      continue;
    }
    Problem("answer '" + answer.Describe() + "' does not fit the file dialog \"" + dialog.m_ofn.lpstrTitle + "\"");
    break;
  }
  if (!dialog.IsEnded()) dialog.UserCancel();
}

DROPEFFECT ScriptedUserInterface::DoDragDrop(COleDataSource& data, DROPEFFECT allowed) {
  UiPrompt prompt{"drag", "", "", 0, {}};
  UiAnswer answer;
  if (!Take(prompt, answer)) return DROPEFFECT_NONE;
  if (answer.kind == UiAnswer::Kind::Button && answer.button == IDCANCEL) return DROPEFFECT_NONE;
  if (answer.kind != UiAnswer::Kind::Drag) {
    Problem("answer '" + answer.Describe() + "' does not fit a drag");
    return DROPEFFECT_NONE;
  }
  DragDropSession session(std::make_shared<COleDataSource>(data), allowed);
  session.MoveTo(answer.drag.target, answer.drag.point, answer.drag.keyState);
  return session.Drop();
}

void ScriptedUserInterface::LabelEditStarted(ILabelEdit& edit) {
  if (!m_answers.empty() && m_answers.front().kind == UiAnswer::Kind::Label) {
    UiPrompt prompt{"label", "", edit.Text(), 0, {}};
    UiAnswer answer;
    Take(prompt, answer);
    edit.SetText(answer.text);
    edit.End(false);
    return;
  }
  if (!leaveLabelEditsOpen) {
    Problem("unexpected label edit of \"" + edit.Text() + "\"");
    edit.End(true);
  }
}

void ScriptedUserInterface::Beep(UINT) {
  ++m_beeps;
  if (onAnnounce) onAnnounce("beep");
}

void ScriptedUserInterface::Announce(const std::string& line) {
  m_announcements.push_back(line);
  if (onAnnounce) onAnnounce(line);
}

// ---------------------------------------------------------------- message boxes

void SetApplicationCaption(const std::string& caption) { g_caption = caption; }
const std::string& ApplicationCaption() { return g_caption; }

int MessageBox(HWND parent, const std::string& text, const std::string& caption, UINT type) {
  MessageBoxRequest request;
  request.parent = parent;
  if (!request.parent) {
    if (CWnd* main = AfxGetMainWnd()) request.parent = main->m_hWnd;
  }
  request.text = text;
  request.caption = caption.empty() ? g_caption : caption;
  request.type = type;
  return UI().MessageBox(request);
}

int AfxMessageBox(const std::string& text, UINT type, const std::string& caption) {
  return MessageBox(nullptr, text, caption, type);
}
