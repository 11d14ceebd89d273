#include "platform/Document.h"

#include <algorithm>

CDocument::~CDocument() {
  for (CView* view : m_views) view->m_pDocument = nullptr;
}

void CDocument::AddView(CView* view) {
  if (!view || std::find(m_views.begin(), m_views.end(), view) != m_views.end()) return;
  if (view->m_pDocument && view->m_pDocument != this) view->m_pDocument->RemoveView(view);
  m_views.push_back(view);
  view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
  auto it = std::find(m_views.begin(), m_views.end(), view);
  if (it == m_views.end()) return;
  m_views.erase(it);
  view->m_pDocument = nullptr;
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, void* object) {
  const std::vector<CView*> snapshot = m_views;
  for (CView* view : snapshot) {
    if (view == sender) continue;
    // A view removed by an earlier view's update is not called.
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) continue;
    view->OnUpdate(sender, hint, object);
  }
}

CView::~CView() {
  if (m_pDocument) m_pDocument->RemoveView(this);
}

void CView::SetDocument(CDocument* document) {
  if (m_pDocument == document) return;
  if (m_pDocument) m_pDocument->RemoveView(this);
  if (document) document->AddView(this);
}
