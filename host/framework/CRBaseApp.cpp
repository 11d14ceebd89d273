#include "host/framework/CRBaseApp.h"

#include <utility>

#include "host/framework/CRDocTemplate.h"

namespace {
CRBaseApp* g_app = nullptr;
}

CRBaseApp::CRBaseApp() = default;

CRBaseApp::~CRBaseApp() {
  if (g_app == this) g_app = nullptr;
}

CRBaseApp* CRBaseApp::GetApp() { return g_app; }

CRBaseApp* CRBaseApp::SetApp(CRBaseApp* app) { return std::exchange(g_app, app); }

void CRBaseApp::AddDocTemplate(std::unique_ptr<CRDocTemplate> documentTemplate) {
  if (documentTemplate) m_templates.push_back(std::move(documentTemplate));
}

CRDocTemplate* CRBaseApp::GetDocTemplate(REFCLSID classId) const {
  for (const auto& t : m_templates) {
    if (t->GetClassID() == classId) return t.get();
  }
  return nullptr;
}
