// Making types from texts and from the type catalogue (scripts), and the
// refusals that leave nothing behind. The explorer's own templates are tried
// by its type operation tests.
#include "host/language/Parser.h"
#include "host/store/HostClassIds.h"
#include "host/store/IFNaming.h"
#include "host/store/MwInstance.h"
#include "host/store/TypeCatalogue.h"
#include "host/store/TypeFlags.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

struct Made {
  QVParseReport report;
  CComPtr<IFTypeDesc> desc;
};

class TypeCreationTest : public StoreTest {
 protected:
  static Made NewType(const std::string& name, const std::string& text, IFType* parent) {
    Made made;
    made.report = QVNewType(name, parent, text, &made.desc, "", 0, 7, 100);
    return made;
  }
};

TEST_F(TypeCreationTest, ATakenNameIsAnErrorReportAndNothingIsMade) {
  build.Model(Simulation(), "Tank", "Model Tank\n  // mine\nEnd\n");
  const auto [report, desc] = NewType("TANK", "Model TANK\nEnd\n", SimulationType());
  EXPECT_TRUE(report.HasErrors());
  EXPECT_FALSE(desc);
  EXPECT_EQ(Simulation().TypeCount(), 1u);
  EXPECT_EQ(Simulation().Find("tank")->Text(), "Model Tank\n  // mine\nEnd\n");

  // A name only visible through a used library may be taken by the simulation's own type.
  CStoreType& library = build.Library("Units");
  build.Model(build.Palette(library), "Pump");
  EXPECT_EQ(NewType("Pump", "Model Pump\nEnd\n", SimulationType()).report.ErrorCount(), 0);
  EXPECT_EQ(Simulation().FindVisible("Pump"), Simulation().Find("Pump"));
}

TEST_F(TypeCreationTest, TextsThatCannotMakeTheTypeAreRefusedWithoutLeavingAType) {
  struct Refusal {
    std::string name;
    std::string text;
  };
  const std::vector<Refusal> refusals = {
      {"Tank", "Model Vessel\nEnd\n"},          // the text names another type
      {"Tank", "// nothing but a comment\n"},  // no definition at all
      {"9Tank", "Model 9Tank\nEnd\n"},       // not a valid name
      {"", "Model \nEnd\n"},
      {"Tank", std::string("\x01\x02\xff garbage", 12)},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.text);
    const auto [report, desc] = NewType(r.name, r.text, SimulationType());
    EXPECT_TRUE(report.HasErrors());
    EXPECT_FALSE(desc);
  }
  EXPECT_EQ(Simulation().TypeCount(), 0u);
  // No parent at all: a report, not a crash.
  EXPECT_TRUE(NewType("Tank", "Model Tank\nEnd\n", nullptr).report.HasErrors());
}

TEST_F(TypeCreationTest, AReadOnlyLibraryTakesNoNewType) {
  CStoreType& library = build.Library("Units");
  const QVParseReport report = NewType("Pump", "Model Pump\nEnd\n", &library).report;
  ASSERT_TRUE(report.HasErrors());
  EXPECT_NE(report.messages.front().message.find("read-only"), std::string::npos);
  EXPECT_EQ(build.Palette(library).TypeCount(), 0u);
  // A library that may be written takes it.
  CStoreType& writable = build.Library("Mine", false);
  EXPECT_EQ(NewType("Pump", "Model Pump\nEnd\n", &writable).report.ErrorCount(), 0);
  EXPECT_NE(build.Palette(writable).Find("Pump"), nullptr);
}

TEST_F(TypeCreationTest, ATextWithErrorsMakesAFailingTypeAndNoDescriptor) {
  const auto [report, desc] = NewType("Tank", "Model Tank\n  P as Pressur;\nEnd\n", SimulationType());
  ASSERT_EQ(ErrorLines(report), std::vector<std::string>{"2:unknown type 'Pressur' for 'P'"});
  EXPECT_FALSE(desc);
  CStoreType* tank = Simulation().Find("Tank");
  ASSERT_NE(tank, nullptr);
  EXPECT_TRUE(tank->HasErrors());
  EXPECT_EQ(TypeNames(NamedFolder(Simulation(), "CompiledModelFolder")), std::vector<std::string>{"Tank"});
}

TEST_F(TypeCreationTest, ReferencesResolveThroughUsedLibraries) {
  CStoreType& units = build.Library("Units");
  build.Type(build.Palette(units), StoreKind::Variable, "Flow");
  CStoreType& base = build.Library("Base");
  build.Type(build.Palette(base), StoreKind::Variable, "Level");
  build.Uses(units, base);
  // The simulation uses Units, which uses Base.
  const QVParseReport report =
      NewType("Tank", "Model Tank\n  F as Flow;\n  L as Level;\n  F = L;\nEnd\n", SimulationType()).report;
  EXPECT_EQ(report.ErrorCount(), 0) << ::testing::PrintToString(ErrorLines(report));
  CComPtr<IFTypeDesc> level;
  ASSERT_EQ(Simulation().FindType("level", &level), S_OK);
  CComPtr<IFTypePalette> holder;
  ASSERT_EQ(level->GetPalette(&holder), S_OK);
  EXPECT_EQ(holder.Get(), static_cast<IFTypePalette*>(&build.Palette(base)));
  bool inLibrary = false;
  ASSERT_EQ(ComQuery<IFNaming>(level)->IsLibraryType(&inLibrary), S_OK);
  EXPECT_TRUE(inLibrary);
}

TEST_F(TypeCreationTest, ANewScriptIsMadeByTheCatalogueAddedAndGivenItsText) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CComPtr<IFType> script;
  ASSERT_EQ(typecatCreateType(CLSID_QVScriptType, &script), S_OK);
  CComPtr<IFTypePalette> palette;
  ASSERT_EQ(MwInstance(static_cast<IFType*>(&tank), 0, 1).CurrentTypePalette(&palette), S_OK);
  ASSERT_EQ(palette->AddType("Startup", script), S_OK);
  ASSERT_EQ(MwInstance(script.Get()).SetString(std::string(kPlainTextFormat), "BOOLEAN VB\n"), S_OK);

  DWORD flags = 0;
  script->GetFlags(&flags);
  EXPECT_TRUE(flags & FT_PLAINTEXT);
  EXPECT_EQ(Text(script, kPlainTextFormat), "BOOLEAN VB\n");
  EXPECT_EQ(Text(script), "");  // scripts have no modelling-language text
  const auto scripts = tank.OwnedOfKind(StoreKind::Script);
  ASSERT_EQ(scripts.size(), 1u);
  EXPECT_EQ(scripts[0]->Name(), "Startup");

  // The same name again, and a type already held, are refused.
  CComPtr<IFType> second;
  ASSERT_EQ(typecatCreateType(CLSID_QVScriptType, &second), S_OK);
  EXPECT_EQ(palette->AddType("startup", second), FE_NAMEEXISTS);
  EXPECT_EQ(palette->AddType("Other", script), E_INVALIDARG);
  CComPtr<IFType> none;
  EXPECT_EQ(typecatCreateType(GUID_NULL, &none), E_INVALIDARG);
  EXPECT_FALSE(none);
}

TEST_F(TypeCreationTest, DefaultNamesAreTheFirstFreeOfTheKeyword) {
  build.Model(Simulation(), "Model1");
  build.Model(Simulation(), "Model2");
  std::string name;
  ASSERT_EQ(GetDefaultName(&Simulation(), "model", name), S_OK);
  EXPECT_EQ(name, "Model3");
  EXPECT_EQ(GetDefaultName(&Simulation(), "Nonsense", name), E_INVALIDARG);
}

}  // namespace
