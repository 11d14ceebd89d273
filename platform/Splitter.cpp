#include "platform/Splitter.h"

#include <algorithm>

#include "platform/Document.h"

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() {
  // Pane windows are children: destroy them while their objects still exist.
  if (m_hWnd) DestroyWindow();
  m_panes.clear();
}

bool CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id) {
  if (rows < 1 || cols < 1 || rows > 16 || cols > 16) return false;
  m_nRows = m_nMaxRows = rows;
  m_nCols = m_nMaxCols = cols;
  m_pRowInfo.assign(rows, CRowColInfo{});
  m_pColInfo.assign(cols, CRowColInfo{});
  CRect rect;
  if (parent) parent->GetClientRect(&rect);
  return Create("Splitter", "", style | WS_CHILD, rect, parent, id);
}

bool CSplitterWnd::CreatePane(int row, int col, const PaneFactory& make, CSize size) {
  if (row < 0 || col < 0 || row >= m_nRows || col >= m_nCols || !m_hWnd || !make) return false;
  if (GetPane(row, col)) return false;
  CRect rect(0, 0, size.cx, size.cy);
  std::unique_ptr<CWnd> window = make(this, IdFromRowCol(row, col), rect);
  if (!window || !window->m_hWnd) return false;
  if (m_pColInfo[col].nIdealSize == 0) m_pColInfo[col].nIdealSize = size.cx;
  if (m_pRowInfo[row].nIdealSize == 0) m_pRowInfo[row].nIdealSize = size.cy;
  m_panes.push_back(Pane{row, col, std::move(window)});
  RecalcLayout();
  return true;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
  // Panes are found by their child id, so a grid reshaped by swapping ids finds the right window.
  CWnd* byId = GetDlgItem(static_cast<int>(IdFromRowCol(row, col)));
  if (byId) return byId;
  return nullptr;
}

bool CSplitterWnd::IsChildPane(const CWnd* wnd, int* row, int* col) const {
  if (!wnd || wnd->GetParent() != this) return false;
  UINT id = wnd->GetDlgCtrlID();
  if (id < AFX_IDW_PANE_FIRST) return false;
  int r = static_cast<int>((id - AFX_IDW_PANE_FIRST) / 16);
  int c = static_cast<int>((id - AFX_IDW_PANE_FIRST) % 16);
  if (r >= m_nRows || c >= m_nCols) return false;
  if (row) *row = r;
  if (col) *col = c;
  return true;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int min) {
  if (col < 0 || col >= static_cast<int>(m_pColInfo.size())) return;
  m_pColInfo[col].nIdealSize = ideal;
  m_pColInfo[col].nMinSize = min;
}

void CSplitterWnd::GetColumnInfo(int col, int& cur, int& min) const {
  if (col < 0 || col >= static_cast<int>(m_pColInfo.size())) return;
  cur = m_pColInfo[col].nCurSize;
  min = m_pColInfo[col].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int ideal, int min) {
  if (row < 0 || row >= static_cast<int>(m_pRowInfo.size())) return;
  m_pRowInfo[row].nIdealSize = ideal;
  m_pRowInfo[row].nMinSize = min;
}

void CSplitterWnd::GetRowInfo(int row, int& cur, int& min) const {
  if (row < 0 || row >= static_cast<int>(m_pRowInfo.size())) return;
  cur = m_pRowInfo[row].nCurSize;
  min = m_pRowInfo[row].nMinSize;
}

namespace {
// Lays sizes out along one dimension: every slot but the last gets its ideal
// size (at least its minimum); the last takes what is left.
void Distribute(std::vector<CRowColInfo>& info, int count, int total, int gap) {
  int used = 0;
  for (int i = 0; i < count; ++i) {
    if (i + 1 == count) {
      info[i].nCurSize = std::max(0, total - used);
    } else {
      info[i].nCurSize = std::max(info[i].nIdealSize, info[i].nMinSize);
      used += info[i].nCurSize + gap;
    }
  }
}
}  // namespace

void CSplitterWnd::RecalcLayout() {
  if (!m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  if (static_cast<int>(m_pColInfo.size()) < m_nCols) m_pColInfo.resize(m_nCols);
  if (static_cast<int>(m_pRowInfo.size()) < m_nRows) m_pRowInfo.resize(m_nRows);
  Distribute(m_pColInfo, m_nCols, client.Width(), m_cxSplitterGap);
  Distribute(m_pRowInfo, m_nRows, client.Height(), m_cySplitterGap);
  int y = 0;
  for (int r = 0; r < m_nRows; ++r) {
    int x = 0;
    for (int c = 0; c < m_nCols; ++c) {
      if (CWnd* pane = GetPane(r, c)) {
        pane->MoveWindow(CRect(x, y, x + m_pColInfo[c].nCurSize, y + m_pRowInfo[r].nCurSize));
      }
      x += m_pColInfo[c].nCurSize + m_cxSplitterGap;
    }
    y += m_pRowInfo[r].nCurSize + m_cySplitterGap;
  }
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* wnd) {
  SetActiveWindow(wnd ? wnd : GetPane(row, col));
}

void CSplitterWnd::SetActiveWindow(CWnd* wnd) {
  if (!wnd || !IsWindow(wnd->m_hWnd)) return;
  m_active = wnd->m_hWnd;
  wnd->SetFocus();
  for (CWnd* up = GetParent(); up; up = up->GetParent()) {
    if (auto* frame = dynamic_cast<CFrameWnd*>(up)) {
      frame->SetActiveView(dynamic_cast<CView*>(wnd));
      break;
    }
  }
}

CWnd* CSplitterWnd::GetActivePane(int* row, int* col) const {
  CWnd* active = CWnd::FromHandle(m_active);
  if (active) {
    // Report the grid slot of the direct pane that contains the active window.
    const CWnd* pane = active;
    while (pane && pane->GetParent() != this) pane = pane->GetParent();
    if (pane) IsChildPane(pane, row, col);
  }
  return active;
}

void CSplitterWnd::UserDragBar(int index, int position) {
  m_trackingColumns = m_nCols > 1;
  m_trackingIndex = index;
  CRect client;
  GetClientRect(&client);
  if (m_trackingColumns) {
    m_rectTracker = CRect(position, client.top, position + m_cxSplitter, client.bottom);
  } else {
    m_rectTracker = CRect(client.left, position, client.right, position + m_cySplitter);
  }
  StopTracking(true);
}

void CSplitterWnd::StopTracking(bool accept) {
  if (!accept) return;
  int start = 0;
  if (m_trackingColumns) {
    for (int c = 0; c < m_trackingIndex && c < m_nCols; ++c) start += m_pColInfo[c].nCurSize + m_cxSplitterGap;
    if (m_trackingIndex < m_nCols) m_pColInfo[m_trackingIndex].nIdealSize = std::max(0, m_rectTracker.left - start);
  } else {
    for (int r = 0; r < m_trackingIndex && r < m_nRows; ++r) start += m_pRowInfo[r].nCurSize + m_cySplitterGap;
    if (m_trackingIndex < m_nRows) m_pRowInfo[m_trackingIndex].nIdealSize = std::max(0, m_rectTracker.top - start);
  }
  RecalcLayout();
}

void CSplitterWnd::OnSize(UINT, int, int) { RecalcLayout(); }
