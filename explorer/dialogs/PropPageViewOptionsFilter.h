// The "View" page of an Explorer's options (dialog 107): show every object
// type, or hide the checked ones. The excludable classes come from the local
// machine's catalogue, each shown by the name of a sample node of its class;
// the root's own class is never offered. OK rewrites the root's exclusion list
// and its registry copy; Cancel changes nothing.
#pragma once

#include <memory>
#include <vector>

#include "platform/PropertySheet.h"

class CExplorerContainerObject;
class CExplorerObject;

constexpr UINT IDD_VIEW_OPTIONS_FILTER = 107;
constexpr int IDC_INCLUDE_ALL_TYPES = 14021;
constexpr int IDC_EXCLUDE_LISTED_TYPES = 14041;
constexpr int IDC_OBJECT_TYPE_LIST = 14048;
constexpr int IDC_SELECT_ALL_TYPES = 14015;
constexpr int IDC_DESELECT_ALL_TYPES = 14016;

class CPropPageViewOptionsFilter : public CPropertyPage {
 public:
  explicit CPropPageViewOptionsFilter(CExplorerContainerObject* root);
  ~CPropPageViewOptionsFilter() override;

  static constexpr int kIncludeAll = 0;
  static constexpr int kExcludeListed = 1;
  int m_nMode = kIncludeAll;

  CButton m_SelectAll;
  CButton m_DeselectAll;
  CCheckListBox m_TypeList;

  bool OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool OnControlCommand(int id, UINT code) override;

 private:
  void SetMode(int mode);
  void FillTypeList();
  void CheckAll(int check);

  CExplorerContainerObject* m_pRoot;
  // One sample node per offered class, kept as the list items' data.
  std::vector<std::unique_ptr<CExplorerObject>> m_samples;
};
