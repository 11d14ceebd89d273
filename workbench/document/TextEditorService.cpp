#include "workbench/document/TextEditorService.h"

#include "platform/UserInterface.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StoreType.h"

HRESULT CTextEditorService::Launch(IFType* palette, IFType* type, const std::string& title, DWORD kind, bool readOnly,
                                   int /*option*/) {
  return LaunchOn(palette, type, title, kind, readOnly);
}

HRESULT CTextEditorService::Launch(IFInstance* owner, IFTypeDesc* type, const std::string& title, DWORD kind,
                                   bool readOnly, int /*option*/) {
  return LaunchOn(owner, type, title, kind, readOnly);
}

HRESULT CTextEditorService::LaunchOn(IUnknown* owner, IUnknown* type, const std::string& title, DWORD kind,
                                     bool readOnly) {
  CStoreType* ownerType = owner ? StoreTypeOf(owner) : nullptr;
  CStoreType* edited = type ? StoreTypeOf(type) : nullptr;
  if (type && !edited) return E_INVALIDARG;
  if (!edited && !ownerType) return E_INVALIDARG;
  return Open(ownerType, edited, title, kind, readOnly);
}

HRESULT CTextEditorService::Open(CStoreType* paletteOwner, CStoreType* type, const std::string& title, DWORD kind,
                                 bool readOnly) {
  CEditorSession* session = nullptr;
  for (const auto& s : m_sessions)
    if (type ? s->IsOn(type) : (!s->Type() && s->Title() == title)) session = s.get();
  if (!session) {
    m_sessions.push_back(std::make_unique<CEditorSession>(paletteOwner, type, title, kind, readOnly));
    session = m_sessions.back().get();
  }
  UI().Announce("editor: " + title);
  if (onSessionShown) onSessionShown(*session);
  return S_OK;
}

CEditorSession* CTextEditorService::FindSession(const std::string& title) const {
  for (auto it = m_sessions.rbegin(); it != m_sessions.rend(); ++it)
    if ((*it)->Title() == title) return it->get();
  return nullptr;
}

void CTextEditorService::CloseSession(CEditorSession* session) {
  std::erase_if(m_sessions, [session](const auto& s) { return s.get() == session; });
}
