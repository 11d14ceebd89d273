// The document behind a host view. A view opened through SHOW_CORVANEVIEW gets
// a document that carries the request's view context and the simulation's root
// model. Update hints reach its views through UpdateAllViews; the hint object,
// when there is one, is a const VARIANT* (UpdateHints.h).
#pragma once

#include <optional>

#include "host/com/ComPtr.h"
#include "host/framework/CorvaneViewContext.h"
#include "platform/Document.h"

class CRDocument : public CDocument {
 public:
  CRDocument() = default;
  ~CRDocument() override;

  // The record the view was requested with; null when it was opened without one.
  const tag_CorvaneViewContext* GetViewContext() const;
  void SetViewContext(const tag_CorvaneViewContext& context);

  // The simulation's root model: it answers IFInstance (the simulation),
  // IFRoot (the libraries), IRModel and the root-model interfaces
  // (IQVVariableLookup, IQVVariableQueries, IQVEventSource, IQVInstanceCreation,
  // IQVGlobalInstances, IQVFormWindows).
  virtual HRESULT GetRootModel(IUnknown** root);
  void SetRootModel(IUnknown* root);

 private:
  std::optional<tag_CorvaneViewContext> m_viewContext;
  CComPtr<IUnknown> m_rootModel;
};
