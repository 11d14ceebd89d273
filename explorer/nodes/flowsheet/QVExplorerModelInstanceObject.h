// What blocks, streams and global structure instances share: a node for one
// model instance of the flowsheet that shows its name, model type, status and
// statistics, lists the blocks and streams inside it with its forms, scripts
// and tasks, opens its properties, renames it through the host and tells
// whether it sits directly in the top-level flowsheet.
#pragma once

#include <string>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/model/IRModel.h"

class CQVExplorerModelInstanceObject : public CExplorerContainerObject, public IExplorerModelInstanceNode {
 public:
  using CExplorerContainerObject::ShowContents;

  CQVExplorerModelInstanceObject(IFInstance* instance, CExplorerExclusionList* exclusionList, UINT openIconId,
                                 UINT normalIconId, CWnd* owner);

  // Same class and the same place in the flowsheet.
  int operator==(CExplorerObject& other) override;
  void GetStatus() override;
  // Aspect 0: the model's name; 1: its type's name; 2: the status; 4-6: the statistics.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int GetSortVal(int column, int& value) override;
  int GetSortVal(int column, std::string& value) override;
  int GetSortVal(int column, double& value) override { return CExplorerContainerObject::GetSortVal(column, value); }
  int IsValid() override;

  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

  // The statistics columns are counted again at every read while this is set.
  void SetStatisticsFlag(int on) override { m_bStatistics = on; }
  int m_bStatistics = 1;

 protected:
  // The end of a block's or stream's menu: Copy; Cut and Rename unless a run
  // holds the flowsheet; a separator; Properties.
  void AddUnitEditEntries(CContextMenuBuilder& build);
  // The commands blocks and streams share: explore, paste (a beep), rename,
  // copy and cut through the flowsheet, find. False for any other id.
  bool DoUnitCommand(UINT id);
  // Renames to newName from the label and tells the document (a stream's or a
  // block's rename). Always 0: the label follows the rename's notices.
  int EditUnitLabel(const std::string& newName, bool stream);
  // The model-instance properties sheet titled captionId.
  void ShowProperties(UINT captionId);
  // Renames the instance; oldName receives the name it had. On refusal the
  // host's reason is shown ("Operation Failed") and the result is false; an
  // unchanged name is no rename.
  bool Rename(const std::string& newName, std::string& oldName);
  // The block or stream is one of the top-level flowsheet's own, judged by
  // the labels of the Explorer's tree around the selected item.
  bool IsInTopFlowsheet();
  // The flowsheet changes refused while a run holds it.
  static bool FlowsheetIsLocked();
  // The instance's path below the flowsheet ("Train2.T201").
  std::string InstancePath();
  // Opens the host's variable finder from this instance.
  void FindVariables();
  // The model's own type (null when it has none).
  CComPtr<IRModelType> ModelType();

  CComPtr<IRModel> m_pModel;

 private:
  void UpdateStatistics();

  std::string m_strEquations;
  std::string m_strVariables;
  std::string m_strDegreesOfFreedom;
};
