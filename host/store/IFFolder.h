// A named folder of a library: sub-folders, the types it holds, and the
// settings of a user folder as a group of the model-library toolbar.
#pragma once

#include <optional>
#include <string>

#include "host/com/Enum.h"

struct IFDesc;
struct IFTypeDesc;

inline const IID IID_IFFolder = GUID::FromString("{0A2E6C78-BBBD-11CE-B473-CAB837A117FF}");

struct IFFolder : IUnknown {
  static const IID& Iid() { return IID_IFFolder; }

  virtual HRESULT GetName(std::string& name) = 0;
  // FE_NAMEEXISTS when a sibling already has the name.
  virtual HRESULT SetName(const std::string& name) = 0;
  // E_FAIL for a top folder.
  virtual HRESULT GetParent(IFFolder** parent) = 0;

  // A new sub-folder; FE_NAMEEXISTS when one of that name exists. flags as given (user folders: 0x10000).
  virtual HRESULT CreateFolder(const std::string& name, DWORD flags, IFFolder** folder) = 0;
  // FE_NOTFOUND when there is no sub-folder of that name.
  virtual HRESULT FindFolder(const std::string& name, IFFolder** folder) = 0;
  // Removes a sub-folder; FE_NOTEMPTY while it holds types or folders.
  virtual HRESULT RemoveFolder(const std::string& name) = 0;
  virtual HRESULT EnumFolders(IEnum<IFFolder>** folders) = 0;

  // The types held directly in this folder.
  virtual HRESULT EnumTypes(IEnum<IFTypeDesc>** types) = 0;
  // FE_NOTFOUND when the folder holds no item of that name.
  virtual HRESULT FindItem(const std::string& name, IFDesc** item) = 0;
  // FE_NAMEEXISTS when an item of the same name is held already.
  virtual HRESULT AddItem(IFDesc* item) = 0;
  virtual HRESULT RemoveItem(const std::string& name) = 0;

  // The setters answer FE_READONLY in a read-only library and FE_STALE once the folder was removed.
  // Place among the shown toolbar groups: 1, 2, 3...; negative: not shown; 0: never set.
  virtual HRESULT GetToolbarOrder(int* order) = 0;
  virtual HRESULT SetToolbarOrder(int order) = 0;
  // The description; no value when there is none.
  virtual HRESULT GetDescription(std::optional<std::string>& description) = 0;
  virtual HRESULT SetDescription(const std::optional<std::string>& description) = 0;
  // Negative: the folder's models have no tank icon; 0 or positive: they have one.
  virtual HRESULT GetTankIcon(int* tankIcon) = 0;
  virtual HRESULT SetTankIcon(int tankIcon) = 0;
};
