#include "workbench/document/StoreContents.h"

#include <filesystem>

#include "host/store/HostClassIds.h"
#include "host/store/Status.h"
#include "host/store/TypeFlags.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/FormNames.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

constexpr std::string_view kStandardFolders[] = {
    kBlockTypeFolder, kStructureTypeFolder, kStreamTypeFolder, kParameterTypeFolder, kVariableTypeFolder,
    kPortTypeFolder,  kProcTypeFolder,      kFunctionTypeFolder, kTaskTypeFolder,    kScriptTypeFolder,
    kIconTypeFolder};

// Folders the store keeps up to date itself (types whose text has errors).
bool IsDerivedFolder(const CStoreFolder& folder) {
  return folder.Parent() && !folder.Parent()->Parent() && folder.Name().rfind("Compiled", 0) == 0;
}

bool IsStandardTopFolder(const CStoreFolder& folder) {
  if (!folder.Parent() || folder.Parent()->Parent()) return false;
  for (std::string_view name : kStandardFolders)
    if (folder.Name() == name) return true;
  return false;
}

// The kind a type is written as; nothing for types that are not definitions.
std::optional<DefinitionKind> WrittenKind(StoreKind kind) {
  if (kind == StoreKind::Flowsheet) return DefinitionKind::Model;
  return DefinitionKindOf(kind);
}

FileDefinition DefinitionOf(CStoreType& type, DefinitionKind kind) {
  FileDefinition d;
  d.name = type.Name();
  d.kind = kind;
  d.text = type.Text();
  const CTypeTexts& texts = type.Texts();
  if (!texts.HasGood() || texts.Good() != texts.Latest()) d.goodText = texts.HasGood() ? texts.Good() : std::string();
  d.hasErrors = type.HasErrors();
  d.flags = type.Flags();
  if (type.Kind() == StoreKind::Flowsheet) d.classId = type.ClassId();
  d.description = type.Description();
  if (type.Kind() == StoreKind::Stream) {
    const QVStreamDisplayRecord& r = type.DisplayRecord();
    d.display = FileStreamDisplay{r.lineStyle, r.colour, r.hideLabels};
  }
  d.taskActive = type.Kind() == StoreKind::Task && type.IsTaskActive();
  return d;
}

void OwnedItemsOf(CStoreType& owner, const std::string& ownerName, FileContents& contents) {
  FileOwnedItems items;
  items.owner = ownerName;
  for (const CComPtr<CStoreType>& form : owner.Forms()) {
    // The system forms are made with every owner; only what the user wrote into them is kept.
    if (IsSystemFormName(form->Name()) && form->Text().empty()) continue;
    items.forms.push_back(FileForm{form->Name(), form->ClassId(), form->Text()});
  }
  if (!owner.Forms().empty()) items.defaultForm = owner.DefaultFormName();
  for (const CComPtr<CStoreType>& icon : owner.KeptIcons()) items.icons.push_back(FileIcon{icon->Name(), icon->Text()});
  items.defaultIcon = owner.KeptDefaultIconName();
  for (const CComPtr<CStoreType>& script : owner.OwnedOfKind(StoreKind::Script))
    items.scripts.push_back(FileScript{script->Name(), script->Text()});
  if (owner.Kind() != StoreKind::Simulation && owner.Kind() != StoreKind::Library)
    for (const CComPtr<CStoreType>& task : owner.OwnedOfKind(StoreKind::Task))
      items.tasks.push_back(DefinitionOf(*task, DefinitionKind::Task));
  contents.owned.push_back(std::move(items));
}

void FoldersOf(CStoreFolder& folder, FileContents& contents) {
  for (const CComPtr<CStoreFolder>& sub : folder.SubFolders()) {
    if (IsDerivedFolder(*sub)) continue;
    FileFolder written;
    written.path = sub->Path();
    written.flags = sub->Flags();
    sub->GetToolbarOrder(&written.toolbarOrder);
    sub->GetTankIcon(&written.tankIcon);
    sub->GetDescription(written.description);
    CStorePalette* palette = sub->Palette();
    for (const CComPtr<CStoreType>& item : sub->Items())
      if (!palette || palette->KindFolder(item->Kind()) != sub.Get()) written.items.push_back(item->Name());
    const bool plain = IsStandardTopFolder(*sub) && written.toolbarOrder == 0 && written.tankIcon == 0 &&
                       !written.description && written.items.empty();
    if (!plain) contents.folders.push_back(std::move(written));
    FoldersOf(*sub, contents);
  }
}

std::string RelativePath(const std::string& path, const std::string& directory) {
  if (path.empty() || directory.empty()) return path;
  const std::filesystem::path relative =
      std::filesystem::path(AbsolutePath(path)).lexically_relative(std::filesystem::path(AbsolutePath(directory)));
  return relative.empty() ? path : relative.generic_string();
}

bool Refuse(FileProblem& problem, int line, std::string message) {
  problem.line = line;
  problem.message = std::move(message);
  return false;
}

// Turns off a palette's read-only mark while it is being filled.
class WritableWhileFilling {
 public:
  explicit WritableWhileFilling(CStorePalette& palette) : m_palette(palette), m_readOnly(palette.IsReadOnly()) {
    m_palette.SetReadOnly(false);
  }
  ~WritableWhileFilling() { m_palette.SetReadOnly(m_readOnly); }

 private:
  CStorePalette& m_palette;
  bool m_readOnly;
};

CComPtr<CStoreType> MakeType(const FileDefinition& d) {
  const StoreKind kind =
      d.classId && *d.classId == CLSID_QVHierarchyType ? StoreKind::Flowsheet : StoreKindOf(d.kind);
  return MakeComObject<CStoreType>(kind, d.name, d.flags);
}

void RestoreDefinition(CStoreType& type, const FileDefinition& d) {
  type.RestoreTexts(d.goodText.value_or(d.text), d.text, d.hasErrors);
  type.SetFlags(d.flags);
  type.SetDescription(d.description);
  if (d.display) type.SetDisplayRecord(QVStreamDisplayRecord{d.display->lineStyle, d.display->colour, d.display->hideLabels});
}

bool FillOwnedItems(const FileOwnedItems& items, CStoreType& owner, FileProblem& problem) {
  const std::string ownerText = items.owner.empty() ? std::string("the file's own type") : "'" + items.owner + "'";
  for (const FileForm& form : items.forms) {
    if (CStoreType* existing = owner.FindForm(form.name)) {
      existing->SetText(form.text);
      continue;
    }
    if (FAILED(owner.AddForm(form.name, form.kind, form.text)))
      return Refuse(problem, 0, "the form '" + form.name + "' of " + ownerText + " cannot be made");
  }
  if (!items.defaultForm.empty() && FAILED(owner.SetDefaultFormName(items.defaultForm)))
    return Refuse(problem, 0, "the default form '" + items.defaultForm + "' of " + ownerText + " is not among its forms");
  for (const FileIcon& icon : items.icons) {
    CStoreType* made = owner.FindIcon(icon.name);
    CComPtr<CStoreType> added;
    if (!made) {
      if (FAILED(owner.AddIcon(icon.name, icon.text, &added)))
        return Refuse(problem, 0, "the icon '" + icon.name + "' of " + ownerText + " cannot be made");
      made = added;
    }
    made->SetText(icon.text);
  }
  if (!items.defaultIcon.empty() && FAILED(owner.SetDefaultIconName(items.defaultIcon)))
    return Refuse(problem, 0, "the default icon '" + items.defaultIcon + "' of " + ownerText + " is not among its icons");
  CStorePalette* palette = owner.OwnedPalette();
  for (const FileScript& script : items.scripts) {
    CComPtr<CStoreType> made = MakeComObject<CStoreType>(StoreKind::Script, script.name, FT_PLAINTEXT);
    made->SetText(script.text);
    if (!palette || FAILED(palette->Place(made)))
      return Refuse(problem, 0, "the script '" + script.name + "' of " + ownerText + " cannot be made");
  }
  for (const FileDefinition& task : items.tasks) {
    CComPtr<CStoreType> made = MakeType(task);
    if (!palette || FAILED(palette->Place(made)))
      return Refuse(problem, task.line, "the task '" + task.name + "' of " + ownerText + " cannot be made");
    RestoreDefinition(*made, task);
    if (task.taskActive) made->SetTaskActive(true);
  }
  return true;
}

FileOptionValue OptionValueOf(const VARIANT& v) {
  FileOptionValue value;
  switch (v.vt) {
    case VT_BOOL: value.type = FileOptionValue::Type::Switch; value.flag = v.boolVal; break;
    case VT_R8: value.type = FileOptionValue::Type::Real; value.real = v.dblVal; break;
    case VT_BSTR: value.type = FileOptionValue::Type::Text; value.text = v.bstrVal; break;
    default: value.type = FileOptionValue::Type::Integer; value.integer = v.lVal; break;
  }
  return value;
}

VARIANT VariantOf(const FileOptionValue& value) {
  switch (value.type) {
    case FileOptionValue::Type::Switch: return VARIANT::Bool(value.flag);
    case FileOptionValue::Type::Real: return VARIANT::Real(value.real);
    case FileOptionValue::Type::Text: return VARIANT::Text(value.text);
    case FileOptionValue::Type::Integer: break;
  }
  return VARIANT::Int(static_cast<LONG>(value.integer));
}

}  // namespace

std::string DirectoryOf(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error || path.empty() ? path : absolute.lexically_normal().string();
}

std::string ResolveFilePath(const std::string& directory, const std::string& path) {
  const std::filesystem::path p(path);
  if (p.is_absolute() || directory.empty()) return p.lexically_normal().string();
  return (std::filesystem::path(directory) / p).lexically_normal().string();
}

void ContentsFromPalette(CStorePalette& palette, const std::string& directory, FileContents& contents) {
  for (CStoreType* library : palette.UsedLibraries()) contents.libraries.push_back(RelativePath(library->FileName(), directory));
  for (const CComPtr<CStoreType>& type : palette.Types()) {
    if (const std::optional<DefinitionKind> kind = WrittenKind(type->Kind())) {
      contents.definitions.push_back(DefinitionOf(*type, *kind));
      if (IsModelLike(type->Kind())) OwnedItemsOf(*type, type->Name(), contents);
    }
  }
  if (CStoreType* owner = palette.Owner()) OwnedItemsOf(*owner, "", contents);
  if (CStoreFolder* root = palette.RootFolder()) FoldersOf(*root, contents);
}

void ContentsFromTypes(const std::vector<CStoreType*>& types, FileContents& contents) {
  for (CStoreType* type : types) {
    const std::optional<DefinitionKind> kind = type ? WrittenKind(type->Kind()) : std::nullopt;
    if (!kind) continue;
    contents.definitions.push_back(DefinitionOf(*type, *kind));
    if (IsModelLike(type->Kind())) OwnedItemsOf(*type, type->Name(), contents);
  }
}

void ContentsFromSimulationObjects(CStore& store, FileContents& contents) {
  CComponentLists& lists = store.ComponentLists();
  contents.propertiesConfigured = lists.IsConfigured();
  for (const std::string& name : lists.Names())
    if (const CComponentList* list = lists.Find(name))
      contents.componentLists.push_back(FileComponentList{name, list->isSet, list->propertyFile, list->components, list->notes});

  CUnitSets& units = store.UnitSets();
  const std::vector<std::string> quantities = units.QuantityNames();
  for (const std::string& name : quantities) {
    const CPhysicalQuantity* q = units.FindQuantity(name);
    if (!q) continue;
    FileQuantity quantity{name, q->baseUnit, {}};
    for (const QVUnitConversion& unit : q->units)
      if (unit.unit != q->baseUnit) quantity.units.push_back(FileConversion{unit.unit, unit.factor, unit.offset});
    contents.quantities.push_back(std::move(quantity));
  }
  for (const std::string& set : units.SetNames()) {
    FileUnitSet written{set, {}};
    for (const std::string& quantity : quantities)
      if (const std::optional<std::string> unit = units.UnitOf(set, quantity))
        written.units.push_back(FileUnitChoice{quantity, *unit});
    contents.unitSets.push_back(std::move(written));
  }
  contents.settings.currentUnitSet = units.CurrentSet();

  CSolverOptions& options = store.SolverOptions();
  for (const std::string& name : options.Names()) {
    VARIANT value;
    if (SUCCEEDED(options.GetProperty(name, &value))) contents.solverOptions.push_back(FileSolverOption{name, OptionValueOf(value)});
  }

  FileTools& t = contents.tools;
  t.homotopyAvailable = store.Homotopy().available;
  t.homotopyActive = store.Homotopy().active;
  t.estimationDefined = store.Estimation().defined;
  t.estimationResult = store.Estimation().resultPresent;
  t.estimationActive = store.Estimation().active;
  t.optimisation = store.Optimisation().description;
  t.externalEnabled = store.ExternalInterface().enabled;
  t.linkInputs = store.OnLineLinks().inputsConfigured;
  t.linkOutputs = store.OnLineLinks().outputsConfigured;
  t.linksActive = store.OnLineLinks().active;
}

bool FillPalette(const FileContents& contents, CStorePalette& palette, FileProblem& problem) {
  WritableWhileFilling writable(palette);
  for (const FileDefinition& d : contents.definitions) {
    CComPtr<CStoreType> type = MakeType(d);
    const HRESULT hr = palette.Place(type);
    if (hr == FE_INVALIDNAME) return Refuse(problem, d.line, "'" + d.name + "' is not a valid type name");
    if (FAILED(hr)) return Refuse(problem, d.line, "the type '" + d.name + "' cannot be added to '" + palette.Name() + "'");
    RestoreDefinition(*type, d);
  }
  for (const FileDefinition& d : contents.definitions)
    if (d.taskActive) palette.Find(d.name)->SetTaskActive(true);
  for (const FileFolder& folder : contents.folders) {
    CStoreFolder* made = palette.FolderPath(folder.path, true, folder.flags);
    if (!made) return Refuse(problem, 0, "the folder '" + folder.path.back() + "' cannot be made");
    made->SetToolbarOrder(folder.toolbarOrder);
    made->SetTankIcon(folder.tankIcon);
    made->SetDescription(folder.description);
    for (const std::string& item : folder.items) {
      CStoreType* type = palette.Find(item);
      if (!type) return Refuse(problem, 0, "the folder '" + folder.path.back() + "' holds '" + item + "', which is not a type here");
      for (CStoreFolder* holder : type->HoldingFolders())
        if (!IsDerivedFolder(*holder)) holder->Erase(type->Name());
      made->Insert(type);
    }
  }
  for (const FileOwnedItems& items : contents.owned) {
    CStoreType* owner = items.owner.empty() ? palette.Owner() : palette.Find(items.owner);
    if (!owner) return Refuse(problem, 0, "the owner '" + items.owner + "' is not a type here");
    if (!FillOwnedItems(items, *owner, problem)) return false;
  }
  return true;
}

bool FillSimulationObjects(const FileContents& contents, CStore& store, FileProblem& problem) {
  CComponentLists& lists = store.ComponentLists();
  lists.SetConfigured(contents.propertiesConfigured);
  for (const FileComponentList& list : contents.componentLists) {
    CComponentList value{list.isSet, list.propertyFile, list.components, list.notes};
    if (CComponentList* existing = lists.Find(list.name)) {
      *existing = std::move(value);
    } else if (FAILED(lists.Add(list.name, std::move(value)))) {
      return Refuse(problem, 0, "the component list '" + list.name + "' cannot be made");
    }
  }

  CUnitSets& units = store.UnitSets();
  for (const FileQuantity& q : contents.quantities) {
    const CPhysicalQuantity* known = units.FindQuantity(q.name);
    if (!known && FAILED(units.AddQuantity(q.name, q.baseUnit)))
      return Refuse(problem, 0, "the quantity '" + q.name + "' cannot be made");
    if (known && !EqualsNoCase(known->baseUnit, q.baseUnit))
      return Refuse(problem, 0, "the quantity '" + q.name + "' has the base unit '" + q.baseUnit +
                                    "' in the file but '" + known->baseUnit + "' here");
    for (const FileConversion& c : q.units) {
      const std::optional<QVUnitConversion> unit = units.FindUnit(c.unit);
      if (!unit && FAILED(units.AddUnit(q.name, c.unit, c.factor, c.offset)))
        return Refuse(problem, 0, "the unit '" + c.unit + "' of '" + q.name + "' cannot be made");
      if (unit && (unit->factor != c.factor || unit->offset != c.offset))
        return Refuse(problem, 0, "the unit '" + c.unit + "' converts differently in the file than here");
    }
  }
  for (const FileUnitSet& set : contents.unitSets) {
    bool exists = false;
    for (const std::string& name : units.SetNames()) exists = exists || EqualsNoCase(name, set.name);
    if (!exists && FAILED(units.AddSet(set.name)))
      return Refuse(problem, 0, "the unit set '" + set.name + "' cannot be made");
    for (const FileUnitChoice& choice : set.units)
      if (FAILED(units.SetUnit(set.name, choice.quantity, choice.unit)))
        return Refuse(problem, 0, "the unit set '" + set.name + "' cannot show '" + choice.quantity + "' in '" +
                                      choice.unit + "'");
  }
  if (!contents.settings.currentUnitSet.empty() && FAILED(units.SelectSet(contents.settings.currentUnitSet)))
    return Refuse(problem, 0, "the unit set '" + contents.settings.currentUnitSet + "' is not known");

  CSolverOptions& options = store.SolverOptions();
  for (const FileSolverOption& option : contents.solverOptions) {
    VARIANT current;
    const VARIANT value = VariantOf(option.value);
    const HRESULT hr = SUCCEEDED(options.GetProperty(option.name, &current)) ? options.SetProperty(option.name, value)
                                                                             : options.Define(option.name, value);
    if (FAILED(hr)) return Refuse(problem, 0, "the solver option '" + option.name + "' cannot take its value");
  }

  const FileTools& t = contents.tools;
  store.Homotopy().available = t.homotopyAvailable;
  store.Homotopy().active = t.homotopyActive;
  store.Estimation().defined = t.estimationDefined;
  store.Estimation().resultPresent = t.estimationResult;
  store.Estimation().active = t.estimationActive;
  store.Optimisation().description = t.optimisation;
  store.ExternalInterface().enabled = t.externalEnabled;
  store.OnLineLinks().inputsConfigured = t.linkInputs;
  store.OnLineLinks().outputsConfigured = t.linkOutputs;
  store.OnLineLinks().active = t.linksActive;
  return true;
}
