// Static splitter windows: a grid of panes (rows x columns) with bars between
// them. The splitter owns the pane windows it creates. Pane child ids follow
// the grid: AFX_IDW_PANE_FIRST + row * 16 + column.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/Frame.h"

struct CRowColInfo {
  int nMinSize = 0;
  int nIdealSize = 0;
  int nCurSize = 0;
};

class CSplitterWnd : public CWnd {
 public:
  CSplitterWnd();
  ~CSplitterWnd() override;

  bool CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                    UINT id = AFX_IDW_PANE_FIRST);
  // Makes the pane at (row, col) with make(), creates its window as a child of
  // the splitter with the pane id, and keeps it. False when the slot is taken,
  // out of range, or the window cannot be created.
  using PaneFactory = std::function<std::unique_ptr<CWnd>(CWnd* parent, UINT id, const CRect& rect)>;
  bool CreatePane(int row, int col, const PaneFactory& make, CSize size);
  CWnd* GetPane(int row, int col) const;
  UINT IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
  // The grid position of a direct pane window; false when it is not one.
  bool IsChildPane(const CWnd* wnd, int* row, int* col) const;

  int GetRowCount() const { return m_nRows; }
  int GetColumnCount() const { return m_nCols; }
  void SetColumnInfo(int col, int ideal, int min);
  void GetColumnInfo(int col, int& cur, int& min) const;
  void SetRowInfo(int row, int ideal, int min);
  void GetRowInfo(int row, int& cur, int& min) const;
  // Positions the panes from the row and column sizes (the last row/column takes what is left).
  virtual void RecalcLayout();

  // The pane that has the user's attention (any window below the splitter);
  // setting it also gives it the focus and tells the parent frame when it is a view.
  void SetActivePane(int row, int col, CWnd* wnd = nullptr);
  CWnd* GetActivePane(int* row = nullptr, int* col = nullptr) const;
  void SetActiveWindow(CWnd* wnd);

  // A person drags bar `index` (between column index and index+1 for a
  // side-by-side grid, between rows for a stacked one) to position and lets go:
  // the tracker rectangle is placed there and StopTracking(true) runs.
  void UserDragBar(int index, int position);
  virtual void StopTracking(bool accept);

  // Layout records (exchanged by code that turns a grid from columns into rows).
  int m_nRows = 1;
  int m_nCols = 1;
  int m_nMaxRows = 1;
  int m_nMaxCols = 1;
  std::vector<CRowColInfo> m_pRowInfo;
  std::vector<CRowColInfo> m_pColInfo;
  int m_cxSplitter = 7;
  int m_cySplitter = 7;
  int m_cxSplitterGap = 7;
  int m_cySplitterGap = 7;
  int m_cxBorder = 2;
  int m_cyBorder = 2;
  CRect m_rectTracker;
  bool m_trackingColumns = true;
  int m_trackingIndex = 0;

 protected:
  void OnSize(UINT type, int cx, int cy) override;

 private:
  struct Pane {
    int row = 0;
    int col = 0;
    std::unique_ptr<CWnd> window;
  };
  std::vector<Pane> m_panes;
  HWND m_active = nullptr;
};
