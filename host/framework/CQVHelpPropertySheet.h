// A property sheet with a help topic: its Help button shows the topic through
// the application (CRBaseApp::ShowHelp).
#pragma once

#include "platform/PropertySheet.h"

class CQVHelpPropertySheet : public CPropertySheet {
 public:
  explicit CQVHelpPropertySheet(const std::string& caption, CWnd* parent = nullptr, UINT selectPage = 0);
  explicit CQVHelpPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);

  // Both are string-table ids: the help file's name and the topic's title. 0: no help.
  void SetHelpTopic(UINT helpFileId, UINT topicId);
  UINT HelpFileId() const { return m_helpFileId; }
  UINT HelpTopicId() const { return m_topicId; }

  // Shows the topic; false when the sheet has none or no application is installed.
  virtual bool OnHelp();

 protected:
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  UINT m_helpFileId = 0;
  UINT m_topicId = 0;
};
