// The operations all explorer nodes share: the node factory and the settings
// key of a node class, creating new types from modelling-language templates,
// copying (cloning) types into another palette under a free name, moving types
// between folders, compiling, generating names, telling every Explorer that an
// object was added or moved, reading and writing type texts, and the system's
// message boxes. A class of static operations only.
#pragma once

#include <string>

#include "host/com/ComPtr.h"
#include "host/store/IFDesc.h"
#include "host/store/IFFolder.h"
#include "host/store/IFInstance.h"
#include "host/store/IFType.h"
#include "host/store/IFTypeDesc.h"
#include "host/store/IFTypePalette.h"
#include "platform/Guid.h"
#include "platform/Ole.h"

class CExplorerExclusionList;
class CExplorerObject;
class CRQVDocument;
class CWnd;

// Captions of the literal message boxes.
inline constexpr const char* kSorryCaption = "Sorry!";
inline constexpr const char* kExplorerCaption = "Explorer";
inline constexpr const char* kFileLoadFailureCaption = "File load failure";
inline constexpr const char* kFileLoadFailureText =
    "Please make any changes you require in the edit window provided\nuntil the file has loaded successfully.";

// The version part of the settings keys ("%d.%d" of 38 and 0).
inline constexpr int kSettingsMajorVersion = 38;
inline constexpr int kSettingsMinorVersion = 0;

// Parameter type kinds (the parameter name dialog's choice).
constexpr int QV_PARAMETER_INTEGER = 0;
constexpr int QV_PARAMETER_LOGICAL = 1;
constexpr int QV_PARAMETER_REAL = 2;
constexpr int QV_PARAMETER_STRING = 3;

class CQVExplorer {
 public:
  CQVExplorer() = delete;

  // ---- factory and settings
  // A new node of class classId for instance (each argument may be null), owned
  // by the caller; null for a class the factory does not make.
  static CExplorerObject* Manufacture(REFGUID classId, IFInstance* instance, CExplorerExclusionList* exclusionList,
                                      CWnd* owner);
  // The current user's settings key of a node class; 0 (key unchanged) when it cannot be formed.
  static int GetSettingsRegistryKeyName(REFGUID classId, std::string& key);
  // "Software\Velloran\ZNSystem\38.0\Explorer\Settings", shared by all node classes.
  static std::string GetSettingsRootKeyName();
  // "Software\Velloran\ZNSystem\38.0\Explorer Objects": the local machine's catalogue of excludable classes.
  static std::string GetExplorerObjectsKeyName();

  // ---- creating types; msName remembers the requested name
  static int CreateModel(IFType* parent, const std::string& name, IFType** out, int message);
  static int CreateStructureType(IFType* parent, const std::string& name, IFType** out, int message);
  static int CreateStreamType(IFType* parent, const std::string& name, IFType** out, int message);
  static int CreateVariableType(IFType* parent, const std::string& name, IFType** out, int message);
  static int CreateParameterType(IFType* parent, const std::string& name, int kind, IFType** out, int message);
  static int CreatePortType(IFInstance* parent, const std::string& name, IFType** out, int message);
  static int CreateProcedure(IFInstance* parent, const std::string& name, IFType** out, int message);
  static int CreateFunction(IFInstance* parent, const std::string& name, IFType** out, int message);
  static int CreateScript(IFType* parent, const std::string& name, int message, IFType** out);
  static int CreateIcon(IFInstance* owner, const std::string& name, IFType** out, int message,
                        const STGMEDIUM* initialData);

  // ---- copying and moving
  static int CloneType(IFType* source, IFType* destination, int move, IFTypeDesc** out);
  static int CloneModel(IFType* source, IFType* destination, int move, IFTypeDesc** out, int streamType);
  static int CloneGlobalStructureType(IFType* source, IFType* destination, int move, IFTypeDesc** out);
  static int CloneScript(IFType* source, IFType* destination, int move);
  static int CloneFlowsheetTask(IFType* source, IFType* destination, int move);
  static int CloneComponentList(const std::string& name);
  static int CopyIcon(IFInstance* owner, const STGMEDIUM* iconData);
  static void CopyModelIconDefaults(IFType* source, IFType* destination);
  static void CopyModelFormDefaults(IFType* source, IFType* destination);
  // May source move into destination's palette? A definition of the same name
  // there that is not in use is deleted, to be replaced.
  static int CheckTypeMove(IFType* source, IFType* destination);
  static int MovetoFolder(IFType* paletteOwner, const std::string& kindFolderName, IFFolder* target, IFDesc* item);
  static int RemoveItemFromFolder(IFFolder* folder, IFDesc* item);

  // ---- names
  // A free name for a copy of wanted in palette, asking the user when wanted is taken.
  static int GenerateName(IFTypePalette* palette, const std::string& wanted, std::string& result);
  // text with the name after its keyword replaced, when that name is oldName (case ignored).
  static std::string ChangeNameinText(const std::string& text, const std::string& oldName,
                                      const std::string& newName);
  static void SetName(const std::string& name) { msName = name; }

  // ---- compiling and the host
  static int Compile(IFType* type, int message, int extended);
  // The descriptor of the simulation's "Hierarchy" type, or null.
  static CComPtr<IFTypeDesc> GetHierarchyModel();
  static void SendNewObjectNotify(IFType* newType, REFGUID classId, CExplorerObject* parent);
  static void SendMovedObjectNotify(const std::string& name, REFGUID classId, CExplorerObject* parent);

  // ---- type texts
  // The type's text: "Non-embedded Text" for plain-text types, else the
  // current modelling-language text, or the full text with uncompiled edits.
  static int ReadTypeText(IFType* type, int full, std::string& text);
  // Sets a type's text in a format; modelling-language formats go through the host parser.
  static int WriteTypeText(IFType* type, const std::string& formatName, const std::string& text);

  // ---- message boxes
  // Text and caption from the string table (caption 0: "Operation Failed").
  // A create operation's failure message gets the "Add ... Error" caption and,
  // when a name was asked for, names it. Returns the button pressed.
  static int DisplayMessage(UINT textId, UINT captionId, UINT type, HWND parent);
  static int DisplayMessage(const std::string& text, UINT captionId, UINT type, HWND parent);
  // "Add <kind> Error" for a create operation's failure message; empty otherwise.
  static void CreateTitle(std::string& title, UINT messageId, UINT unused = 0);
  // A box with a literal caption ("Sorry!", "Explorer") over the main window.
  static int ShowMessage(const std::string& text, const std::string& caption, UINT type);
  // True, after telling the user, while the document's last file load failed.
  static bool RefuseWhileFileLoadFailed();
  static CRQVDocument* GetCurrentDocument();

  // The name last asked for by a create operation; used once by DisplayMessage.
  static inline std::string msName;
};
