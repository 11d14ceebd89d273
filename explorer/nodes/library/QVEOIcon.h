// An icon of a model in its contents pane: edited in the host's icon editor,
// copied, pasted, deleted, given a new name and made the model's default.
// Icons of stream types are display-only, and the "System" icon can be
// neither edited, copied, deleted nor given a new name.
#pragma once

#include "explorer/nodes/library/EOModelIcon.h"

class CQVEOIcon : public CEOModelIcon {
 public:
  CQVEOIcon(IQVIcon* icon, CExplorerContainerObject* ownerNode, CWnd* owner, int readOnly);
  // The icon an instance stands for (the factory's form).
  CQVEOIcon(IFInstance* iconInstance, CWnd* owner, CExplorerContainerObject* ownerNode, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 0: the icon's name; aspect 1: "Icon".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int GetOverlay(int& state) override;
  int SelfDestruct(int confirm) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  bool IsStreamTypeIcon() const { return m_bStreamOwner; }
  bool IsSystemIcon() const { return m_bSystemIcon; }
  // The model's icon collection takes this icon as its default.
  void MakeDefault();

 private:
  void CopyToClipboard();
  void PasteFromClipboard();

  bool m_bStreamOwner = false;
  bool m_bSystemIcon = false;
};
