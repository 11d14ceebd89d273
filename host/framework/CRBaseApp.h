// The host application: the current simulation document, the window templates,
// the main window, the model-library toolbar and the file types. Implemented by
// the host, which installs itself with SetApp.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Guid.h"
#include "platform/Window.h"

class CRDocTemplate;
class CRQVDocument;

// Notifications of UpdateLibraryToolbar.
constexpr int QV_LIBTOOLBAR_LIBRARY_CHANGE_STARTS = 6;
constexpr int QV_LIBTOOLBAR_LIBRARY_CHANGE_ENDS = 7;
constexpr int QV_LIBTOOLBAR_CONTENTS_CHANGED = 14;
constexpr int QV_LIBTOOLBAR_REFRESH = 15;

// Application state in which scripts and tasks cannot be edited (a run is going on).
constexpr int QV_APPSTATE_RUNNING = 8;

class CRBaseApp {
 public:
  CRBaseApp();
  virtual ~CRBaseApp();
  CRBaseApp(const CRBaseApp&) = delete;
  CRBaseApp& operator=(const CRBaseApp&) = delete;

  // The installed application (null before the host installs one).
  static CRBaseApp* GetApp();
  // Installs app (null removes it); returns the one installed before.
  static CRBaseApp* SetApp(CRBaseApp* app);

  // The simulation document; null when none is open.
  virtual CRQVDocument* GetCurrentDocument() = 0;
  // The main window: owner of message boxes, receiver of SHOW_CORVANEVIEW.
  CWnd* GetMainWnd() const { return AfxGetMainWnd(); }

  // Window templates, found by class identifier.
  void AddDocTemplate(std::unique_ptr<CRDocTemplate> documentTemplate);
  CRDocTemplate* GetDocTemplate(REFCLSID classId) const;

  // --- the model-library toolbar ---
  virtual bool IsLibraryToolbarPresent() const = 0;
  // QV_LIBTOOLBAR_*: libraries or contents changed, re-read them.
  virtual void UpdateLibraryToolbar(int notification) = 0;
  // Told when a drag starts in an explorer pane, and also when it is a right-button drag.
  virtual void BeginDrag() = 0;
  virtual void BeginRightDrag() = 0;

  // --- file types ---
  // Without the dot ("ktrf").
  virtual std::string GetDefaultExtension() const = 0;
  // Filter texts in the "Text (*.ext)|*.ext|" form.
  virtual std::string GetDocumentFilter() const = 0;
  virtual std::string GetLibraryFilter() const = 0;
  virtual bool HasAdditionalFileTypes() const = 0;
  virtual std::string GetAdditionalFilter() const = 0;
  // The extension of additional file type index (0, 1, 2...); empty after the last.
  virtual std::string GetAdditionalExtension(int index) const = 0;
  virtual std::string GetSecondaryFilter() const = 0;
  virtual std::string GetSecondaryExtension() const = 0;
  // True when extension (without the dot, any case) is one of the application's file types.
  virtual bool IsOwnExtension(const std::string& extension) const = 0;
  // Nonzero where the file system cuts extensions to three letters.
  virtual int OSIsWin95() const = 0;

  // --- state and help ---
  // The application's state (QV_APPSTATE_RUNNING while a run goes on).
  virtual int GetAppState() const = 0;
  // Shows a help topic: both are string-table ids (the help file's name and the topic's title).
  virtual void ShowHelp(UINT helpFileId, UINT topicId) = 0;

 private:
  std::vector<std::unique_ptr<CRDocTemplate>> m_templates;
};
