// What block, stream and controller types (and structure types) share: a
// container node for one model type that lists what the model owns (its Add
// entries, its text, scripts, icons, forms and tasks), offers the model
// commands (edit, compile, copy, move, export, update instances to the custom
// model, package properties), takes pasted or dropped models, scripts and
// icons, and serves drags onto the flowsheet.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IRModelType.h"
#include "host/store/IFType.h"

// What a model's contents pane lists besides its text and scripts.
struct ModelContentsShape {
  bool addIcon = true;  // " Add Icon" (stream types have none)
  bool icons = true;
  bool tasks = true;
  bool help = true;     // " Add Help" or the help entry
};

class CQVExplorerModelTypeObject : public CExplorerContainerObject, public IExplorerModelTypeNode {
 public:
  using CExplorerContainerObject::ShowContents;

  // The compiled-types folder whose entries mark models that failed to compile.
  static constexpr const char* kCompiledModelFolder = "CompiledModelFolder";

  CQVExplorerModelTypeObject(IFInstance* type, CExplorerExclusionList* exclusionList, UINT openIconId,
                             UINT normalIconId, CWnd* owner, int readOnly);
  CQVExplorerModelTypeObject(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, UINT openIconId,
                             UINT normalIconId, CWnd* owner, int readOnly);

  void GetStatus() override;
  // Aspect 0: the model's name; aspect 2: the status text. Subclasses answer aspect 1.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  DWORD DoDragDrop() override;
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;
  int SelfDestruct(int confirm) override;

  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  void Export() override;
  int CanExport() override { return 1; }
  void ShowPackageProperties() override;
  IRModelType* GetModelType() override;
  int IsDefaultForm(const std::string& formName) override;
  void SetDefaultForm(const std::string& formName) override;

  int IsHierarchyType() override { return 0; }

  // The model's type itself (null when it is gone).
  CComPtr<IFType> GetModelTypeObject();
  // The model's name ("" when it cannot be had).
  std::string GetName();
  int IsReadOnly() const { return m_bReadOnly; }
  // Read-only or built-in: only viewing commands.
  bool IsEditable() const { return !m_bReadOnly && m_nStatus != EO_STATUS_SYSTEM; }

  // Pastes a model, script or icon carried by data with effect (copy or move). 1 when something was added.
  virtual int PasteData(COleDataObject& data, DWORD effect);
  // Writes the model's clipboard entries into data; false when the model is gone.
  virtual bool OfferClipboardData(COleDataSource& data);
  // Copies the model to the clipboard.
  // forMove: a cut, taken away by its paste.
  void CopyToClipboard(bool forMove = false);

 protected:
  // True for stream-type nodes: the kind dragged models must have to be pasted here.
  virtual bool IsStreamTypeNode() { return false; }
  // The text editor's kind for this model and whether it opens read-only.
  virtual DWORD EditorKind() { return 0x20000; }
  virtual bool EditorReadOnly() { return m_bReadOnly != 0; }
  virtual int ExportMode() { return 1; }
  virtual ModelContentsShape ContentsShape() { return {}; }
  // The properties sheet (ID_EXPLORER_PROPERTIES).
  virtual void ShowProperties();

  void OpenInEditor();
  void UpdateToCustomModel();
  CComPtr<IQVFormContainer> GetFormContainer();
  // The owned items after the Add entries: text, scripts, icons, forms and tasks as shape says.
  void ShowOwnedItems(CListCtrl& list, const ModelContentsShape& shape);
  // Pasting a script or an icon; 1 when one was added.
  int PasteScript(COleDataObject& data, DWORD effect);
  int PasteIcon(COleDataObject& data, DWORD effect);

 private:
  void ShowAddEntries(CListCtrl& list, const ModelContentsShape& shape);
  int PasteModel(COleDataObject& data, DWORD effect);

  CComPtr<IRModelType> m_pModelType;
};
