// A named folder of a palette: its sub-folders and the types it lists, in the
// order they were added, and the toolbar settings of a user folder (order
// among the shown groups, description, tank icon). A folder holds its types
// and sub-folders with counted references and points back to its parent and
// its palette without one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/com/ComObject.h"
#include "host/store/IFFolder.h"
#include "workbench/store/BackLink.h"
#include "workbench/store/OrderedNameMap.h"

class CStorePalette;
class CStoreType;

class CStoreFolder : public CComObject<IFFolder>, public CLinkTarget {
 public:
  CStoreFolder(std::string name, DWORD flags, CStorePalette* palette, CStoreFolder* parent);
  ~CStoreFolder() override;

  const std::string& Name() const { return m_name; }
  DWORD Flags() const { return m_flags; }
  CStoreFolder* Parent() const { return m_parent.Get(); }
  CStorePalette* Palette() const { return m_palette.Get(); }
  // The names from the palette's root down to this folder ({"BlockTypeFolder", "Units"}).
  std::vector<std::string> Path() const;

  // Folders nest at most this deep below the palette's root: every walk over
  // folders (listing, saving, finding an item, deleting) goes down them one call per level.
  static constexpr std::size_t kMaxDepth = 256;
  // How many folders lie between the palette's root and this one (the root is 0).
  std::size_t Depth() const;

  CStoreFolder* SubFolder(std::string_view name) const;
  // The sub-folder called name, made (with flags) when missing; null for an
  // invalid name or when it would lie deeper than kMaxDepth.
  CStoreFolder* MakeSubFolder(const std::string& name, DWORD flags);
  std::vector<CComPtr<CStoreFolder>> SubFolders() const;

  bool Holds(std::string_view name) const;
  CStoreType* Item(std::string_view name) const;
  std::vector<CComPtr<CStoreType>> Items() const;
  std::size_t ItemCount() const;
  // False when an item of the name is listed already.
  bool Insert(CStoreType* type);
  bool Erase(std::string_view name);
  bool RenameItem(std::string_view oldName, const std::string& newName);
  // The folder (this one or one below, depth first) that lists an item called name.
  CStoreFolder* FindHolder(std::string_view name);
  // No types here or in any folder below.
  bool IsEmptyTree() const;

  // Detaches this folder and everything below (the palette is going away, or
  // the folder was removed): what is left answers FE_STALE to every change.
  void Dismantle();

  // ---- IFFolder ----
  HRESULT GetName(std::string& name) override;
  HRESULT SetName(const std::string& name) override;
  HRESULT GetParent(IFFolder** parent) override;
  HRESULT CreateFolder(const std::string& name, DWORD flags, IFFolder** folder) override;
  HRESULT FindFolder(const std::string& name, IFFolder** folder) override;
  HRESULT RemoveFolder(const std::string& name) override;
  HRESULT EnumFolders(IEnum<IFFolder>** folders) override;
  HRESULT EnumTypes(IEnum<IFTypeDesc>** types) override;
  HRESULT FindItem(const std::string& name, IFDesc** item) override;
  HRESULT AddItem(IFDesc* item) override;
  HRESULT RemoveItem(const std::string& name) override;
  HRESULT GetToolbarOrder(int* order) override;
  HRESULT SetToolbarOrder(int order) override;
  HRESULT GetDescription(std::optional<std::string>& description) override;
  HRESULT SetDescription(const std::optional<std::string>& description) override;
  HRESULT GetTankIcon(int* tankIcon) override;
  HRESULT SetTankIcon(int tankIcon) override;

 private:
  bool IsWritable() const;

  std::string m_name;
  DWORD m_flags;
  CBackLink<CStorePalette> m_palette;
  CBackLink<CStoreFolder> m_parent;
  COrderedNameMap<CComPtr<CStoreFolder>> m_folders;
  COrderedNameMap<CComPtr<CStoreType>> m_items;
  int m_toolbarOrder = 0;
  std::optional<std::string> m_description;
  int m_tankIcon = 0;
};
