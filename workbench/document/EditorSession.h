// One editing session of the host's text editor: a definition's text being
// edited (read-only when asked), compiled through the parser service with its
// report in the messages window, and saved back into the type. A session on
// a definition that does not exist yet makes it when saved. The desktop
// program shows a session as a child window; headless, tests edit it directly.
#pragma once

#include <string>

#include "host/ParseReport.h"
#include "host/com/ComPtr.h"
#include "platform/Types.h"

class CStoreType;

class CEditorSession {
 public:
  // type: the definition edited (null for a new one called title, made in the
  // palette owned by paletteOwner). kind: QV_KIND_* of TypeKinds.h.
  CEditorSession(CStoreType* paletteOwner, CStoreType* type, std::string title, DWORD kind, bool readOnly);

  const std::string& Title() const { return m_title; }
  DWORD Kind() const { return m_kind; }
  bool IsReadOnly() const { return m_readOnly; }
  // The definition (null for a new one not saved yet, or once it is gone).
  CStoreType* Type() const;
  bool IsOn(const CStoreType* type) const;

  const std::string& Text() const { return m_text; }
  void SetText(std::string text);
  bool IsModified() const { return m_modified; }

  // Compiles the text as the definition's new text (a new definition is made
  // first). The messages go to the current document's messages window,
  // followed by "Compilation completed. N error(s), M warning(s)".
  QVParseReport Compile();
  // Keeps the text as the definition's latest text without compiling it; a
  // new definition is made from it. A failure code (FE_READONLY for a
  // read-only session) leaves the definition as it was.
  HRESULT Save();
  // Reads the definition's latest text again, dropping unsaved edits.
  void Revert();

 private:
  bool IsPlainText() const;
  HRESULT MakeDefinition(QVParseReport* report);
  void TellViews(bool compiled);

  CComPtr<CStoreType> m_paletteOwner;
  CComPtr<CStoreType> m_type;
  std::string m_title;
  DWORD m_kind;
  bool m_readOnly;
  std::string m_text;
  bool m_modified = false;
};
