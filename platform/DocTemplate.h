// A document template: how to make the document and frame of one kind of window.
#pragma once

#include <functional>
#include <memory>

#include "platform/Document.h"
#include "platform/Frame.h"

class CDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
  using FrameFactory = std::function<CFrameWnd*()>;  // frames delete themselves when destroyed

  CDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame)
      : m_resourceId(resourceId), m_makeDocument(std::move(makeDocument)), m_makeFrame(std::move(makeFrame)) {}
  virtual ~CDocTemplate() = default;

  UINT ResourceId() const { return m_resourceId; }
  std::unique_ptr<CDocument> CreateNewDocument() const { return m_makeDocument ? m_makeDocument() : nullptr; }
  // Makes a frame and loads it under parent for document; null when the frame refuses to be created.
  CFrameWnd* CreateNewFrame(CDocument* document, CWnd* parent) const;

 private:
  UINT m_resourceId;
  DocumentFactory m_makeDocument;
  FrameFactory m_makeFrame;
};
