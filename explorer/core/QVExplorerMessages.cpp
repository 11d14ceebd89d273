// The system's message boxes: string-table texts with the create operations'
// "Add ... Error" captions, and the literal boxes.
#include <map>

#include "explorer/core/QVExplorer.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Resources.h"
#include "platform/UserInterface.h"

namespace {

constexpr UINT kOperationFailedCaptionId = 53576;

// The kind word of each create operation's failure message.
const std::map<UINT, const char*>& KindWords() {
  static const std::map<UINT, const char*> words = {
      {53577, "Form"},      {13647, "Parameter"},      {53578, "Form Instance"}, {53593, "Model"},
      {53594, "Variable"},  {53595, "Port"},           {53596, "Procedure"},     {53597, "Stream"},
      {53610, "Component List"}, {53615, "Task"},      {53624, "Icon"},          {53627, "Script"},
      {53670, "User Folder"},    {53691, "Structure Instance"}, {53694, "Structure"}, {53701, "Function"},
  };
  return words;
}

std::string Caption(UINT captionId) { return LoadStringOrEmpty(captionId ? captionId : kOperationFailedCaptionId); }

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
