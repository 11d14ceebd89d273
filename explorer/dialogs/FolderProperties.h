// The Folder Properties page: the user folders under "Custom Modeling" that
// hold models are the groups of the Model Libraries toolbar. The page lists
// them in a grid of 14 rows (scrolling when there are more) and lets the
// user order them, hide them, take the tank icon off their models and
// describe them. Nothing reaches the host folders before OK.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/com/ComPtr.h"
#include "host/store/IFFolder.h"
#include "platform/Draw.h"
#include "platform/PropertySheet.h"
#include "platform/ToolTipCtrl.h"
#include "platform/TreeCtrl.h"

class CFolderProperties : public CPropertyPage {
 public:
  // One listed folder as the grid shows it.
  struct Folder {
    std::string name;           // the folder's label in the Explorer tree
    int storedOrder = 0;        // the toolbar order the folder had when the page was built
    int storedTank = 1;         // 1 unless the folder's models had their tank icon taken off
    std::string description;
    int visible = 1;
    int tank = 1;
    CComPtr<IFFolder> host;     // where OK writes; null for a folder the page cannot change
  };

  CFolderProperties();

  // The Explorer window whose tree pane shows the folders.
  void SetOwner(CWnd* owner) { m_owner = owner; }
  // Reads the folders from the owner's tree and puts them in display order:
  // ordered folders by their order, then those never ordered, then hidden
  // ones (both by name). A tree without Custom Modeling lists nothing.
  void LoadFolders();

  const std::vector<Folder>& Folders() const { return m_folders; }
  int TopIndex() const { return m_top; }
  int SelectedRow() const { return m_selectedRow; }
  int SelectedFolder() const { return m_selectedFolder; }
  int RowsInUse() const { return std::min<int>(static_cast<int>(m_folders.size()), kRows); }

  // Trims every description, then looks for two folders with the same one
  // (ignoring case). True when found: DuplicateMessage() then names them.
  bool FindDuplicateDescription();
  std::string DuplicateMessage() const;

  bool OnInitDialog() override;
  // One line per folder shown: its name (marked when selected), description and both marks.
  std::vector<std::string> Describe() const override;
  // Writes orders, tank marks and descriptions; false (the sheet stays open)
  // when the host refused a value, after putting back what was written.
  bool OnApply() override;
  void OnOK() override {}
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  bool OnControlCommand(int id, UINT code) override;
  void OnVScroll(UINT request, int thumbPos, CDialogItem* bar) override;

 private:
  static constexpr int kRows = 14;

  int MaxScroll() const { return static_cast<int>(m_folders.size()) - RowsInUse(); }
  void FillRows();
  void FillRow(int row);
  void ClearSelection();
  void SelectRow(int row);
  void BoldRow(int row);  // -1: none
  void UpdateMoveButtons();
  void MoveDown();
  void MoveUp();
  // Scrolls one line towards the selected folder until it is in view.
  void BringSelectionIntoView();
  void ScrollTo(int position);
  void EnableButton(int id, bool enable);
  bool Save();

  CWnd* m_owner = nullptr;
  std::vector<Folder> m_folders;
  int m_top = 0;
  int m_selectedRow = -1;
  int m_selectedFolder = -1;
  bool m_selectionActive = false;
  CFont m_normalFont;
  CFont m_boldFont;
  CToolTipCtrl m_visibleTip;
  CToolTipCtrl m_tankTip;
  std::string m_duplicate, m_duplicateFirst, m_duplicateSecond;
};
