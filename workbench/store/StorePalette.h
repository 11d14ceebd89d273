// The types a library, the simulation or a model holds: a name-indexed table
// that keeps the order in which types were added, the folders the types are
// listed in ("BlockTypeFolder"... and the user's folders below it), the
// libraries it uses, and the record of which names other definitions refer to.
//
// COM: IFTypePalette, IFFolderCollection and IFTypeRename; IFFolder gives the
// root folder; IFTypeTable is a view made by GetTypeTable.
//
// The C++ operations are what the store's own code, the builder and the files
// use; they do not ask whether the palette is read-only (building and loading
// a library fill a read-only palette). The COM operations are the user's and
// refuse changes to a read-only palette with FE_READONLY.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/com/ComObject.h"
#include "host/store/IFFolderCollection.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFTypeRename.h"
#include "workbench/store/BackLink.h"
#include "workbench/store/OrderedNameMap.h"
#include "workbench/store/StoreKind.h"

class CStoreFolder;
class CStoreType;
class CTypeTableView;

class CStorePalette : public CComObject<IFTypePalette, IFFolderCollection, IFTypeRename>, public CLinkTarget {
 public:
  // owner: the type that owns the palette (a library, the simulation, a model).
  CStorePalette(std::string name, CStoreType* owner);
  ~CStorePalette() override;

  const std::string& Name() const { return m_name; }
  void SetName(std::string name) { m_name = std::move(name); }
  CStoreType* Owner() const { return m_owner.Get(); }
  bool IsReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
  // The owner is still part of the store (a palette of a deleted model is not).
  bool IsUsable() const;

  // ---- folders ----
  CStoreFolder* RootFolder() const { return m_root; }
  // The top folder called name (made when missing and create is set), or null.
  CStoreFolder* Folder(std::string_view name, bool create);
  // The folder that holds the types of a kind (made when missing).
  CStoreFolder* KindFolder(StoreKind kind);
  // The folder at a path of names below the root ({"BlockTypeFolder", "Units"}),
  // made on the way when create is set; null when a name is missing or not valid.
  CStoreFolder* FolderPath(const std::vector<std::string>& names, bool create, DWORD flags = 0);

  // ---- the types held here ----
  CStoreType* Find(std::string_view name) const;
  // A type visible here: held here, else in a used library (searched in the
  // order they were added, each library once).
  CStoreType* FindVisible(std::string_view name) const;
  std::size_t TypeCount() const;
  // Every type held here, in the order they were added.
  std::vector<CComPtr<CStoreType>> Types() const;
  std::vector<CComPtr<CStoreType>> TypesOfKind(StoreKind kind) const;

  // Places a free-standing type here under its own name, in folder (its
  // kind's folder when null; nothing for kinds no folder holds).
  // FE_INVALIDNAME, FE_NAMEEXISTS, E_INVALIDARG for a type held elsewhere.
  HRESULT Place(CStoreType* type, CStoreFolder* folder = nullptr);
  // Takes a type out (not asking whether it is in use); it is marked deleted.
  HRESULT Remove(std::string_view name);
  // Checks and removes: FE_NOTFOUND, FE_INUSE.
  HRESULT Delete(std::string_view name);
  // Gives a type a new name: its text's header, its folders and, when
  // patchReferences is set, every definition here (and in palettes that use
  // this one) that refers to it. FE_NOTFOUND, FE_INVALIDNAME, FE_NAMEEXISTS.
  HRESULT Rename(std::string_view oldName, const std::string& newName, bool patchReferences = true);
  // Another definition's text refers to the type, or instances of it exist.
  bool IsInUse(std::string_view name) const;
  // The types whose latest text refers to name (held here).
  std::vector<CStoreType*> ReferrersOf(std::string_view name) const;

  // ---- libraries this palette uses (a library's used libraries; every open library for the simulation) ----
  // Adds library last, or just before `before` when this palette uses that one.
  void AddUsedLibrary(CStoreType* library, const CStoreType* before = nullptr);
  void RemoveUsedLibrary(CStoreType* library);
  std::vector<CStoreType*> UsedLibraries() const;
  // Palettes that use this one and are still there.
  std::vector<CStorePalette*> Users() const;

  // ---- kept up to date by the types ----
  void NoteTextChanged(CStoreType* type, const std::vector<std::string>& oldReferences);
  void NoteCompileState(CStoreType* type);

  // ---- IUnknown: IFFolder gives the root folder ----
  HRESULT QueryInterface(REFIID iid, void** out) override;
  // ---- IFTypePalette ----
  HRESULT GetName(std::string& name) override;
  HRESULT GetOwnerType(IFType** owner) override;
  HRESULT FindType(const std::string& name, IFTypeDesc** desc) override;
  HRESULT AddType(const std::string& name, IFType* type) override;
  HRESULT EnumTypes(DWORD mask, IEnum<IFType>** types) override;
  HRESULT GetTypeTable(IFTypeTable** table) override;
  // ---- IFFolderCollection ----
  HRESULT GetFolder(const std::string& name, bool create, IFFolder** folder) override;
  // ---- IFTypeRename ----
  HRESULT RenameType(const std::string& oldName, const std::string& newName) override;

 private:
  void IndexReferences(CStoreType* type);
  void UnindexReferences(CStoreType* type, const std::vector<std::string>& references);
  void EnsureReferenceIndex() const;
  bool ReferencedFromElsewhere(std::string_view name, const CStoreType* self) const;

  std::string m_name;
  CBackLink<CStoreType> m_owner;
  bool m_readOnly = false;
  CComPtr<CStoreFolder> m_root;
  CComPtr<CTypeTableView> m_typeTable;  // made on first request
  COrderedNameMap<CComPtr<CStoreType>> m_types;
  std::vector<CBackLink<CStoreType>> m_usedLibraries;
  std::vector<CBackLink<CStorePalette>> m_users;
  // Lower-case referenced name -> the types here whose latest text refers to it. Built on first use.
  mutable std::unordered_map<std::string, std::unordered_set<CStoreType*>> m_referrers;
  mutable bool m_referrersBuilt = false;
};
