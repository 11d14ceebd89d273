// A kind of host window known by its class identifier: the host looks the
// template up by the class in a SHOW_CORVANEVIEW request and opens a frame of it.
#pragma once

#include "platform/DocTemplate.h"
#include "platform/Guid.h"

class CRDocTemplate : public CDocTemplate {
 public:
  CRDocTemplate(REFCLSID classId, UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame);

  const CLSID& GetClassID() const { return m_classId; }

  using CDocTemplate::CreateNewFrame;
  // A frame for document under parent, shown or not; null when the frame
  // refuses to be created (it has then deleted itself).
  CFrameWnd* CreateNewFrame(CDocument* document, CWnd* parent, bool visible) const;

 private:
  CLSID m_classId;
  FrameFactory m_makeFrame;
};
