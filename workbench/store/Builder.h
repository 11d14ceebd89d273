// Making stores of any shape quickly, for tests, benchmarks and samples: a
// simulation with N models, libraries with nested user folders, types of every
// kind with given texts, failing and built-in types, forms, icons, scripts and
// tasks. Types made here take their text as given and count as compiled
// without errors, unless made with Compile() (checked by the language
// library, errors recorded) or Failing(). Names are indexed by hash, so a
// palette of 100 000 models takes a fraction of a second.
//
//   CStore store;
//   CStoreBuilder build(store);
//   build.Models(build.Simulation(), 100000);
//   CStoreType& pumps = build.Library("Pumps");
//   build.Type(build.Palette(pumps), StoreKind::Variable, "Pressure").Quantity("Pressure");
//   build.Folder(build.Simulation(), "BlockTypeFolder/Units/Heat");
//
// Every operation fails loudly (std::logic_error) on a request that cannot be
// met, such as a taken name: a builder's caller is a test that must not go on
// with a store other than the one it asked for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Guid.h"
#include "workbench/store/StoreKind.h"

class CStore;
class CStoreFolder;
class CStorePalette;
class CStoreType;

class CStoreBuilder {
 public:
  explicit CStoreBuilder(CStore& store) : m_store(store) {}

  CStore& Store() { return m_store; }
  CStorePalette& Simulation();
  // The library called name, made (used by the simulation) when it is not open.
  CStoreType& Library(const std::string& name, bool readOnly = true);
  CStorePalette& Palette(CStoreType& owner);
  // Makes library use another library.
  CStoreBuilder& Uses(CStoreType& library, CStoreType& used);
  // "SystemLibrary" with the built-in types: "Hierarchy" (the flowsheet model),
  // "Connection", "ControlSignal" (hidden helpers listed anyway), "Flowsheet"
  // and the base variable types "Value", "Pressure", "Temperature", "MassFlow".
  CStoreType& SystemLibrary();

  // ---- types ----
  // A type of kind called name; text defaults to a short definition of that name.
  CStoreType& Type(CStorePalette& palette, StoreKind kind, const std::string& name, std::string text = {});
  CStoreType& Model(CStorePalette& palette, const std::string& name, std::string text = {});
  // count models called prefix1, prefix2... in the palette's models folder.
  std::vector<CStoreType*> Models(CStorePalette& palette, int count, std::string_view prefix = "Model");
  // A type whose text is compiled by the language library against the palette (errors are recorded).
  CStoreType& Compiled(CStorePalette& palette, StoreKind kind, const std::string& name, std::string text);
  // What flowsheets are joined by, compiled in palette: the port type "Material"
  // (F as MassFlow, P as Pressure) and the stream type "Pipe" between two of them.
  CStoreBuilder& MaterialPipe(CStorePalette& palette);
  // A type that failed its last compile: text as given, errors recorded with its report.
  CStoreType& Failing(CStorePalette& palette, StoreKind kind, const std::string& name, std::string text);
  // A built-in type (flag bit 20, and bit 22 when both is set).
  CStoreType& BuiltIn(CStorePalette& palette, StoreKind kind, const std::string& name, std::string text = {},
                      bool both = false);
  // Sets flags on a type (FT_HIDDEN...).
  CStoreBuilder& Flags(CStoreType& type, DWORD flags);

  // ---- folders ----
  // The folder at a path of names separated by "/" below the palette's root,
  // made on the way (user folders with their two kind sub-folders).
  CStoreFolder& Folder(CStorePalette& palette, std::string_view path);
  // depth user folders, each inside the one before, below "BlockTypeFolder"; the deepest.
  CStoreFolder& NestedFolders(CStorePalette& palette, int depth, std::string_view prefix = "Folder");
  // Lists a model (or structure type) in a user folder's kind sub-folder instead of its kind folder.
  CStoreBuilder& MoveTo(CStoreType& type, CStoreFolder& userFolder);

  // ---- what a model owns ----
  CStoreType& Script(CStoreType& owner, const std::string& name, std::string text = "BOOLEAN VB\n");
  CStoreType& Task(CStoreType& owner, const std::string& name, std::string text = {});
  // An icon drawn from text (IconPicture.h); the default text draws a framed box.
  CStoreType& Icon(CStoreType& model, const std::string& name, std::string text = {});
  CStoreType& Form(CStoreType& owner, const std::string& name, REFCLSID formClass, std::string text = {});

  // The usual text of a new definition of kind called name.
  static std::string DefaultText(StoreKind kind, const std::string& name);

 private:
  CStore& m_store;
};
