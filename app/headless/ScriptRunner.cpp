#include "app/headless/ScriptRunner.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <istream>
#include <ostream>
#include <set>
#include <vector>

#include "app/headless/ConsoleUserInterface.h"
#include "app/headless/ExplorerCommandLookup.h"
#include "app/headless/ExplorerPath.h"
#include "app/headless/ExplorerPlace.h"
#include "app/headless/ExplorerPrinters.h"
#include "app/headless/HeadlessSession.h"
#include "app/headless/HostViewPrinter.h"
#include "app/headless/LibraryToolbarPrinter.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "platform/Dialog.h"
#include "platform/Menu.h"
#include "platform/RegistryStore.h"
#include "platform/RegistryText.h"
#include "platform/TextCompare.h"
#include "platform/TextTrim.h"
#include "platform/Window.h"

namespace {

// "verb rest": rest is everything after the first blank, untouched (a row label may begin with a blank).
void SplitAction(const std::string& line, std::string& verb, std::string& rest) {
  const std::size_t blank = line.find(' ');
  verb = line.substr(0, blank);
  rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

std::string NodeLabel(CExplorerObject& node) {
  std::string label;
  node.GetDisplayText(EOAspectName, label);
  return label;
}

// Explorer windows in the order they were opened (window 1 is the first); the
// toolbar's own hidden Explorer is none of them.
std::vector<CExplorerFrame*> WindowsInOpeningOrder() {
  std::vector<CExplorerFrame*> windows;
  const auto& newestFirst = CExplorerFrame::ActiveExplorers();
  for (auto frame = newestFirst.rbegin(); frame != newestFirst.rend(); ++frame)
    if ((*frame)->IsVisibleFlag()) windows.push_back(*frame);
  return windows;
}

CPoint Middle(const CRect& rect) { return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2); }

}  // namespace

ScriptRunner::ScriptRunner(HeadlessSession& session, ConsoleUserInterface& ui, std::ostream& out)
    : m_session(session), m_ui(ui), m_out(out) {
  const auto& open = CExplorerFrame::ActiveExplorers();
  m_frame = open.empty() ? nullptr : open.front();
}

int ScriptRunner::Run(std::istream& script, const std::string& scriptName, std::ostream& err) {
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string trimmed = TrimText(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    std::string problem;
    // Leading blanks go; trailing ones stay for "row", whose label is the rest of the line.
    if (!RunAction(TrimLeftText(line), problem)) {
      m_out.flush();
      err << scriptName << ":" << number << ": " << trimmed << ": " << problem << '\n';
      return 1;
    }
  }
  if (m_ui.PendingAnswers() > 0) {
    m_out.flush();
    err << scriptName << ": " << m_ui.PendingAnswers() << " answer(s) left that no prompt asked for\n";
    return 1;
  }
  return 0;
}

bool ScriptRunner::RunAction(const std::string& line, std::string& problem) {
  std::string verb, rest;
  SplitAction(line, verb, rest);
  const std::string argument = TrimText(rest);
  bool done = false;
  if (verb == "select") {
    done = Select(argument, problem);
  } else if (verb == "row") {
    done = Row(TrimRightText(rest), problem);
  } else if (verb == "do") {
    done = Do(argument, problem);
  } else if (verb == "key") {
    done = Key(argument, problem);
  } else if (verb == "answer") {
    done = Answer(rest, problem);
  } else if (verb == "sort") {
    done = Sort(argument, problem);
  } else if (verb == "rename") {
    done = Rename(rest, problem);
  } else if (verb == "drag") {
    done = Drag(argument, problem);
  } else if (verb == "explore" && argument.empty()) {
    done = Explore(problem);
  } else if (verb == "window") {
    done = Window(argument, problem);
  } else if (verb == "tree") {
    done = Tree(argument, problem);
  } else if (verb == "list" && argument.empty()) {
    done = List(problem);
  } else if (verb == "menu" && argument.empty()) {
    done = Menu(problem);
  } else if (verb == "messages" && argument.empty()) {
    Messages();
    done = true;
  } else if (verb == "registry" && argument.empty()) {
    Registry();
    done = true;
  } else if (verb == "windows" && argument.empty()) {
    Windows();
    done = true;
  } else if (verb == "save") {
    done = Save(argument, problem);
  } else if (verb == "view") {
    done = View(argument, problem);
  } else if (verb == "find" && !argument.empty()) {
    done = Find(argument, problem);
  } else if (verb == "set") {
    done = Set(argument, problem);
  } else if (verb == "simulate") {
    done = Simulate(argument, problem);
  } else if (verb == "toolbar") {
    done = PrintLibraryToolbar(m_out, argument);
    if (!done) problem = "the Model Libraries toolbar has no library \"" + argument + "\"";
  } else {
    problem = "unknown action";
  }
  MessageQueue::Pump();
  if (m_ui.HasProblem()) {
    problem = m_ui.TakeProblem();
    return false;
  }
  return done;
}

CExplorerFrame* ScriptRunner::Frame(std::string& problem) {
  const auto& open = CExplorerFrame::ActiveExplorers();
  if (m_frame && std::find(open.begin(), open.end(), m_frame) != open.end()) return m_frame;
  m_frame = nullptr;
  problem = open.empty() ? "no Explorer window is open" : "this Explorer window was closed; choose another with \"window N\"";
  return nullptr;
}

CExplorerObject* ScriptRunner::CurrentObject(std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return nullptr;
  CExplorerObject* current = frame->GetCurrentObject();
  if (!current) problem = "nothing is selected";
  return current;
}

bool ScriptRunner::Select(const std::string& path, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  ExplorerPlace place;
  if (!frame || !FindExplorerPlace(*frame, SplitExplorerPath(path), false, place, problem)) return false;
  if (!SelectTreeItem(*frame, place.item)) {
    problem = "the item cannot be selected";
    return false;
  }
  // Clicking the item that was already selected changes nothing; it still becomes the current object.
  if (!frame->GetCurrentObject()) frame->SetCurrentObject(frame->GetTreeView()->GetExplorerObject(place.item));
  return true;
}

bool ScriptRunner::Row(const std::string& name, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  CExplorerListView* list = frame->GetListView();
  const int row = FindRowByName(*list, name);
  if (row < 0) {
    problem = "no row \"" + name + "\" in the contents pane";
    return false;
  }
  list->EnsureVisible(row, FALSE);
  if (!list->UserClick(row)) {
    problem = "the row cannot be clicked";
    return false;
  }
  return true;
}

bool ScriptRunner::Do(const std::string& command, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  CExplorerObject* current = frame->GetCurrentObject();
  const UINT id = FindCommandByName(current, command);
  if (!id) {
    problem = "no command of that name" + (current ? " for \"" + NodeLabel(*current) + "\"" : std::string());
    return false;
  }
  if (!frame->RunCommand(id)) {
    problem = "the command is not available" + (current ? " for \"" + NodeLabel(*current) + "\"" : std::string());
    return false;
  }
  return true;
}

// The key goes where a key pressed at the desktop goes: to the window that has
// the focus (the pane clicked last, or an open label edit), through its
// ancestors' PreTranslateMessage and the accelerator table of the Explorer.
bool ScriptRunner::Key(const std::string& keys, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  Accelerator key;
  if (!AcceleratorTable::ParseKeyText(keys, key)) {
    problem = "a key is written like Del, F8, Ctrl+X or Ctrl+Shift+S";
    return false;
  }
  CWnd* target = CWnd::GetFocus();
  if (!target || !frame->IsChild(target)) target = frame->GetTreeView();
  Keyboard::SetModifiers((key.flags & FSHIFT) != 0, (key.flags & FCONTROL) != 0, (key.flags & FALT) != 0);
  DispatchKeyDown(target->m_hWnd, key.key);
  Keyboard::SetModifiers(false, false, false);
  return true;
}

bool ScriptRunner::Answer(const std::string& what, std::string& problem) {
  std::string kind, text;
  SplitAction(TrimLeftText(what), kind, text);
  const std::string word = TrimText(what);
  if (word == "yes") {
    m_ui.AnswerYes();
  } else if (word == "no") {
    m_ui.AnswerNo();
  } else if (word == "ok") {
    m_ui.AnswerOk();
  } else if (word == "cancel") {
    m_ui.AnswerCancel();
  } else if (kind == "name") {
    m_ui.AnswerName(text);
  } else if (kind == "file") {
    m_ui.AnswerFile(TrimText(text));
  } else if (kind == "menu") {
    m_ui.AnswerMenu(TrimText(text));
  } else if (kind == "fields") {
    return AnswerFields(text, problem);
  } else {
    problem = "an answer is yes, no, ok, cancel, name TEXT, file PATH, menu TEXT or fields LABEL=VALUE; ...";
    return false;
  }
  return true;
}

bool ScriptRunner::Simulate(const std::string& what, std::string& problem) {
  std::string mode, endText;
  SplitAction(what, mode, endText);
  endText = TrimText(endText);
  const int runMode = mode == "steady" ? ZN_RUN_STEADY_STATE
                      : mode == "initialization" ? ZN_RUN_INITIALIZATION
                      : mode == "dynamic" ? ZN_RUN_DYNAMIC
                                           : 0;
  std::optional<double> endTime;
  if (!endText.empty()) {
    char* end = nullptr;
    const double value = std::strtod(endText.c_str(), &end);
    if (runMode == ZN_RUN_DYNAMIC && end && *end == '\0' && std::isfinite(value)) endTime = value;
  }
  if (runMode == 0 || (!endText.empty() && !endTime)) {
    problem = "a run is simulate steady, simulate initialization or simulate dynamic [END_TIME]";
    return false;
  }
  CSimulationRun& run = m_session.App().Document().Run();
  if (!run.Start(runMode, endTime)) {
    problem = "the run could not start: " + run.Summary();
    return false;
  }
  run.Finish();
  m_out << run.Summary() << '\n';
  return true;
}

namespace {

// A control's label as a script names it: without "&" and a closing ":".
std::string DialogFieldLabel(const std::string& text) {
  std::string label;
  for (char c : text)
    if (c != '&') label += c;
  label = TrimText(label);
  if (!label.empty() && label.back() == ':') label.pop_back();
  return label;
}

}  // namespace

bool ScriptRunner::AnswerFields(const std::string& text, std::string& problem) {
  std::vector<std::pair<std::string, std::string>> fields;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(start, end - start);
    start = end + 1;
    if (TrimText(part).empty()) continue;
    const std::size_t equals = part.find('=');
    if (equals == std::string::npos) {
      problem = "fields are written LABEL=VALUE; LABEL=VALUE (a check box's VALUE is on or off)";
      return false;
    }
    fields.emplace_back(TrimText(part.substr(0, equals)), TrimText(part.substr(equals + 1)));
  }
  // Each field is the edit after its label, or a check box or radio button by its own text; then OK.
  m_ui.AnswerDialog([this, fields](CDialog& dialog) {
    const std::vector<CDialogItem*> items = dialog.Items();
    for (const auto& [label, value] : fields) {
      bool found = false;
      for (std::size_t i = 0; i < items.size() && !found; ++i) {
        if (CompareNoCase(DialogFieldLabel(items[i]->GetWindowText()), label) != 0) continue;
        CDialogItem& item = *items[i];
        if (item.Kind() == ControlKind::CheckBox || item.Kind() == ControlKind::RadioButton) {
          const bool on = value == "on" || value == "yes" || value == "1";
          if (item.Kind() == ControlKind::RadioButton && on) {
            for (CDialogItem* member : item.GroupMembers())
              member->SetCheck(member == &item ? BST_CHECKED : BST_UNCHECKED);
          } else {
            item.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
          }
          found = true;
        } else if (item.Kind() == ControlKind::Static && i + 1 < items.size() && items[i + 1]->IsEditKind()) {
          items[i + 1]->SetWindowText(value);
          found = true;
        }
      }
      if (!found && m_ui.onProblem)
        m_ui.onProblem("the dialog \"" + dialog.GetWindowText() + "\" has no field \"" + label + "\"");
    }
    dialog.PressButton(IDOK);
  });
  return true;
}

bool ScriptRunner::Sort(const std::string& heading, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  CExplorerListView* list = frame->GetListView();
  int column = list->FindColumn(heading);
  for (int c = 0; column < 0 && c < list->GetColumnCount(); ++c) {
    if (CompareNoCase(list->GetColumnHeading(c), heading) == 0) column = c;
  }
  if (column < 0) {
    problem = "the contents pane has no column of that name";
    return false;
  }
  if (!list->UserClickColumn(column)) {
    problem = "column headers can be clicked only in the Details view";
    return false;
  }
  return true;
}

// Types text into the label being edited (one a command opened), else opens
// the current object's label in its pane, and presses Enter.
bool ScriptRunner::Rename(const std::string& text, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  CExplorerTreeView* tree = frame->GetTreeView();
  CExplorerListView* list = frame->GetListView();
  ILabelEdit* edit = list->GetLabelEdit();
  if (!edit) edit = tree->GetLabelEdit();
  if (!edit) {
    CExplorerObject* current = CurrentObject(problem);
    if (!current) return false;
    if (!frame->IsTreeView() && list->FindItem(current) >= 0) {
      edit = list->UserBeginLabelEdit(list->FindItem(current));
    } else if (HTREEITEM item = tree->GetSelectedItem()) {
      tree->UserBeginLabelEdit(item);
      edit = tree->GetLabelEdit();
    }
    if (!edit) {
      problem = "the label of \"" + NodeLabel(*current) + "\" cannot be edited";
      return false;
    }
  }
  edit->SetText(text);
  edit->End(false);
  return true;
}

bool ScriptRunner::Drag(const std::string& what, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  std::string rest = what;
  DWORD keys = MK_LBUTTON;
  const std::size_t lastBlank = rest.rfind(' ');
  const std::string effect = lastBlank == std::string::npos ? std::string() : rest.substr(lastBlank + 1);
  if (effect == "copy" || effect == "move" || effect == "link") {
    keys |= effect == "copy" ? MK_CONTROL : effect == "move" ? MK_SHIFT : MK_CONTROL | MK_SHIFT;
    rest = TrimRightText(rest.substr(0, lastBlank));
  }
  const std::size_t to = rest.find(" to ");
  if (to == std::string::npos) {
    problem = "a drag is written: drag SOURCE to TARGET [copy|move|link]";
    return false;
  }
  CExplorerTreeView* tree = frame->GetTreeView();
  CExplorerListView* list = frame->GetListView();
  ExplorerPlace target, source;
  if (!FindExplorerPlace(*frame, SplitExplorerPath(rest.substr(to + 4)), true, target, problem)) return false;
  if (!FindExplorerPlace(*frame, SplitExplorerPath(rest.substr(0, to)), true, source, problem)) return false;
  if (target.row >= 0 && source.row >= 0 && target.item != source.item) {
    problem = "rows of two different folders are never shown at once; drag onto the folder's tree item instead";
    return false;
  }
  // Both ends in view before the target's position is taken.
  source.row >= 0 ? (void)list->EnsureVisible(source.row, FALSE) : (void)tree->EnsureVisible(source.item);
  DragAnswer drop;
  CRect rect;
  if (target.row >= 0) {
    list->EnsureVisible(target.row, FALSE);
    list->GetItemRect(target.row, &rect, LVIR_LABEL);
    drop.target = list->m_hWnd;
  } else {
    tree->EnsureVisible(target.item);
    tree->GetItemRect(target.item, &rect, TRUE);
    drop.target = tree->m_hWnd;
  }
  drop.point = Middle(rect);
  drop.keyState = keys;
  m_ui.ArmDrag(drop);
  m_ui.ResetDropEffect();
  const bool started = source.row >= 0 ? list->UserBeginDrag(source.row, false) : tree->UserBeginDrag(source.item, false);
  m_ui.ArmDrag(std::nullopt);
  if (!started) {
    problem = "the source cannot be dragged";
    return false;
  }
  MessageQueue::Pump();
  if (m_ui.LastDropEffect() == DROPEFFECT_NONE && !m_ui.HasProblem()) {
    problem = "the target does not take the drop";
    return false;
  }
  return true;
}

bool ScriptRunner::Explore(std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  CExplorerObject* current = frame ? CurrentObject(problem) : nullptr;
  if (!current) return false;
  const std::vector<CExplorerFrame*> before = CExplorerFrame::ActiveExplorers();
  if (!frame->RunCommand(ID_EXPLORER_EXPLORE)) {
    problem = "\"" + NodeLabel(*current) + "\" cannot be explored";
    return false;
  }
  MessageQueue::Pump();
  const std::vector<CExplorerFrame*> windows = WindowsInOpeningOrder();
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (std::find(before.begin(), before.end(), windows[i]) != before.end()) continue;
    m_frame = windows[i];
    m_out << "window " << i + 1 << ": " << m_frame->GetWindowText() << '\n';
    return true;
  }
  problem = "no Explorer window opened";
  return false;
}

bool ScriptRunner::Window(const std::string& number, std::string& problem) {
  const std::vector<CExplorerFrame*> windows = WindowsInOpeningOrder();
  const bool digits = !number.empty() && number.size() < 6 &&
                      std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
  const std::size_t n = digits ? std::stoul(number) : 0;
  if (n < 1 || n > windows.size()) {
    problem = "there " + std::string(windows.size() == 1 ? "is 1 Explorer window" : "are " + std::to_string(windows.size()) + " Explorer windows");
    return false;
  }
  m_frame = windows[n - 1];
  return true;
}

bool ScriptRunner::Tree(const std::string& path, std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  ExplorerPlace place;
  if (!path.empty() && !FindExplorerPlace(*frame, SplitExplorerPath(path), false, place, problem)) return false;
  PrintTree(*frame->GetTreeView(), place.item, m_out);
  return true;
}

bool ScriptRunner::List(std::string& problem) {
  CExplorerFrame* frame = Frame(problem);
  if (!frame) return false;
  PrintList(*frame->GetListView(), m_out);
  return true;
}

bool ScriptRunner::Menu(std::string& problem) {
  CExplorerObject* current = CurrentObject(problem);
  if (!current) return false;
  // Opened on the tree's item, the menu is what a right-click there shows (and tells the frame).
  if (m_frame && m_frame->IsTreeView()) {
    CExplorerTreeView& tree = *m_frame->GetTreeView();
    tree.NoteContextMenuOpening(tree.GetSelectedItem());
  }
  CMenu menu;
  BuildNodeMenu(*current, menu);
  menu.UpdateState(m_frame);  // enabled as the window would show it when it opens
  PrintMenu(menu, m_out);
  return true;
}

void ScriptRunner::Messages() {
  for (const std::string& line : m_session.App().Document().Messages().Lines()) m_out << line << '\n';
}

void ScriptRunner::Windows() {
  for (CDialog* dialog : m_session.App().Document().ModelessDialogs())
    for (const std::string& line : dialog->Describe()) m_out << line << '\n';
}

void ScriptRunner::Registry() {
  UserRegistryStore& store = UserRegistryStore::Instance();
  store.Refresh();
  m_out << FormatRegistryText(store.Root(), "HKEY_CURRENT_USER");
}

bool ScriptRunner::Save(const std::string& file, std::string& problem) {
  FileProblem fileProblem;
  CWorkbenchDocument& document = m_session.App().Document();
  if (file.empty() ? document.Save(fileProblem) : document.SaveAs(file, fileProblem)) return true;
  problem = "cannot save: " + fileProblem.Describe();
  return false;
}

bool ScriptRunner::View(const std::string& number, std::string& problem) {
  const std::vector<HostViewRequest>& opened = m_session.OpenedViews();
  if (opened.empty()) {
    problem = "no view is open; open one with a form's Show as command or Find";
    return false;
  }
  std::size_t index = opened.size();
  if (!number.empty()) {
    try {
      index = static_cast<std::size_t>(std::stoul(number));
    } catch (...) {
      index = 0;
    }
    if (index < 1 || index > opened.size()) {
      problem = "no view " + number + "; views 1 to " + std::to_string(opened.size()) + " were opened";
      return false;
    }
  }
  PrintHostView(m_session.Views(), opened[index - 1], m_out);
  return true;
}

bool ScriptRunner::Find(const std::string& pattern, std::string& problem) {
  (void)problem;
  // The latest finder's block; without a finder opened, the whole flowsheet, as Find on the flowsheet searches.
  std::string start;
  for (const HostViewRequest& view : m_session.OpenedViews())
    if (view.kind == HostViewKind::Finder) start = view.start;
  PrintFoundVariables(m_session.Views().Find(start, pattern), m_out);
  return true;
}

bool ScriptRunner::Set(const std::string& what, std::string& problem) {
  const std::size_t blank = what.find(' ');
  if (blank == std::string::npos) {
    problem = "set needs a variable and a value";
    return false;
  }
  return m_session.Views().SetValue(what.substr(0, blank), TrimText(what.substr(blank + 1)), problem);
}
