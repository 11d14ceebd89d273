#include "workbench/document/EditorSession.h"

#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/framework/UpdateHints.h"
#include "host/language/Parser.h"
#include "host/language/TypeKinds.h"
#include "host/store/Status.h"
#include "workbench/store/StoreType.h"

namespace {

CRQVDocument* CurrentDocument() {
  CRBaseApp* app = CRBaseApp::GetApp();
  return app ? app->GetCurrentDocument() : nullptr;
}

void Output(const std::string& text) {
  if (CRQVDocument* document = CurrentDocument()) document->OutputMessage(text, -1, 0);
}

}  // namespace

CEditorSession::CEditorSession(CStoreType* paletteOwner, CStoreType* type, std::string title, DWORD kind, bool readOnly)
    : m_paletteOwner(paletteOwner), m_type(type), m_title(std::move(title)), m_kind(kind), m_readOnly(readOnly) {
  if (m_type) m_text = m_type->Text();
}

CStoreType* CEditorSession::Type() const { return m_type && m_type->IsUsable() ? m_type.Get() : nullptr; }

bool CEditorSession::IsOn(const CStoreType* type) const { return type && m_type.Get() == type; }

void CEditorSession::SetText(std::string text) {
  if (m_readOnly) return;
  m_modified = m_modified || text != m_text;
  m_text = std::move(text);
}

void CEditorSession::Revert() {
  if (CStoreType* type = Type()) m_text = type->Text();
  m_modified = false;
}

bool CEditorSession::IsPlainText() const {
  const CStoreType* type = Type();
  return type ? type->Kind() == StoreKind::Script : m_kind == QV_KIND_SCRIPT;
}

HRESULT CEditorSession::MakeDefinition(QVParseReport* report) {
  if (!m_paletteOwner) return E_FAIL;
  CComPtr<IFTypeDesc> desc;
  QVParseReport made = QVNewType(m_title, m_paletteOwner, m_text, &desc, "", 0, 7, 100);
  if (report) *report = made;
  if (!desc) return made.HasErrors() ? FE_BADFILE : E_FAIL;
  m_type = StoreTypeOf(desc);
  return m_type ? S_OK : E_FAIL;
}

void CEditorSession::TellViews(bool compiled) {
  CRQVDocument* document = CurrentDocument();
  if (!document) return;
  document->SetModifiedFlag(true);
  document->UpdateAllViews(nullptr, compiled ? QV_HINT_COMPILED : QV_HINT_TYPES_CHANGED, nullptr);
  if (const CStoreType* type = Type(); type && (type->Kind() == StoreKind::Model || type->Kind() == StoreKind::Controller))
    document->UpdateAllViews(nullptr, QV_HINT_MODEL_TYPE_EDITED, nullptr);
}

QVParseReport CEditorSession::Compile() {
  QVParseReport report;
  if (m_readOnly) {
    report.AddError(0, "the text of '" + m_title + "' is open read-only and cannot be compiled");
  } else if (IsPlainText()) {
    report.AddError(0, "'" + m_title + "' is plain text; there is nothing to compile");
  } else {
    Output("\nCompiling " + m_title + "...");
    if (!Type()) {
      MakeDefinition(&report);
    } else {
      report = QVCompileType(Type(), m_text, "", 0x80200, 4, 0x19);
    }
    QVReportParserMessagesToOutput(report);
    Output("\nCompilation completed. " + std::to_string(report.ErrorCount()) + " error(s), " +
           std::to_string(report.WarningCount()) + " warning(s)\n");
    if (Type()) {
      m_modified = false;
      TellViews(true);
    }
    return report;
  }
  Output(report.messages.front().message + "\n");
  return report;
}

HRESULT CEditorSession::Save() {
  if (m_readOnly) return FE_READONLY;
  HRESULT hr = S_OK;
  if (!Type()) {
    QVParseReport report;
    hr = MakeDefinition(&report);
    if (FAILED(hr)) QVReportParserMessagesToOutput(report);
  } else if (IsPlainText()) {
    Type()->SetText(m_text);
  } else {
    hr = QVSetModellingLanguageText(Type(), m_text);
    if (FAILED(hr)) Output("Cannot save '" + m_title + "': the text does not define " + Type()->Name() + ".\n");
  }
  if (FAILED(hr)) return hr;
  m_modified = false;
  TellViews(false);
  return S_OK;
}
