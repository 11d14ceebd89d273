#include "workbench/store/Builder.h"

#include <memory>
#include <stdexcept>

#include "host/store/TypeFlags.h"
#include "workbench/store/IconPicture.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeCompiler.h"

namespace {

[[noreturn]] void Fail(const std::string& what) { throw std::logic_error("store builder: " + what); }

void Check(HRESULT hr, const std::string& what) {
  if (FAILED(hr)) Fail(what);
}

// Lets the builder fill a read-only library for the length of one step.
class CWritableWhileBuilding {
 public:
  explicit CWritableWhileBuilding(CStoreType& type) {
    CStoreType* library = type.Kind() == StoreKind::Library ? &type : type.HoldingLibrary();
    m_palette = library ? library->OwnedPalette() : nullptr;
    m_wasReadOnly = m_palette && m_palette->IsReadOnly();
    if (m_palette) m_palette->SetReadOnly(false);
  }
  ~CWritableWhileBuilding() {
    if (m_palette) m_palette->SetReadOnly(m_wasReadOnly);
  }
  CWritableWhileBuilding(const CWritableWhileBuilding&) = delete;
  CWritableWhileBuilding& operator=(const CWritableWhileBuilding&) = delete;

 private:
  CStorePalette* m_palette = nullptr;
  bool m_wasReadOnly = false;
};

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::string_view name = path.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
    if (!name.empty()) names.emplace_back(name);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return names;
}

bool IsKindSubFolder(std::string_view name) { return name == kBlockTypeFolder || name == kStructureTypeFolder; }

}  // namespace

CStorePalette& CStoreBuilder::Simulation() { return *m_store.SimulationPalette(); }

CStoreType& CStoreBuilder::Library(const std::string& name, bool readOnly) {
  if (CStoreType* open = m_store.FindLibrary(name)) return *open;
  CComPtr<CStoreType> library;
  Check(m_store.CreateLibrary(name, name + ".ktrf", readOnly, &library), "cannot make library " + name);
  return *library;
}

CStorePalette& CStoreBuilder::Palette(CStoreType& owner) {
  CStorePalette* palette = owner.OwnedPalette();
  if (!palette) Fail(owner.Name() + " owns no palette");
  return *palette;
}

CStoreBuilder& CStoreBuilder::Uses(CStoreType& library, CStoreType& used) {
  Palette(library).AddUsedLibrary(&used);
  return *this;
}

CStoreType& CStoreBuilder::SystemLibrary() {
  CStoreType& library = Library("SystemLibrary");
  CStorePalette& palette = Palette(library);
  if (palette.Find("Hierarchy")) return library;
  BuiltIn(palette, StoreKind::Flowsheet, "Hierarchy", "Model Hierarchy\nEnd\n", true);
  Type(palette, StoreKind::Flowsheet, "Flowsheet", "Model Flowsheet\nEnd\n");
  Flags(BuiltIn(palette, StoreKind::Model, "Connection"), FT_HIDDEN);
  Flags(BuiltIn(palette, StoreKind::Model, "ControlSignal"), FT_HIDDEN);
  BuiltIn(palette, StoreKind::Variable, "Value", "Variable Value\n  Value: 0;\nEnd\n");
  BuiltIn(palette, StoreKind::Variable, "Pressure",
          "Variable Pressure\n  Lower: 0;\n  Value: 100000;\n  PhysicalQuantity : \"Pressure\";\nEnd\n");
  BuiltIn(palette, StoreKind::Variable, "Temperature",
          "Variable Temperature\n  Lower: 0;\n  Value: 298.15;\n  PhysicalQuantity : \"Temperature\";\nEnd\n");
  BuiltIn(palette, StoreKind::Variable, "MassFlow",
          "Variable MassFlow\n  Value: 1;\n  PhysicalQuantity : \"MassFlow\";\nEnd\n");
  return library;
}

CStoreType& CStoreBuilder::Type(CStorePalette& palette, StoreKind kind, const std::string& name, std::string text) {
  if (kind == StoreKind::Form || kind == StoreKind::Simulation || kind == StoreKind::Library)
    Fail("a " + std::string(StoreKindNoun(kind)) + " is not held in a palette");
  if (text.empty()) text = DefaultText(kind, name);
  CComPtr<CStoreType> type = MakeComObject<CStoreType>(kind, name);
  if (IsCompiledKind(kind)) {
    type->RestoreTexts(text, text, false);
  } else {
    type->SetText(std::move(text));
  }
  Check(palette.Place(type), "cannot add " + name + " to " + palette.Name());
  return *type;
}

CStoreType& CStoreBuilder::Model(CStorePalette& palette, const std::string& name, std::string text) {
  return Type(palette, StoreKind::Model, name, std::move(text));
}

std::vector<CStoreType*> CStoreBuilder::Models(CStorePalette& palette, int count, std::string_view prefix) {
  std::vector<CStoreType*> models;
  models.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
  const std::string stem(prefix);
  for (int i = 1; i <= count; ++i) models.push_back(&Model(palette, stem + std::to_string(i)));
  return models;
}

CStoreBuilder& CStoreBuilder::MaterialPipe(CStorePalette& palette) {
  Compiled(palette, StoreKind::Port, "Material", "Port Material\n  F as MassFlow;\n  P as Pressure;\nEnd\n");
  Compiled(palette, StoreKind::Stream, "Pipe",
           "Stream Pipe\n  Source as Input Material;\n  Destination as Output Material;\n"
           "  Destination.F = Source.F;\n  Destination.P = Source.P;\nEnd\n");
  return *this;
}

CStoreType& CStoreBuilder::Compiled(CStorePalette& palette, StoreKind kind, const std::string& name,
                                    std::string text) {
  CComPtr<CStoreType> made;
  const QVParseReport report = CreateTypeFromText(palette, name, text, kind, std::addressof(made), true);
  if (!made) Fail("cannot make " + name + ": " + (report.Empty() ? "" : report.messages.front().Describe()));
  return *made;
}

CStoreType& CStoreBuilder::Failing(CStorePalette& palette, StoreKind kind, const std::string& name,
                                   std::string text) {
  CStoreType& type = Compiled(palette, kind, name, std::move(text));
  if (!type.HasErrors()) Fail(name + " compiled without errors");
  return type;
}

CStoreType& CStoreBuilder::BuiltIn(CStorePalette& palette, StoreKind kind, const std::string& name,
                                   std::string text, bool both) {
  CStoreType& type = Type(palette, kind, name, std::move(text));
  type.SetFlags(type.Flags() | FT_SYSTEM | (both ? FT_BUILTIN : 0));
  return type;
}

CStoreBuilder& CStoreBuilder::Flags(CStoreType& type, DWORD flags) {
  type.SetFlags(type.Flags() | flags);
  return *this;
}

CStoreFolder& CStoreBuilder::Folder(CStorePalette& palette, std::string_view path) {
  CStoreFolder* folder = palette.RootFolder();
  for (const std::string& name : SplitPath(path)) {
    CStoreFolder* next = folder->SubFolder(name);
    if (!next) {
      const bool userFolder = folder != palette.RootFolder() && !IsKindSubFolder(name);
      next = folder->MakeSubFolder(name, folder == palette.RootFolder() ? 0 : FF_USER_FOLDER);
      if (!next) Fail("cannot make folder " + name + " in " + std::string(path));
      if (userFolder) {
        next->MakeSubFolder(std::string(kBlockTypeFolder), FF_USER_FOLDER);
        next->MakeSubFolder(std::string(kStructureTypeFolder), FF_USER_FOLDER);
      }
    }
    folder = next;
  }
  return *folder;
}

CStoreFolder& CStoreBuilder::NestedFolders(CStorePalette& palette, int depth, std::string_view prefix) {
  std::string path(kBlockTypeFolder);
  for (int i = 1; i <= depth; ++i) path += "/" + std::string(prefix) + std::to_string(i);
  return Folder(palette, path);
}

CStoreBuilder& CStoreBuilder::MoveTo(CStoreType& type, CStoreFolder& userFolder) {
  std::string_view sub;
  if (type.Kind() == StoreKind::Model || type.Kind() == StoreKind::Controller) sub = kBlockTypeFolder;
  if (type.Kind() == StoreKind::Structure) sub = kStructureTypeFolder;
  if (sub.empty()) Fail(type.Name() + " is neither a model nor a structure type");
  if (userFolder.Palette() != type.HoldingPalette()) Fail(type.Name() + " is held in another palette");
  CStoreFolder* target = userFolder.MakeSubFolder(std::string(sub), FF_USER_FOLDER);
  for (CStoreFolder* folder : type.HoldingFolders())
    if (folder->Name() != CompiledFolderName(type.Kind())) folder->Erase(type.Name());
  if (!target->Insert(&type)) Fail(type.Name() + " is listed in that folder already");
  return *this;
}

CStoreType& CStoreBuilder::Script(CStoreType& owner, const std::string& name, std::string text) {
  return Type(Palette(owner), StoreKind::Script, name, std::move(text));
}

CStoreType& CStoreBuilder::Task(CStoreType& owner, const std::string& name, std::string text) {
  return Type(Palette(owner), StoreKind::Task, name, std::move(text));
}

CStoreType& CStoreBuilder::Icon(CStoreType& model, const std::string& name, std::string text) {
  CWritableWhileBuilding writable(model);
  model.Icons();
  if (CStoreType* existing = model.FindIcon(name)) {
    existing->SetText(SetIconNameInText(text.empty() ? DefaultIconText(name) : text, existing->Name()));
    return *existing;
  }
  CComPtr<CStoreType> icon;
  Check(model.AddIcon(name, text, &icon), "cannot add icon " + name + " to " + model.Name());
  return *icon;
}

CStoreType& CStoreBuilder::Form(CStoreType& owner, const std::string& name, REFCLSID formClass, std::string text) {
  CWritableWhileBuilding writable(owner);
  CComPtr<CStoreType> form;
  Check(owner.AddForm(name, formClass, text, &form), "cannot add form " + name + " to " + owner.Name());
  return *form;
}

std::string CStoreBuilder::DefaultText(StoreKind kind, const std::string& name) {
  switch (kind) {
    case StoreKind::Variable: return "Variable " + name + "\n  Value: 0;\nEnd\n";
    case StoreKind::Parameter: return "Parameter " + name + " Uses RealParameter\n  Value: 0;\nEnd\n";
    case StoreKind::Procedure:
    case StoreKind::Function:
      return std::string(DefinitionKeyword(*DefinitionKindOf(kind))) + " " + name +
             "\n  Compatibility:  \"KTR2004\";\nEnd\n";
    case StoreKind::Script: return "BOOLEAN VB\n";
    case StoreKind::Icon: return DefaultIconText(name);
    case StoreKind::Form:
    case StoreKind::Simulation:
    case StoreKind::Library: return {};
    default: return std::string(DefinitionKeyword(*DefinitionKindOf(kind))) + " " + name + "\nEnd\n";
  }
}
