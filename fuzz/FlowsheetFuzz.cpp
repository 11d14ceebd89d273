// libFuzzer target for the flowsheet reader: any bytes taken as the text of
// a simulation's flowsheet must be instantiated without a crash, a hang or a
// sanitizer report, and these must hold:
//   - every unit's parent comes before it and lists it;
//   - every variable and equation belongs to a unit;
//   - the text edits keep what they do not touch (renaming a unit to its own
//     name changes nothing but the letter case of its uses).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "workbench/language/TextCase.h"
#include "workbench/simulation/FlowsheetInstantiation.h"
#include "workbench/simulation/FlowsheetText.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// A store with ports, streams, models and a hierarchy for the flowsheet to use.
CStore& Store() {
  static CStore* store = [] {
    auto* made = new CStore();
    CStoreBuilder build(*made);
    CStorePalette& palette = *made->SimulationPalette();
    palette.AddUsedLibrary(&build.SystemLibrary());
    build.MaterialPipe(palette);
    build.Compiled(palette, StoreKind::Model, "Tank",
                   "Model Tank\n  Level as Value (1, Initial);\n  Inlet as Input Material;\n"
                   "  Outlet as Output Material;\n  $Level = Inlet.F - Outlet.F;\nEnd\n");
    build.Compiled(palette, StoreKind::Structure, "Props", "Structure Props\n  rho as Value (998, Fixed);\nEnd\n");
    build.Type(palette, StoreKind::Flowsheet, "Train", "Model Train\n  T as Tank;\n  Inner as Train;\nEnd\n");
    build.Type(palette, StoreKind::Flowsheet, "Flowsheet", "Model Flowsheet\nEnd\n");
    return made;
  }();
  return *store;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CStore& store = Store();
  CStoreType* flowsheet = store.SimulationPalette()->Find("Flowsheet");
  flowsheet->RestoreTexts(text, text, false);
  const std::unique_ptr<CFlowsheet> made = InstantiateFlowsheet(store, CFlowsheetValues{});
  const auto& units = made->Units();
  for (std::size_t i = 1; i < units.size(); ++i) {
    Require(units[i].parent >= 0 && static_cast<std::size_t>(units[i].parent) < i);
    const FlowsheetUnit& parent = units[static_cast<std::size_t>(units[i].parent)];
    bool listed = false;
    for (int child : parent.blocks) listed = listed || child == static_cast<int>(i);
    for (int child : parent.streams) listed = listed || child == static_cast<int>(i);
    Require(listed);
  }
  for (const InstanceVariable& v : made->Variables()) Require(v.unit >= 0 && static_cast<std::size_t>(v.unit) < units.size());
  for (const InstanceEquation& e : made->Equations()) Require(e.unit >= 0 && static_cast<std::size_t>(e.unit) < units.size());
  for (std::size_t i = 1; i < units.size() && i < 4; ++i) {
    Require(LowerAscii(RenameUnitInText(text, units[i].name, units[i].name)) == LowerAscii(text));
    RemoveUnitFromText(text, units[i].name);
    UnitStatements(text, units[i].name);
  }
  InsertBeforeEnd(text, "X as Tank;\n");
  return 0;
}
