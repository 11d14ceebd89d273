// Documents and views: a document tells its views about changes through
// UpdateAllViews (sender, hint, object); views are windows that show it.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

class CWnd;
class CView;

class CDocument {
 public:
  CDocument() = default;
  virtual ~CDocument();
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  void AddView(CView* view);
  void RemoveView(CView* view);
  const std::vector<CView*>& Views() const { return m_views; }
  // Calls OnUpdate on every view but the sender. Views added or removed during
  // the walk are handled safely (a removed view is not called).
  virtual void UpdateAllViews(CView* sender, LPARAM hint = 0, void* object = nullptr);

  const std::string& GetPathName() const { return m_pathName; }
  virtual void SetPathName(const std::string& path) { m_pathName = path; }
  const std::string& GetTitle() const { return m_title; }
  virtual void SetTitle(const std::string& title) { m_title = title; }
  bool IsModified() const { return m_modified; }
  virtual void SetModifiedFlag(bool modified = true) { m_modified = modified; }

 private:
  std::vector<CView*> m_views;
  std::string m_pathName;
  std::string m_title;
  bool m_modified = false;
  int m_walkDepth = 0;
};

// The view side, mixed into a window class (a tree control, a list control,
// a form). It is not a window itself, so a control can be a view too.
class CView {
 public:
  virtual ~CView();
  CDocument* GetDocument() const { return m_pDocument; }
  // Attaches to a document (detaching from the previous one).
  void SetDocument(CDocument* document);
  virtual void OnUpdate(CView* /*sender*/, LPARAM /*hint*/, void* /*object*/) {}
  virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
  virtual void OnActivateView(bool /*activate*/, CView* /*activated*/, CView* /*deactivated*/) {}
  // The window this view is (null before creation).
  virtual CWnd* ViewWindow() = 0;

 private:
  friend class CDocument;
  CDocument* m_pDocument = nullptr;
};
