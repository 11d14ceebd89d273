// The user-interface provider: every point where a person acts goes through
// one interface. The desktop program implements it with Qt; tests and the
// headless command line use ScriptedUserInterface, which answers from a queue.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/Types.h"

class CWnd;
class CMenu;
class CDialog;
class CPropertySheet;
class CFileDialog;
class COleDataSource;

struct MessageBoxRequest {
  HWND parent = nullptr;
  std::string text;
  std::string caption;
  UINT type = 0;  // MB_ buttons | MB_ICON | MB_DEFBUTTON
};

// An in-place label edit in progress on a tree or list control.
class ILabelEdit {
 public:
  virtual ~ILabelEdit() = default;
  virtual CWnd& Control() = 0;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  // Ends the edit: the control asks its owner to accept the text (or reports a cancel).
  virtual void End(bool cancel) = 0;
  virtual bool IsActive() const = 0;
};

// Where a scripted drag goes: a drop-target window, a point in its client
// area, and the keys held (MK_CONTROL, MK_SHIFT, MK_RBUTTON ...).
struct DragAnswer {
  HWND target = nullptr;
  CPoint point;
  DWORD keyState = MK_LBUTTON;
};

class IUserInterface {
 public:
  virtual ~IUserInterface() = default;

  // Returns the button pressed (IDOK, IDYES ...).
  virtual int MessageBox(const MessageBoxRequest& request) = 0;
  // Returns the chosen command id, 0 when the menu was dismissed.
  virtual UINT ChooseFromMenu(const CMenu& menu, CPoint screenPoint, CWnd* owner) = 0;
  // The dialog is created and initialised; the provider lets the person act on
  // it until it ends (EndDialog). Returning with the dialog still open cancels it.
  virtual void RunModalDialog(CDialog& dialog) = 0;
  virtual void RunModalSheet(CPropertySheet& sheet) = 0;
  // The provider lets the person choose; it ends the dialog with OK or Cancel.
  virtual void RunFileDialog(CFileDialog& dialog) = 0;
  // Runs a drag of data; returns the effect of the drop (DROPEFFECT_NONE when cancelled).
  virtual DROPEFFECT DoDragDrop(COleDataSource& data, DROPEFFECT allowed) = 0;
  // A tree or list control opened an in-place editor on a label.
  virtual void LabelEditStarted(ILabelEdit& edit) = 0;

  virtual void Beep(UINT /*type*/) {}
  virtual void SetBusy(bool /*busy*/) {}
  virtual void Progress(const std::string& /*what*/, int /*percent*/) {}
  // A host action without a dialog of its own ("editor: Reactor").
  virtual void Announce(const std::string& /*line*/) {}
};

// The current provider. Never null: without one installed, a scripted provider
// with no answers stands in and reports every prompt as unexpected on stderr.
IUserInterface& UI();
// Installs provider (not owned); nullptr restores the stand-in. Returns the previous one.
IUserInterface* SetUserInterface(IUserInterface* provider);

// Everything a scripted provider saw.
struct UiPrompt {
  std::string kind;     // "message", "menu", "dialog", "sheet", "file", "drag", "label"
  std::string caption;
  std::string text;
  UINT style = 0;       // message box type
  std::vector<std::string> details;  // dialog controls, menu items ...
};

struct UiAnswer {
  enum class Kind { Button, Name, File, Menu, Dialog, Sheet, Drag, Label };
  Kind kind = Kind::Button;
  int button = IDOK;   // Button: IDOK, IDCANCEL, IDYES, IDNO ...
  std::string text;    // Name, File, Menu (item text as read), Label
  UINT command = 0;    // Menu by command id
  std::function<void(CDialog&)> dialogAction;
  std::function<void(CPropertySheet&)> sheetAction;
  DragAnswer drag;
  std::string Describe() const;
};

class ScriptedUserInterface : public IUserInterface {
 public:
  ScriptedUserInterface();
  ~ScriptedUserInterface() override;

  // Queue answers; prompts take them in order.
  void AnswerButton(int button);  // message box button; OK/Cancel on dialogs, sheets, file dialogs; Cancel dismisses a menu
  void AnswerYes() { AnswerButton(IDYES); }
  void AnswerNo() { AnswerButton(IDNO); }
  void AnswerOk() { AnswerButton(IDOK); }
  void AnswerCancel() { AnswerButton(IDCANCEL); }
  void AnswerName(const std::string& text);  // types into the dialog's first edit control and presses OK
  void AnswerFile(const std::string& path);  // file dialog: the typed name, then OK
  void AnswerMenu(const std::string& itemText);  // menu item by its plain text ("Copy Here")
  void AnswerMenuCommand(UINT command);
  void AnswerDialog(std::function<void(CDialog&)> action);
  void AnswerSheet(std::function<void(CPropertySheet&)> action);
  void AnswerDrag(const DragAnswer& drag);
  void AnswerLabel(const std::string& text);  // an in-place edit: type text and press Enter
  void Queue(UiAnswer answer);

  std::size_t PendingAnswers() const { return m_answers.size(); }
  const std::vector<UiPrompt>& Prompts() const { return m_prompts; }
  const std::vector<std::string>& Announcements() const { return m_announcements; }
  int Beeps() const { return m_beeps; }
  void ClearRecords();

  // Called for a prompt that has no answer waiting, or an answer that does not
  // fit the prompt. The default prints to stderr. Tests turn it into a failure;
  // the command line stops the script.
  std::function<void(const std::string& problem)> onProblem;
  // Called as each prompt opens, before its answer is applied (the command line prints it).
  std::function<void(const UiPrompt& prompt)> onPrompt;
  // Called for announcements and beeps as they happen.
  std::function<void(const std::string& line)> onAnnounce;
  // Leaves in-place label edits open when no label answer waits (a test then drives them).
  bool leaveLabelEditsOpen = true;

  int MessageBox(const MessageBoxRequest& request) override;
  UINT ChooseFromMenu(const CMenu& menu, CPoint screenPoint, CWnd* owner) override;
  void RunModalDialog(CDialog& dialog) override;
  void RunModalSheet(CPropertySheet& sheet) override;
  void RunFileDialog(CFileDialog& dialog) override;
  DROPEFFECT DoDragDrop(COleDataSource& data, DROPEFFECT allowed) override;
  void LabelEditStarted(ILabelEdit& edit) override;
  void Beep(UINT type) override;
  void Announce(const std::string& line) override;

 private:
  bool Take(const UiPrompt& prompt, UiAnswer& answer);
  void Problem(const std::string& text);

  std::deque<UiAnswer> m_answers;
  std::vector<UiPrompt> m_prompts;
  std::vector<std::string> m_announcements;
  int m_beeps = 0;
};

// Installs a provider for a scope and restores the previous one.
class ScopedUserInterface {
 public:
  explicit ScopedUserInterface(IUserInterface& provider) : m_previous(SetUserInterface(&provider)) {}
  ~ScopedUserInterface() { SetUserInterface(m_previous); }
  ScopedUserInterface(const ScopedUserInterface&) = delete;
  ScopedUserInterface& operator=(const ScopedUserInterface&) = delete;

 private:
  IUserInterface* m_previous;
};

// Shows a message box through the provider (parent may be null: the main window).
int AfxMessageBox(const std::string& text, UINT type = MB_OK, const std::string& caption = {});
int MessageBox(HWND parent, const std::string& text, const std::string& caption, UINT type);
// The program's caption for message boxes without one of their own.
void SetApplicationCaption(const std::string& caption);
const std::string& ApplicationCaption();
