// What the leaf nodes of single type definitions share (variable, port and
// parameter types, procedures and functions): a status read from the
// palette's compiled-types folder, editing in the text editor (read-only for
// library and built-in types), copy, cut, paste and drag through the kind's
// clipboard format, deletion with its update hint, renaming, compiling and
// exporting the one definition. A member class describes its kind with a
// TypeLeafTraits record and adds only what the kind does besides.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"
#include "host/store/IFType.h"
#include "platform/Ole.h"

struct TypeLeafTraits {
  UINT classNameId;            // the kind's name ("Variable Type")
  UINT iconId;                 // both icon slots
  const CLIPFORMAT* format;    // clipboard and drag format of the kind
  DWORD editorKind;            // the text editor's kind code
  const char* compiledFolder;  // the palette folder that lists the kind's types with errors
};

class CQVEOTypeLeaf : public CExplorerObject {
 public:
  int GetClassName(std::string& name) override;
  // The status of the type, from its palette's compiled-types folder.
  void GetStatus() override;
  // Aspect 0: the type's name; aspect 2: the status text.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  // Drags the type (copy or move allowed); the effect of the drop.
  DWORD DoDragDrop() override;
  // Library and built-in types keep their names.
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  // The type's name, from its descriptor; empty when the type is gone.
  std::string TypeName();
  // Offers the type on the clipboard in the kind's format. True when it was put there.
  // forMove: a cut, taken away by its paste.
  bool CopyToClipboard(bool forMove = false);

 protected:
  // instance: an instance whose type the node stands for.
  CQVEOTypeLeaf(IFInstance* instance, CWnd* owner, int readOnly, const TypeLeafTraits& traits);
  CQVEOTypeLeaf(IFTypeDesc* desc, CWnd* owner, int readOnly, const TypeLeafTraits& traits);

  // May the type be changed here: not in a library, not built in.
  bool IsChangeable() const { return !m_bReadOnly && m_nStatus != EO_STATUS_SYSTEM; }
  // The host type the node stands for; null once it is gone.
  CComPtr<IFType> HostType();
  // The type that owns the palette holding this type.
  CComPtr<IFType> PaletteOwner();
  // The menu up to and including Copy: "Ex&port...", "&Edit", "&Copy" with their separators.
  void AddCommonMenuHead(class CContextMenuBuilder& build);

  const TypeLeafTraits& Traits() const { return m_traits; }

 private:
  void Edit();
  void Cut();
  void Paste();
  void Delete();
  void CompileDefinition();
  void ExportDefinition();

  TypeLeafTraits m_traits;
};
