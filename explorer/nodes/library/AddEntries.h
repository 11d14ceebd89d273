// The "Add" entries: one pseudo-row per kind, placed first in the contents
// pane of an editable folder. Opening one asks for a name, creates the new
// object, opens it in the text editor where it has text and announces it to
// the Explorer. Every entry is built from the instance of the container that
// lists it (a library, the types folder, a model, the simulation) and the
// Explorer window that shows it.
#pragma once

#include <string>

#include "explorer/nodes/library/AddEntry.h"
#include "host/store/IFFolder.h"

class CQVEOAddVariableType : public CQVEOAddEntry {
 public:
  CQVEOAddVariableType(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

class CQVEOAddPortType : public CQVEOAddEntry {
 public:
  CQVEOAddPortType(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

class CQVEOAddProcedure : public CQVEOAddEntry {
 public:
  CQVEOAddProcedure(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

class CQVEOAddFunction : public CQVEOAddEntry {
 public:
  CQVEOAddFunction(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

// In a user folder the new model moves into that folder's "BlockTypeFolder".
class CQVEOAddModel : public CQVEOAddEntry {
 public:
  CQVEOAddModel(IFInstance* instance, CWnd* owner, IFFolder* targetFolder = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
  IFFolder* GetTargetFolder() const { return m_pTargetFolder; }

 private:
  CComPtr<IFFolder> m_pTargetFolder;
};

// In a user folder the new structure type moves into that folder's "StructureTypeFolder".
class CQVEOAddStructure : public CQVEOAddEntry {
 public:
  CQVEOAddStructure(IFInstance* instance, CWnd* owner, IFFolder* targetFolder = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
  IFFolder* GetTargetFolder() const { return m_pTargetFolder; }

 private:
  CComPtr<IFFolder> m_pTargetFolder;
};

class CQVEOAddStreamType : public CQVEOAddEntry {
 public:
  CQVEOAddStreamType(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

// The kind (integer, logical, real, string) is chosen in the name dialog.
class CQVEOAddParameterType : public CQVEOAddEntry {
 public:
  CQVEOAddParameterType(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

// A new icon of the model the entry sits in, opened in the icon editor.
class CQVEOAddIcon : public CQVEOAddEntry {
 public:
  CQVEOAddIcon(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

class CQVEOAddScript : public CQVEOAddEntry {
 public:
  CQVEOAddScript(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

// mode 0: a task of the simulation document; otherwise a task definition of a palette.
class CQVEOAddTask : public CQVEOAddEntry {
 public:
  CQVEOAddTask(IFInstance* instance, CWnd* owner, int mode = 0);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
  int GetMode() const { return m_nMode; }

 private:
  void CreateDocumentTask();
  void CreatePaletteTask();
  int m_nMode = 0;
};

class CQVEOAddComponentList : public CQVEOAddEntry {
 public:
  CQVEOAddComponentList(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

// A new user folder with its two sub-folders, made in a parent host folder:
// the one given, or the sub-folder of that name of the instance's palette.
class CQVEOAddUserFolder : public CQVEOAddEntry {
 public:
  CQVEOAddUserFolder(IFInstance* instance, CWnd* owner, IFFolder* parentFolder);
  CQVEOAddUserFolder(IFInstance* instance, CWnd* owner, const std::string& folderName = "");
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
  IFFolder* GetParentFolder() const { return m_pParentFolder; }
  // The shared command ID_EXPLORER_DEFAULT_ACTION/ID_EXPLORER_OPEN of this entry.
  void CreateUserFolder();

 private:
  CComPtr<IFFolder> m_pParentFolder;
};

// "Open Library": a library file chosen in the file dialog joins the document.
class CQVEOAddLibrary : public CQVEOAddEntry {
 public:
  CQVEOAddLibrary(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};

// The host runs its own form creation on the model's form container.
class CQVEOAddFormInstance : public CQVEOAddEntry {
 public:
  CQVEOAddFormInstance(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
  void AddFormInstance();
};

// The model's help form: " Add Help" until it exists, then "<model> Help",
// which can also be deleted.
class CQVEOAddHelpInstance : public CQVEOAddEntry {
 public:
  CQVEOAddHelpInstance(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int HelpExists() const { return m_bHelpExists; }

 private:
  void DeleteHelp();
  std::string m_ownerName;
  int m_bHelpExists = 0;
};

// A new global table (a form) of the simulation.
class CQVEOAddGlobalTable : public CQVEOAddEntry {
 public:
  CQVEOAddGlobalTable(IFInstance* instance, CWnd* owner);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  void Create() override;
};
