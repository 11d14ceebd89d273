// One definition of the store: a model, stream type, variable type, port
// type, procedure, task, script, icon, form, a library's type or the
// simulation's own type. The object is the type and its descriptor at once
// (IFType and IFTypeDesc), with its names (IFNaming), compile status
// (IFCompileStatus) and texts (IDataObject). The interfaces of its kind
// (IRModelType, IQVFormContainer, IQVIconCollection, IQVTasks, IQVScriptOwner,
// IQVStreamType, IQVPortType, IQVHierarchyType, IQVPhysicalQuantity, IQVTask,
// IQVFormDef, IQVIcon, IFRoot...) are answered by small view objects that hold
// the type, made when asked.
//
// A palette holds its types with counted references; a type points back to
// its palette without one. Deleting a type only takes it out of its palette:
// whoever still holds it keeps a living object that reports itself unusable.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/ParseReport.h"
#include "host/com/ComObject.h"
#include "host/com/DataObject.h"
#include "host/model/IQVStreamType.h"
#include "host/store/IFCompileStatus.h"
#include "host/store/IFNaming.h"
#include "host/store/IFType.h"
#include "host/store/IFTypeDesc.h"
#include "workbench/store/BackLink.h"
#include "workbench/store/StoreKind.h"
#include "workbench/store/TypeTexts.h"

class CStore;
class CStoreFolder;
class CStoreInstance;
class CStorePalette;
struct Definition;

class CStoreType : public CComObject<IFType, IFTypeDesc, IFCompileStatus, IFNaming, IDataObject>,
                   public CLinkTarget {
 public:
  CStoreType(StoreKind kind, std::string name, DWORD flags = 0);
  ~CStoreType() override;

  // ---- what the store, the builder and the files read and set ----
  StoreKind Kind() const { return m_kind; }
  const std::string& Name() const { return m_name; }
  DWORD Flags() const { return m_flags; }
  void SetFlags(DWORD flags) { m_flags = flags; }
  DWORD Identity() const { return m_identity; }
  // Flag bit 20 or 22: a built-in type that cannot be changed.
  bool IsBuiltIn() const;
  // The class the type reports: its kind's, or a form's own class.
  CLSID ClassId() const;

  // The palette that holds the type (null while free-standing or once gone).
  CStorePalette* HoldingPalette() const { return m_palette.Get(); }
  // The palette of what the type owns (made on first use); null for kinds that own none.
  CStorePalette* OwnedPalette();
  // The instance that stands for the type (made on first use).
  CStoreInstance* DefaultInstance();
  // The type this one belongs to without being held in a palette: a form's owner.
  CStoreType* OwnerType() const;

  // Still part of the store: not deleted and held by something that is usable.
  bool IsUsable() const;
  bool IsDeleted() const { return m_deleted; }
  // Held in a read-only library (the palette chain up to a library).
  bool IsInReadOnlyLibrary() const;
  // The library that holds the type (the simulation's own types: null).
  CStoreType* HoldingLibrary() const;

  // ---- texts ----
  const CTypeTexts& Texts() const { return m_texts; }
  const std::string& Text() const { return m_texts.Latest(); }
  std::string FullText() const { return m_texts.Full(); }
  // A new latest text, kept verbatim and not compiled. Scripts and icons keep
  // only this text.
  void SetText(std::string text);
  // Restores the good and latest texts as kept, marking the type's compile state.
  void RestoreTexts(std::string good, std::string latest, bool hasErrors);
  // The outcome of compiling text: without errors it becomes the good text,
  // with errors it stays the latest and the type is listed as failing.
  void RecordCompile(std::string text, QVParseReport report);
  bool HasErrors() const { return m_hasErrors; }
  // The report of the last create or compile (empty for types made otherwise).
  const QVParseReport& LastReport() const;
  // The definition read from the latest text (read on first use after a change);
  // null for kinds without modelling-language text or a text that holds none.
  const Definition* ParsedDefinition() const;
  // The type names the latest text refers to, each once.
  const std::vector<std::string>& ReferencedNames() const;
  // Counts every change of any definition in the process (a text, a compile,
  // a type placed, removed or renamed): what is built from the definitions is
  // built again when it moves.
  static unsigned DefinitionsGeneration();
  static void NoteDefinitionsChanged();
  // Counts changes of the latest text (instances re-read their declared members when it moves).
  unsigned TextVersion() const { return m_textVersion; }

  // ---- what some kinds keep ----
  const std::string& Description() const;
  void SetDescription(std::string description);
  // Streams.
  const QVStreamDisplayRecord& DisplayRecord() const;
  void SetDisplayRecord(const QVStreamDisplayRecord& record);
  // Variable and parameter types: the "PhysicalQuantity" of the text, empty when none.
  std::string PhysicalQuantity() const;
  // Flowsheets: the constraints text last compiled without errors.
  const std::string& Constraints() const;
  void SetConstraints(std::string text);
  // Tasks: whether the task runs in the simulation.
  bool IsTaskActive() const;
  bool IsTaskActivatable() const;
  HRESULT SetTaskActive(bool active);
  // Forms: the form's class (table, plot...).
  void SetFormClass(REFCLSID formClass);
  // Libraries and the simulation: the file it was read from, and the store it belongs to.
  const std::string& FileName() const;
  void SetFileName(std::string fileName);
  // The text of that file as last read or written, and the same written
  // afresh from what the program made of it: saving keeps the file's own
  // text wherever the program still says what the baseline says.
  const std::string& FileText() const;
  const std::string& FileBaseline() const;
  void SetFileOrigin(std::string text, std::string baseline);
  CStore* Store() const;

  // ---- forms, icons, scripts, tasks of an owner ----
  // The forms of a model-like type or the simulation, made with the system form on first use.
  const std::vector<CComPtr<CStoreType>>& Forms();
  CStoreType* FindForm(std::string_view name);
  HRESULT AddForm(const std::string& name, REFCLSID formClass, const std::string& text, CStoreType** form = nullptr);
  HRESULT RemoveForm(std::string_view name);
  HRESULT RenameForm(std::string_view oldName, const std::string& newName);
  const std::string& DefaultFormName();
  HRESULT SetDefaultFormName(const std::string& name);
  // The icons of a model (in its palette); the "System" icon is made on first use.
  std::vector<CComPtr<CStoreType>> Icons();
  CStoreType* FindIcon(std::string_view name);
  HRESULT AddIcon(const std::string& name, const std::string& text, CStoreType** icon = nullptr);
  HRESULT RemoveIcon(std::string_view name);
  HRESULT RenameIcon(std::string_view oldName, const std::string& newName);
  const std::string& DefaultIconName();
  HRESULT SetDefaultIconName(const std::string& name);
  // The icons a file keeps for a model: those made so far, without the
  // "System" icon while it is still the generated one. Asking makes nothing.
  std::vector<CComPtr<CStoreType>> KeptIcons();
  // The default icon when it is one of KeptIcons; empty otherwise.
  std::string KeptDefaultIconName();
  // Scripts and tasks this type owns (in its owned palette), in the order they were added.
  std::vector<CComPtr<CStoreType>> OwnedOfKind(StoreKind kind);

  // ---- how the store keeps the type; called by palettes, folders and instances ----
  void AttachToPalette(CStorePalette* palette);
  void DetachFromPalette();
  void MarkDeleted();
  void SetName(std::string name, bool renameTextHeaders);
  // Follows another type's new name in this type's texts (latest and good).
  void RenameReferences(std::string_view oldName, std::string_view newName);
  void SetOwnerType(CStoreType* owner);
  void SetStore(CStore* store);
  void NoteHeldBy(CStoreFolder* folder);
  void NoteReleasedBy(CStoreFolder* folder);
  std::vector<CStoreFolder*> HoldingFolders() const;
  // Instances of this type made in a flowsheet: a type with any is in use.
  void AddInstanceUse();
  void RemoveInstanceUse();
  int InstanceUses() const;

  // ---- IUnknown: the kind's interfaces come from views ----
  HRESULT QueryInterface(REFIID iid, void** out) override;

  // ---- IFType / IFTypeDesc / IFDesc ----
  HRESULT GetName(std::string& name) override;
  HRESULT GetClassID(CLSID* classId) override;
  HRESULT GetFlags(DWORD* flags) override;
  HRESULT GetIdentity(DWORD* identity) override;
  HRESULT GetTypeDesc(IFTypeDesc** desc) override;
  HRESULT GetTypePalette(IFTypePalette** palette) override;
  HRESULT GetOwnedPalette(IFTypePalette** palette) override;
  HRESULT GetDefaultInstance(int index, DWORD flags, IFInstance** instance) override;
  HRESULT SetName(const std::string& name) override;
  HRESULT GetPalette(IFTypePalette** palette) override;
  HRESULT GetType(IFType** type) override;
  // ---- IFCompileStatus ----
  HRESULT HasErrors(bool* errors) override;
  // ---- IFNaming ----
  HRESULT IsUsable(bool* usable) override;
  HRESULT GetNames(std::string& libraryName, std::string& typeName) override;
  HRESULT IsLibraryType(bool* inLibrary) override;
  // ---- IDataObject ----
  HRESULT GetData(CLIPFORMAT format, STGMEDIUM* medium) override;
  HRESULT SetData(CLIPFORMAT format, const STGMEDIUM& medium) override;
  HRESULT QueryGetData(CLIPFORMAT format) override;

 private:
  // What only some types keep, made on first use so that a palette of many
  // plain models stays small.
  struct Extras;
  Extras& More();
  const Extras* Less() const { return m_extras.get(); }

  void EnsureForms();
  void UpdateCompiledFolder();
  void TextChanged();
  bool IsPlainText() const;

  // What showing a type reads (kind, flags, instance, name) comes first, in
  // as few cache lines as possible: a pane of 100 000 types reads each once.
  StoreKind m_kind;
  bool m_deleted = false;
  bool m_hasErrors = false;
  mutable bool m_parsedValid = false;
  DWORD m_flags;
  DWORD m_identity;
  CComPtr<CStoreInstance> m_defaultInstance;  // released first when the type goes
  std::string m_name;
  unsigned m_textVersion = 0;

  CBackLink<CStorePalette> m_palette;
  std::vector<CBackLink<CStoreFolder>> m_folders;
  CComPtr<CStorePalette> m_ownedPalette;

  CTypeTexts m_texts;
  mutable std::shared_ptr<const Definition> m_parsed;  // of the latest text, read on first use
  mutable std::optional<std::vector<std::string>> m_references;
  std::unique_ptr<Extras> m_extras;
};

// The flowsheet a simulation type sees: its own "Flowsheet", else a library's; null when none.
CStoreType* VisibleFlowsheet(CStoreType& simulation);

// The store type behind any store object (a type, a view of one, a default
// instance, a palette's owner), or null.
CStoreType* StoreTypeOf(IUnknown* object);
