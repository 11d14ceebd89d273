// The host's text editor (CQVTextEditorFrame::Launch): each launch opens an
// editing session, or brings back the open session on the same definition,
// and announces "editor: <title>". The desktop program listens for opened
// sessions to show them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/language/CQVTextEditorFrame.h"
#include "workbench/document/EditorSession.h"

class CTextEditorService : public IQVTextEditor {
 public:
  HRESULT Launch(IFType* palette, IFType* type, const std::string& title, DWORD kind, bool readOnly,
                 int option) override;
  HRESULT Launch(IFInstance* owner, IFTypeDesc* type, const std::string& title, DWORD kind, bool readOnly,
                 int option) override;
  void RegisterDocumentTemplates() override { m_templatesRegistered = true; }
  bool TemplatesRegistered() const { return m_templatesRegistered; }

  const std::vector<std::unique_ptr<CEditorSession>>& Sessions() const { return m_sessions; }
  // The newest session titled title, or null.
  CEditorSession* FindSession(const std::string& title) const;
  void CloseSession(CEditorSession* session);

  // Told of every session opened or brought back.
  std::function<void(CEditorSession&)> onSessionShown;

 private:
  // owner: the type owning the palette (or an instance of it); type: the definition, or null for a new one.
  HRESULT LaunchOn(IUnknown* owner, IUnknown* type, const std::string& title, DWORD kind, bool readOnly);
  HRESULT Open(CStoreType* paletteOwner, CStoreType* type, const std::string& title, DWORD kind, bool readOnly);

  std::vector<std::unique_ptr<CEditorSession>> m_sessions;
  bool m_templatesRegistered = false;
};
