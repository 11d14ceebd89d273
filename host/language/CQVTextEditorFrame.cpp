#include "host/language/CQVTextEditorFrame.h"

#include "host/store/Status.h"

HRESULT CQVTextEditorFrame::Launch(IFType* palette, IFType* type, const std::string& title, DWORD kind,
                                   bool readOnly, int option) {
  IQVTextEditor* editor = HostService<IQVTextEditor>::Get();
  return editor ? editor->Launch(palette, type, title, kind, readOnly, option) : FE_NOSERVICE;
}

HRESULT CQVTextEditorFrame::Launch(IFInstance* owner, IFTypeDesc* type, const std::string& title, DWORD kind,
                                   bool readOnly, int option) {
  IQVTextEditor* editor = HostService<IQVTextEditor>::Get();
  return editor ? editor->Launch(owner, type, title, kind, readOnly, option) : FE_NOSERVICE;
}

void QVTextEditor_RegisterDocumentTemplates() {
  if (IQVTextEditor* editor = HostService<IQVTextEditor>::Get()) editor->RegisterDocumentTemplates();
}
