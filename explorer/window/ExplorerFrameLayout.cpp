// The Explorer window's layout: panes side by side or stacked and the tree
// pane's size (both kept per root class), the contents view type (kept for
// all Explorers), the caption and the host's layout restore.
#include <utility>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/PaneLabelView.h"
#include "platform/Registry.h"
#include "platform/Resources.h"

namespace {

constexpr int kVerticalScrollBarWidth = 16;
constexpr int kNarrowFrameWidth = 180;

// The file name of path without its folders and extension.
std::string FileTitle(const std::string& path) {
  std::string::size_type slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string::size_type dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

bool CExplorerFrame::GetPaneOrientationKeyName(std::string& key) {
  if (!m_pRootObject || !CQVExplorer::GetSettingsRegistryKeyName(m_pRootObject->GetClassID(), key)) return false;
  key += "\\Pane Orientation";
  return true;
}

bool CExplorerFrame::GetTreePaneWidthKeyName(std::string& key) {
  if (!m_pRootObject || !CQVExplorer::GetSettingsRegistryKeyName(m_pRootObject->GetClassID(), key)) return false;
  key += "\\TreePaneWidth";
  return true;
}

int CExplorerFrame::FrameIsVertical() {
  std::string name;
  if (!GetPaneOrientationKeyName(name)) return 0;
  CRegKey key;
  if (key.Open(HKEY_CURRENT_USER, name, KEY_READ) != ERROR_SUCCESS) return 0;
  DWORD orientation = 0;
  key.QueryDWORDValue("Orientation", orientation);
  return orientation == 0 ? 1 : 0;
}

void CExplorerFrame::SavePaneOrientation(int vertical) {
  std::string name;
  if (!GetPaneOrientationKeyName(name)) return;
  CRegKey key;
  if (key.Create(HKEY_CURRENT_USER, name) == ERROR_SUCCESS) key.SetDWORDValue("Orientation", vertical ? 0 : 1);
}

void CExplorerFrame::GetTreePaneWidth(unsigned& width) {
  width = kDefaultTreePaneWidth;
  std::string name;
  if (!GetTreePaneWidthKeyName(name)) return;
  CRegKey key;
  if (key.Open(HKEY_CURRENT_USER, name, KEY_READ) != ERROR_SUCCESS) return;
  DWORD stored = 0;
  if (key.QueryDWORDValue("Width", stored) == ERROR_SUCCESS) width = stored;
}

void CExplorerFrame::SaveTreePaneWidth(unsigned width) {
  m_nTreePaneWidth = width;
  std::string name;
  if (!GetTreePaneWidthKeyName(name)) return;
  CRegKey key;
  if (key.Create(HKEY_CURRENT_USER, name) == ERROR_SUCCESS) key.SetDWORDValue("Width", width);
}

void CExplorerFrame::SetPaneOrientation() {
  if (!m_wndSplitter.m_hWnd) return;
  const bool sideBySide = FrameIsVertical() != 0;
  const bool isSideBySide = m_wndSplitter.m_nCols == 2 && m_wndSplitter.m_nRows == 1;
  if (sideBySide == isSideBySide) return;
  CSplitterWnd& s = m_wndSplitter;
  std::swap(s.m_nRows, s.m_nCols);
  std::swap(s.m_nMaxRows, s.m_nMaxCols);
  std::swap(s.m_pRowInfo, s.m_pColInfo);
  // The contents side moves from the second column to the second row, or back.
  const UINT from = sideBySide ? s.IdFromRowCol(1, 0) : s.IdFromRowCol(0, 1);
  const UINT to = sideBySide ? s.IdFromRowCol(0, 1) : s.IdFromRowCol(1, 0);
  if (CWnd* second = s.GetDlgItem(static_cast<int>(from))) second->SetDlgCtrlID(to);
  s.RecalcLayout();
}

void CExplorerFrame::OnSize(UINT, int cx, int cy) {
  if (m_wndSplitter.m_hWnd) m_wndSplitter.MoveWindow(CRect(0, 0, cx, cy));
}

void CExplorerFrame::UpdateCaption(const char* filePath) {
  if (!m_pRootObject) {
    SetWindowText(LoadStringOrEmpty(IDS_EXPLORER_TITLE));
    return;
  }
  std::string caption = LoadStringOrEmpty(IDS_EXPLORING);
  if (filePath) caption += FileTitle(filePath) + " ";
  std::string name;
  m_pRootObject->GetDisplayText(EOAspectName, name);
  SetWindowText(caption + name);
}

void CExplorerFrame::UpdateTreeCaption() {
  if (!m_pTreeLabel) return;
  m_pTreeLabel->SetText(m_pExclusionList && !m_pExclusionList->IsEmpty() ? "Selected Items" : "All Items");
}

void CExplorerFrame::SetListViewType(unsigned long type) {
  static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  if (m_pListView && type < std::size(styles)) m_pListView->ModifyStyle(LVS_TYPEMASK, styles[type]);
  CRegKey key;
  if (key.Create(HKEY_CURRENT_USER, CQVExplorer::GetSettingsRootKeyName()) == ERROR_SUCCESS)
    key.SetDWORDValue("ListViewType", static_cast<DWORD>(type));
}

void CExplorerFrame::RevertToOriginalWindowLayout(long withScrollBar) {
  if (IsIconic()) return;
  CWnd* area = GetParent();
  if (!area) return;
  CRect client;
  area->GetClientRect(&client);
  int height = client.Height();
  if (withScrollBar) height -= kVerticalScrollBarWidth + 3;
  if (height < 0) height = 0;
  const int width = client.Width() / kNarrowFrameWidth > 6 ? client.Width() / 6 : kNarrowFrameWidth;
  MoveWindow(0, 0, width, height);
}
