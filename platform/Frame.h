// Frame windows. A frame is created from a resource id (its menu and
// accelerator table), asks PreCreateWindow for its creation values and builds
// its client in OnCreateClient. Commands go to the active view first, then to
// the frame. An MDI frame holds an area of child frames (the host's main window).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/FrameworkCommandIds.h"
#include "platform/Menu.h"
#include "platform/Window.h"

class CDocument;
class CView;

struct CREATESTRUCT {
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD dwExStyle = 0;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  CWnd* parent = nullptr;
  std::string name;
};

// What the creator of a frame passes to its client creation.
struct CCreateContext {
  CDocument* m_pCurrentDoc = nullptr;
};

constexpr DWORD FWS_ADDTOTITLE = 0x8000;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;


class CFrameWnd : public CWnd {
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  // Creates the frame: PreCreateWindow, the window, the menu and accelerators
  // of resourceId, then OnCreateClient. False (and no window) when any step fails.
  virtual bool LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context);
  virtual bool PreCreateWindow(CREATESTRUCT& cs);
  virtual bool OnCreateClient(CREATESTRUCT* cs, CCreateContext* context);

  UINT ResourceId() const { return m_nIDResource; }
  const CMenu* FrameMenu() const { return m_menu.IsCreated() ? &m_menu : nullptr; }
  const AcceleratorTable* Accelerators() const;

  CView* GetActiveView() const { return m_activeView; }
  virtual void SetActiveView(CView* view, bool notify = true);

  CDocument* GetActiveDocument() const { return m_document; }
  void SetTitle(const std::string& title) { SetWindowText(title); }

  // Commands: the active view is asked first, then the frame itself.
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override;

  // A frame that goes away deletes itself after its window is destroyed,
  // as frames do; frames made on the stack turn this off.
  void SetAutoDelete(bool autoDelete) { m_autoDelete = autoDelete; }

 protected:
  // The frame's own commands (the default handles none).
  virtual bool OnFrameCommand(UINT /*id*/, int /*code*/, CCmdUI* /*ui*/) { return false; }
  void PostNcDestroy() override;

  UINT m_nIDResource = 0;
  CDocument* m_document = nullptr;

 private:
  CMenu m_menu;
  CView* m_activeView = nullptr;
  bool m_autoDelete = true;
};

class CMDIFrameWnd;

// A child frame inside the MDI frame's client area.
class CMDIChildWnd : public CFrameWnd {
 public:
  bool PreCreateWindow(CREATESTRUCT& cs) override;
  void MDIActivate();
  CMDIFrameWnd* GetMDIFrame() const;
  bool IsIconic() const { return m_minimised; }
  void SetIconic(bool minimised) { m_minimised = minimised; }

 private:
  bool m_minimised = false;
};

// The main window: an area of child frames.
class CMDIFrameWnd : public CFrameWnd {
 public:
  // The client area that parents the child frames (created with the frame).
  CWnd* MDIClient() { return &m_client; }
  CMDIChildWnd* MDIGetActive() const;
  void MDIActivate(CMDIChildWnd* child);
  std::vector<CMDIChildWnd*> ChildFrames() const;

  // Commands go to the active child frame first; the Window menu's Cascade
  // and Tile are the frame's own.
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override;

  // Arranging the visible child frames (hidden ones and minimised ones keep
  // their places): overlapping from the top-left corner, each a title bar
  // lower and further right than the one before, the active one in front; or
  // side by side filling the client area, in rows one above the other
  // (horizontally) or in columns (vertically), a grid when there are many.
  void MDICascade();
  void MDITile(bool horizontally);
  // The frames an arrangement moves, in the order they were opened.
  std::vector<CMDIChildWnd*> ArrangeableFrames() const;

 protected:
  int OnCreate() override;
  void OnSize(UINT type, int cx, int cy) override;

 private:
  CWnd m_client;
  HWND m_active = nullptr;
};
