// The system's message boxes: string-table texts with the create operations'
// "Add ... Error" captions, and the literal boxes.
#include <map>

#include "explorer/core/QVExplorer.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Resources.h"
#include "platform/UserInterface.h"

namespace {

// The kind word of each create operation's failure message.
const std::map<UINT, const char*>& KindWords() {
  static const std::map<UINT, const char*> words = {
      {IDS_FORM_MESSAGE, "Form"},
      {IDS_PARAMETER_NAME_TAKEN, "Parameter"},
      {IDS_FORM_NAME_TAKEN, "Form Instance"},
      {IDS_MODEL_NAME_TAKEN, "Model"},
      {IDS_VARIABLE_NAME_TAKEN, "Variable"},
      {IDS_PORT_NAME_TAKEN, "Port"},
      {IDS_PROCEDURE_NAME_TAKEN, "Procedure"},
      {IDS_STREAM_NAME_TAKEN, "Stream"},
      {IDS_COMPONENT_LIST_NAME_TAKEN, "Component List"},
      {IDS_TASK_NAME_TAKEN, "Task"},
      {IDS_ICON_NAME_TAKEN, "Icon"},
      {IDS_SCRIPT_NAME_TAKEN, "Script"},
      {IDS_FOLDER_NAME_TAKEN, "User Folder"},
      {IDS_STRUCTURE_INSTANCE_NAME_TAKEN, "Structure Instance"},
      {IDS_STRUCTURE_NAME_TAKEN, "Structure"},
      {IDS_FUNCTION_NAME_TAKEN, "Function"},
  };
  return words;
}

std::string Caption(UINT captionId) { return LoadStringOrEmpty(captionId ? captionId : IDS_OPERATION_FAILED); }

HWND ParentOrMain(HWND parent) {
  if (parent) return parent;
  CWnd* main = AfxGetMainWnd();
  return main ? main->GetSafeHwnd() : nullptr;
}

}  // namespace

void CQVExplorer::CreateTitle(std::string& title, UINT messageId, UINT /*unused*/) {
  title.clear();
  auto it = KindWords().find(messageId);
  if (it != KindWords().end()) title = std::string("Add ") + it->second + " Error";
}

int CQVExplorer::DisplayMessage(UINT textId, UINT captionId, UINT type, HWND parent) {
  std::string caption = Caption(captionId);
  std::string text = LoadStringOrEmpty(textId);
  std::string title;
  CreateTitle(title, textId);
  if (!title.empty()) {
    caption = title;
    if (!msName.empty()) text = "A type definition named \"" + msName + "\" already exists.";
  }
  msName.clear();
  return MessageBox(ParentOrMain(parent), text, caption, type);
}

int CQVExplorer::DisplayMessage(const std::string& text, UINT captionId, UINT type, HWND parent) {
  return MessageBox(ParentOrMain(parent), text, Caption(captionId), type);
}

int CQVExplorer::ShowMessage(const std::string& text, const std::string& caption, UINT type) {
  return MessageBox(ParentOrMain(nullptr), text, caption, type);
}

CRQVDocument* CQVExplorer::GetCurrentDocument() {
  CRBaseApp* app = CRBaseApp::GetApp();
  return app ? app->GetCurrentDocument() : nullptr;
}

bool CQVExplorer::RefuseWhileFileLoadFailed() {
  CRQVDocument* document = GetCurrentDocument();
  if (!document || !document->FileLoadFailed()) return false;
  ShowMessage(kFileLoadFailureText, kFileLoadFailureCaption, MB_ICONEXCLAMATION);
  return true;
}
