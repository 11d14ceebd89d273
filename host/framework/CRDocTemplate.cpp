#include "host/framework/CRDocTemplate.h"

CRDocTemplate::CRDocTemplate(REFCLSID classId, UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame)
    : CDocTemplate(resourceId, std::move(makeDocument), makeFrame), m_classId(classId), m_makeFrame(makeFrame) {}

CFrameWnd* CRDocTemplate::CreateNewFrame(CDocument* document, CWnd* parent, bool visible) const {
  if (!m_makeFrame) return nullptr;
  CFrameWnd* frame = m_makeFrame();
  if (!frame) return nullptr;
  CCreateContext context;
  context.m_pCurrentDoc = document;
  const DWORD style = WS_CHILD | (visible ? WS_VISIBLE : 0);
  return frame->LoadFrame(ResourceId(), style, parent, &context) ? frame : nullptr;
}
