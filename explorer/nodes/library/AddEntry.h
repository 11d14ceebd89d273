// What every "Add" entry shares: a label from the string table (aspect 0, with
// its leading blank), an empty type text, the one menu command "&Open", and
// the creation it runs on a double-click or on "&Open". Copy, cut and paste
// only beep. An entry is never read-only: folders place it only where new
// objects can be made.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"
#include "host/store/IFType.h"

class CQVEOAddEntry : public CExplorerObject {
 public:
  // instance: the palette owner (a library, the types folder, a model, the simulation).
  CQVEOAddEntry(IFInstance* instance, UINT labelId, UINT iconId, CWnd* owner);

  int GetClassName(std::string& name) override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  // An entry stands for no type: it lives as long as its row.
  int IsValid() override { return 1; }

  // Asks for a name and makes the new object; nothing happens on Cancel.
  virtual void Create() = 0;

  UINT GetLabelId() const { return m_nLabelId; }
  UINT GetIconId() const { return m_nIconId; }

 protected:
  // The palette new types are made in: the type of the entry's instance; null without one.
  CComPtr<IFType> GetPalette();

 private:
  UINT m_nLabelId;
  UINT m_nIconId;
};
