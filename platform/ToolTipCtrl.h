// Tool tips: texts a dialog attaches to its controls, shown while the
// pointer rests on them and only while the tool tip control is active.
// The desktop program shows each control's tip; headless there is nothing
// to hover, so the tips are only kept.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

class CDialogItem;
class CWnd;
struct MSG;

constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTDT_INITIAL = 3;

class CToolTipCtrl {
 public:
  CToolTipCtrl() = default;
  ~CToolTipCtrl();
  CToolTipCtrl(const CToolTipCtrl&) = delete;
  CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

  bool Create(CWnd* parent, DWORD style = 0);
  // Attaches text to a control of the parent dialog (other windows have no tip to show).
  bool AddTool(CWnd* tool, const std::string& text);
  void SetDelayTime(DWORD which, int milliseconds);
  int InitialDelay() const { return m_initialDelay; }
  // Shows or withdraws every tip of this control.
  void Activate(bool active);
  bool IsActive() const { return m_active; }
  // Mouse messages reach the tips this way in a Win32 program; here the
  // desktop's widgets track the pointer themselves.
  void RelayEvent(MSG* /*msg*/) {}

 private:
  struct Tool {
    HWND window = nullptr;
    std::string text;
  };
  void Show(bool show);

  CWnd* m_parent = nullptr;
  DWORD m_style = 0;
  int m_initialDelay = 0;
  bool m_active = false;
  std::vector<Tool> m_tools;
};
