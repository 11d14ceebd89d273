#include "platform/DocTemplate.h"

#include "platform/Frame.h"

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document, CWnd* parent) const {
  if (!m_makeFrame) return nullptr;
  CFrameWnd* frame = m_makeFrame();
  if (!frame) return nullptr;
  CCreateContext context;
  context.m_pCurrentDoc = document;
  // A frame that fails to load has destroyed (and deleted) itself.
  return frame->LoadFrame(m_resourceId, WS_CHILD | WS_VISIBLE, parent, &context) ? frame : nullptr;
}
