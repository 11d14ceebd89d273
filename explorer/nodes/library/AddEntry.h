// What every "Add" entry shares: a label from the string table (aspect 0, with
// its leading blank), an empty type text, the one menu command "&Open", and
// the creation it runs on a double-click or on "&Open". Copy, cut and paste
// only beep. An entry is never read-only: folders place it only where new
// objects can be made.
#pragma once

#include <functional>
#include <string>

#include "explorer/core/ExplorerObject.h"
#include "host/store/IFType.h"
#include "platform/Types.h"

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

  // Shows a fresh name dialog of class Dialog, captioned titleId and proposing
  // the name last entered, until accept takes the answer. False on Cancel.
  template <class Dialog>
  bool AskUntilAccepted(UINT titleId, const std::function<bool(Dialog&)>& accept) {
    std::string lastName;
    for (;;) {
      Dialog dialog(titleId, nullptr);
      dialog.m_strName = lastName;
      if (dialog.DoModal() != IDOK) return false;
      lastName = dialog.m_strName;
      if (accept(dialog)) return true;
    }
  }

  // A create operation of the type operations: name in, new type out, 1 on success.
  using TypeCreation = std::function<int(const std::string& name, IFType** created)>;
  // Asks for a name (object-name dialog titled titleId) and creates the type,
  // asking again after a failure (the operation has said why). The new type,
  // or null on Cancel; name receives the name it was made with.
  CComPtr<IFType> AskAndCreateType(UINT titleId, const TypeCreation& create, std::string& name);
  // AskAndCreateType, then the new type opens in the text editor. The new type or null.
  CComPtr<IFType> AskCreateAndEdit(UINT titleId, const TypeCreation& create, DWORD editorKind);
  // Opens a new definition in the text editor: not read-only, option 0.
  static void LaunchEditor(IFType* palette, IFType* type, const std::string& name, DWORD editorKind);

 private:
  UINT m_nLabelId;
  UINT m_nIconId;
};
