// A message standing in the contents pane where the host cannot or may not
// show data ("Decomposition information not available.", proprietary
// variables, no unconverged group). It has no commands.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"

class CQVEOWarning : public CExplorerObject {
 public:
  CQVEOWarning(CWnd* owner, std::string message);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 0: the message; other aspects an empty text.
  int GetDisplayText(EOAspect aspect, std::string& text) override;

  const std::string& Message() const { return m_message; }

 private:
  std::string m_message;
};
