// The "View" page of an Explorer's options (dialog 107): show every object
// type, or hide the checked ones. The excludable classes come from the local
// machine's catalogue, each shown by the name of a sample node of its class;
// the root's own class is never offered. OK rewrites the root's exclusion list
// and its registry copy; Cancel changes nothing.
#pragma once

#include <memory>
#include <vector>

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "platform/PropertySheet.h"

class CExplorerContainerObject;
class CExplorerObject;

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
