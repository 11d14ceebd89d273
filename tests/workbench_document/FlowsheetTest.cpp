// The sample's flowsheet through the host interfaces the explorer uses:
// walking blocks, streams, hierarchies and structures; statistics against
// hand counts; renaming, copying, cutting and pasting blocks; changed values;
// saving and opening again; damaged flowsheets.
#include <gtest/gtest.h>

#include "host/model/IQVGlobalInstances.h"
#include "host/model/IQVGraphicalCopy.h"
#include "host/model/IQVHierarchyType.h"
#include "host/model/IQVInstanceCreation.h"
#include "host/model/IQVRename.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableLookup.h"
#include "host/model/IRModel.h"
#include "host/model/IRModelType.h"
#include "host/store/IFChildCollection.h"
#include "host/store/IFType.h"
#include "host/store/MwInstance.h"
#include "host/store/Status.h"
#include "host/com/DataObject.h"
#include "host/language/Parser.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

class FlowsheetTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(copy.File("Tanks.vsim")); }

  void Open(const std::string& path) {
    FileProblem problem;
    ASSERT_TRUE(app.OpenDocument(path, problem)) << problem.Describe();
  }
  CWorkbenchDocument& Doc() { return app.Document(); }
  IFInstance* Simulation() { return static_cast<IFInstance*>(Doc().Store().SimulationInstance()); }

  static std::vector<std::string> Names(IEnum<IFInstance>* children) {
    std::vector<std::string> names;
    CComPtr<IFInstance> child;
    while (children && children->Next(&child) == S_OK) {
      std::string name;
      child->GetName(name);
      names.push_back(name);
    }
    return names;
  }
  std::vector<std::string> Children(IFInstance* parent, DWORD mask) {
    CComPtr<IEnum<IFInstance>> children;
    EXPECT_EQ(ComQuery<IFChildCollection>(parent)->EnumChildren(mask, &children), S_OK);
    return Names(children);
  }
  CComPtr<IFInstance> Unit(const std::string& path) { return Doc().Flowsheet().Instance(path); }
  std::string Property(const std::string& variable, const std::string& property) {
    CComPtr<IQVVariable> found;
    if (ComQuery<IQVVariableLookup>(Simulation())->FindVariable(variable, &found) != S_OK) return "<none>";
    std::string text;
    return found->GetPropertyText(property, text) == S_OK ? text : "<refused>";
  }
  // Equations, variables and degrees of freedom, as the block nodes show them.
  std::vector<int> Statistics(IUnknown* unit) {
    int equations = 0, variables = 0, dof = 0;
    if (Doc().GetModelStatistics(ComQuery<IRModel>(unit), equations, variables, dof) != S_OK) return {};
    return {equations, variables, dof};
  }
  std::string FlowsheetText() { return Doc().Store().SimulationPalette()->Find("Flowsheet")->Text(); }

  ScriptedTestUi ui;
  CWorkbenchApp app;
  SampleCopy copy{"flowsheet"};
};

TEST_F(FlowsheetTest, TheSampleFlowsheetIsWalkedThroughTheHostInterfaces) {
  // Every block, stream and hierarchy is the command line's tree test; here what the
  // children filters and the instances answer.
  EXPECT_EQ(Children(Simulation(), 0x40000000), (std::vector<std::string>{"Water"}));
  EXPECT_TRUE(Children(Simulation(), 0x80000000).empty());

  CComPtr<IFInstance> tank = Unit("Train2.T201");
  std::string path;
  ASSERT_EQ(MwInstance(tank).StringPath(path), S_OK);
  EXPECT_EQ(path, "Train2.T201");
  CComPtr<IRModel> model = ComQuery<IRModel>(Unit("T101"));
  std::string name, description;
  model->GetName(name);
  model->GetDescription(description);
  EXPECT_EQ(name, "T101");
  EXPECT_EQ(description, "buffer tank");
  CComPtr<IRModelType> type;
  ASSERT_EQ(model->GetModelType(&type), S_OK);
  type->GetName(name);
  EXPECT_EQ(name, "BufferTank");

  // Variables by path, with what the declarations and variable types give them.
  for (auto [property, text] : {std::pair{"Value", "1.5"}, {"Spec", "Initial"}, {"Lower", "0"}, {"Upper", "6"},
                                 {"Units", "m"}, {"Description", "liquid level"}, {"Derivative", "0"}})
    EXPECT_EQ(Property("T101.Level", property), text) << property;
  EXPECT_EQ(Property("T101.Area", "Derivative"), "<refused>");  // not a state
  EXPECT_EQ(Property("LC101.SP", "Spec"), "Fixed");          // the flowsheet's Spec
  EXPECT_EQ(Property("Feed.F", "Spec"), "Free");
  // Shown in the current set's units (Metric: bar, kg/h), kept in base units.
  EXPECT_EQ(Property("Train2.Drain.P", "Value"), "1.111154");
  EXPECT_EQ(Property("Train2.Drain.P", "Units"), "bar");
  CComPtr<IQVVariable> drain;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(Simulation())->FindVariable("Train2.Drain.P", &drain), S_OK);
  double pressure = 0;
  ASSERT_EQ(drain->GetPropertyReal("Value", &pressure), S_OK);
  EXPECT_DOUBLE_EQ(pressure, 111115.4);
  EXPECT_EQ(Property("S1.Source.F", "Value"), "3600");  // the port type's own 1 kg/s
  EXPECT_EQ(Property("S1.Source.F", "Units"), "kg/h");
  EXPECT_EQ(Property("Water.g", "Value"), "9.81");
  EXPECT_EQ(Property("T101.Nothing", "Value"), "<none>");
  EXPECT_EQ(Doc().Messages().Text().find("Flowsheet"), std::string::npos) << Doc().Messages().Text();
}

TEST_F(FlowsheetTest, StatisticsOfTheSampleAgreeWithHandCounts) {
  // BufferTank: Area, Level, rho, Patm, Inlet.F, Inlet.P, Outlet.F, Outlet.P,
  // Measurement.S = 9 variables; mass, static, Inlet.P, Measurement.S = 4
  // equations; Area, rho, Patm fixed: 9 - 4 - 3 = 2.
  EXPECT_EQ(Statistics(Unit("T101")), (std::vector<int>{4, 9, 2}));
  // FeedSource on Source: F, P, T, Outlet.F, Outlet.P; two equations; P, T fixed (the flowsheet frees F).
  EXPECT_EQ(Statistics(Unit("Feed")), (std::vector<int>{2, 5, 1}));
  // ControlValve: Cv, Demand, Stem, Tau, rho, dP, Inlet (2), Outlet (2), Command (1) = 11;
  // actuator, demand, drop, flow, Outlet.F = 5; Cv, Tau, rho fixed: 11 - 5 - 3 = 3.
  EXPECT_EQ(Statistics(Unit("V101")), (std::vector<int>{5, 11, 3}));
  // A pipe: Source (F, P), Destination (F, P); its two equations and two at each connected end.
  EXPECT_EQ(Statistics(Unit("S1")), (std::vector<int>{6, 4, -2}));
  EXPECT_EQ(Statistics(Unit("S5")), (std::vector<int>{4, 4, 0}));  // the product end is open
  // The train: Supply 4 variables (2 equations, P freed so 1 fixed), T201 9 (4, 4 fixed with its level),
  // Drain 3 (1, P freed so none fixed), two pipes 4 each (6 equations each): 24 variables, 19 equations, 5 fixed.
  EXPECT_EQ(Statistics(Unit("Train2")), (std::vector<int>{19, 24, 0}));
  // The whole flowsheet is square at steady state.
  EXPECT_EQ(Statistics(Simulation()), (std::vector<int>{76, 103, 0}));
  EXPECT_EQ(Statistics(Unit("T102"))[2], 1);  // its level is fixed by the flowsheet
  // Fixing a variable inside the train takes a degree of freedom from it and from the flowsheet; freeing gives it back.
  CComPtr<IQVVariable> level;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(Simulation())->FindVariable("Train2.T201.Holdup", &level), S_OK);
  ASSERT_EQ(level->SetPropertyText("Spec", "Fixed"), S_OK);
  EXPECT_EQ(Statistics(Unit("Train2")), (std::vector<int>{19, 24, -1}));
  EXPECT_EQ(Statistics(Simulation()), (std::vector<int>{76, 103, -1}));
  ASSERT_EQ(level->SetPropertyText("Spec", "Free"), S_OK);
  EXPECT_EQ(Statistics(Simulation()), (std::vector<int>{76, 103, 0}));

  Open(copy.File("Overspecified.vsim"));
  // Supply 4 variables, 2 fixed, 2 equations; Drain 3 variables, Inlet.F fixed, 1 equation;
  // the pipe 4 variables and 6 equations: 11 - 9 - 3 = -1, one fixed variable too many.
  EXPECT_EQ(Statistics(Simulation()), (std::vector<int>{9, 11, -1}));
}

TEST_F(FlowsheetTest, RenamingABlockTakesItsConnectionsSpecStatementsAndValuesAlong) {
  CComPtr<IQVVariable> level;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(Simulation())->FindVariable("T102.Level", &level), S_OK);
  ASSERT_EQ(level->SetPropertyText("Upper", "5.8"), S_OK);
  CComPtr<IFInstance> tank = Unit("T102");
  EXPECT_EQ(ComQuery<IQVRename>(tank)->Rename("P101"), FE_NAMEEXISTS);
  EXPECT_EQ(ComQuery<IQVRename>(tank)->Rename("9lives"), FE_INVALIDNAME);
  ASSERT_EQ(ComQuery<IQVRename>(tank)->Rename("T105"), S_OK);
  const std::string text = FlowsheetText();
  for (const char* part : {"T105 as ProductTank", "Destination = T105.Inlet", "Spec T105.Level (2.5, Fixed);"})
    EXPECT_NE(text.find(part), std::string::npos) << text;
  EXPECT_EQ(text.find("T102"), std::string::npos) << text;
  std::string path;
  tank->GetPath(path);
  EXPECT_EQ(path, "T105");
  EXPECT_EQ(Property("T105.Level", "Upper"), "5.8");
  EXPECT_EQ(Property("T105.Level", "Spec"), "Fixed");
  // A variable held under the old path reports itself gone rather than showing another.
  std::string old;
  EXPECT_EQ(level->GetPropertyText("Value", old), FE_STALE);
  EXPECT_EQ(Property("T102.Level", "Value"), "<none>");
  EXPECT_EQ(Statistics(Simulation())[2], 0);
}

TEST_F(FlowsheetTest, CopiedBlocksPasteUnderNewNamesWithTheirValuesAndCutDeletesOnlyAfterTheCopy) {
  CComPtr<IQVVariable> area;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(Simulation())->FindVariable("T101.Area", &area), S_OK);
  ASSERT_EQ(area->SetPropertyText("Value", "5"), S_OK);
  ASSERT_EQ(ComQuery<IQVGraphicalCopy>(Unit("T101"))->Copy(), S_OK);
  CComPtr<IFType> flowsheetType;
  ASSERT_EQ(Unit("")->GetType(&flowsheetType), S_OK);
  ASSERT_EQ(Doc().PasteIntoFlowsheet(ComQuery<IQVHierarchyType>(flowsheetType)), S_OK);
  ASSERT_EQ(Doc().PasteIntoFlowsheet(ComQuery<IQVHierarchyType>(flowsheetType)), S_OK);
  EXPECT_TRUE(Unit("T101_1"));
  EXPECT_TRUE(Unit("T101_2"));
  EXPECT_EQ(Property("T101_1.Area", "Value"), "5");
  EXPECT_EQ(Property("T101_2.Area", "Value"), "5");
  // Into the hierarchy: the train's model takes the block.
  CComPtr<IFType> trainType;
  ASSERT_EQ(Unit("Train2")->GetType(&trainType), S_OK);
  ASSERT_EQ(Doc().PasteIntoFlowsheet(ComQuery<IQVHierarchyType>(trainType)), S_OK);
  EXPECT_TRUE(Unit("Train2.T101"));

  // Cut: the block goes, and with it the connections and Spec statements that named it.
  CComPtr<IQVGraphicalCopy> cut = ComQuery<IQVGraphicalCopy>(Unit("T102"));
  bool possible = false;
  ASSERT_EQ(cut->CanCopyCut(&possible), S_OK);
  EXPECT_TRUE(possible);
  ASSERT_EQ(cut->Copy(), S_OK);
  ASSERT_EQ(cut->Delete(), S_OK);
  EXPECT_FALSE(Unit("T102"));
  EXPECT_EQ(FlowsheetText().find("T102"), std::string::npos) << FlowsheetText();
  EXPECT_TRUE(Unit("S4"));  // the stream stays, open at its end

  // A unit held from before a rename cannot be copied, so its cut deletes nothing.
  CComPtr<IFInstance> held = Unit("P101");
  ASSERT_EQ(ComQuery<IQVRename>(Unit("P101"))->Rename("P102"), S_OK);
  CComPtr<IQVGraphicalCopy> stale = ComQuery<IQVGraphicalCopy>(held);
  EXPECT_EQ(stale, nullptr);  // a stale unit offers no copy
  std::string heldPath;
  EXPECT_EQ(held->GetPath(heldPath), FE_STALE);
  ASSERT_EQ(ComQuery<IQVRename>(Unit("P102"))->Rename("P101"), S_OK);

  // While a run holds the flowsheet, nothing is deleted.
  Doc().SetFlowsheetLocked(true);
  EXPECT_EQ(ComQuery<IQVGraphicalCopy>(Unit("P101"))->Delete(), FE_LOCKED);
  EXPECT_TRUE(Unit("P101"));
  Doc().SetFlowsheetLocked(false);
}

TEST_F(FlowsheetTest, TheFlowsheetCodeIsTheTextOfTheFlowsheetOrHierarchy) {
  ASSERT_EQ(Doc().ExportFlowsheetCode(Simulation()), S_OK);
  EXPECT_EQ(Doc().FlowsheetCode(), FlowsheetText());
  ASSERT_EQ(Doc().ExportFlowsheetCode(Unit("Train2")), S_OK);
  EXPECT_EQ(Doc().FlowsheetCode(), Doc().Store().SimulationPalette()->Find("TankTrain")->Text());
  EXPECT_EQ(Doc().ExportFlowsheetCode(Unit("T101")), FE_NOTFOUND);  // a block has no flowsheet
}

TEST_F(FlowsheetTest, EveryChangeSurvivesSavingAndOpeningAgain) {
  CComPtr<IQVVariable> level;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(Simulation())->FindVariable("T101.Level", &level), S_OK);
  ASSERT_EQ(level->SetPropertyText("Value", "2.25"), S_OK);
  ASSERT_EQ(level->SetPropertyText("Spec", "Fixed"), S_OK);
  EXPECT_EQ(level->SetPropertyText("Spec", "Sometimes"), E_INVALIDARG);
  ASSERT_EQ(ComQuery<IQVRename>(Unit("P101"))->Rename("P201"), S_OK);
  CStoreType* structure = Doc().Store().SimulationPalette()->Find("FluidProperties");
  CComPtr<IFInstance> made;
  ASSERT_EQ(ComQuery<IQVInstanceCreation>(Simulation())->CreateGlobalInstance(structure, "Brine", &made), S_OK);
  EXPECT_EQ(ComQuery<IQVInstanceCreation>(Simulation())->CreateGlobalInstance(structure, "Brine", nullptr),
            FE_NAMEEXISTS);
  ASSERT_EQ(ComQuery<IQVGlobalInstances>(Simulation())->RemoveGlobalInstance(Unit("Water")), S_OK);
  FileProblem problem;
  ASSERT_TRUE(Doc().Save(problem)) << problem.Describe();
  const std::string saved = ReadAll(copy.File("Tanks.vsim"));

  Open(copy.File("Tanks.vsim"));
  EXPECT_EQ(Property("T101.Level", "Value"), "2.25");
  EXPECT_EQ(Property("T101.Level", "Spec"), "Fixed");
  EXPECT_TRUE(Unit("P201"));
  EXPECT_TRUE(Unit("Brine"));
  EXPECT_FALSE(Unit("Water"));
  EXPECT_EQ(Children(Simulation(), 0x40000000), (std::vector<std::string>{"Brine"}));
  // Saved again unchanged, the file keeps its bytes.
  ASSERT_TRUE(Doc().Save(problem)) << problem.Describe();
  EXPECT_EQ(ReadAll(copy.File("Tanks.vsim")), saved);
}

TEST_F(FlowsheetTest, AHierarchyExportsAsASimulationAndAFlowsheetImportsIntoAHierarchy) {
  CComPtr<IQVVariable> level;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(Simulation())->FindVariable("Train2.T201.Holdup", &level), S_OK);
  ASSERT_EQ(level->SetPropertyText("Spec", "Fixed"), S_OK);
  const std::string exported = copy.File("Train.vsim");
  ASSERT_EQ(Doc().ExportSimulation("Train2", exported), S_OK);
  EXPECT_EQ(Doc().ExportSimulation("T101", exported), FE_NOTFOUND);  // a block is not a hierarchy

  // Opened, the train is the whole flowsheet, with the value changed inside it.
  Open(exported);
  EXPECT_EQ(Children(Simulation(), 0x501E0000), (std::vector<std::string>{"Supply", "T201", "Drain"}));
  EXPECT_EQ(Property("T201.Holdup", "Spec"), "Fixed");
  EXPECT_EQ(Statistics(Simulation()), (std::vector<int>{19, 24, -1}));

  // Back in the sample, that flowsheet becomes the contents of another hierarchy.
  Open(copy.File("Tanks.vsim"));
  CStoreType* train = Doc().Store().SimulationPalette()->Find("TankTrain");
  ASSERT_EQ(Doc().ImportFlowsheetFile(*train, copy.File("Overspecified.vsim")), S_OK);
  EXPECT_EQ(Children(Unit("Train2"), 0x501E0000), (std::vector<std::string>{"Supply", "Drain"}));
  // The model keeps its own name and the comment above it.
  EXPECT_NE(train->Text().find("// A second tank train, drawn as one block"), std::string::npos) << train->Text();
  EXPECT_NE(train->Text().find("Model TankTrain\n  Supply as Source"), std::string::npos) << train->Text();
  EXPECT_EQ(Statistics(Unit("Train2")), (std::vector<int>{9, 11, -1}));
  // A file that is not a simulation imports nothing.
  const std::string before = train->Text();
  EXPECT_EQ(Doc().ImportFlowsheetFile(*train, copy.Dir().Write("Bad.vsim", "nonsense")), FE_BADFILE);
  EXPECT_EQ(train->Text(), before);
}

TEST_F(FlowsheetTest, TheActiveModelOfABlockIsViewedMadeAndUsed) {
  CComPtr<IQVVariable> area;
  ASSERT_EQ(ComQuery<IQVVariableLookup>(Simulation())->FindVariable("T101.Area", &area), S_OK);
  ASSERT_EQ(area->SetPropertyText("Value", "4.5"), S_OK);
  ASSERT_EQ(Doc().DoCreateActiveModel(Unit("T101"), ActiveModelView, "", "", "", false, false), S_OK);
  const std::string viewed = Doc().ActiveModelText();
  EXPECT_EQ(viewed.rfind("Model BufferTank_T101\n", 0), 0u) << viewed;
  EXPECT_NE(viewed.find("Area as Value (4.5, Fixed, description:\"cross-section, m2\");"), std::string::npos) << viewed;
  EXPECT_EQ(Doc().Store().SimulationPalette()->Find("BufferTank_T101"), nullptr);  // viewing makes nothing

  ASSERT_EQ(Doc().DoCreateActiveModel(Unit("T101"), ActiveModelUse, "", "", "", false, false), S_OK);
  CStoreType* made = Doc().Store().SimulationPalette()->Find("BufferTank_T101");
  ASSERT_NE(made, nullptr);
  EXPECT_FALSE(made->HasErrors());
  CComPtr<IRModelType> type;
  ASSERT_EQ(ComQuery<IRModel>(Unit("T101"))->GetModelType(&type), S_OK);
  std::string name;
  type->GetName(name);
  EXPECT_EQ(name, "BufferTank_T101");
  EXPECT_EQ(Property("T101.Area", "Value"), "4.5");
  EXPECT_EQ(Statistics(Unit("T101")), (std::vector<int>{4, 9, 2}));
  // Made again from the same block, the new model takes a name of its own.
  ASSERT_EQ(Doc().DoCreateActiveModel(Unit("T101"), ActiveModelCreate, "", "", "", false, false), S_OK);
  EXPECT_NE(Doc().Store().SimulationPalette()->Find("BufferTank_T101_T101"), nullptr);
}

TEST_F(FlowsheetTest, CompilingTheFlowsheetTextMakesItsInstancesAnew) {
  // The flowsheet node reads the text through the simulation's type and compiles it there.
  CComPtr<IFType> simulation;
  ASSERT_EQ(Simulation()->GetType(&simulation), S_OK);
  std::string text;
  ASSERT_EQ(ReadDataObjectText(ComQuery<IDataObject>(simulation), "MORROW Modelling Language for flowsheet constraints edits",
                               text),
            S_OK);
  EXPECT_EQ(text, FlowsheetText());
  const std::string edited = text.substr(0, text.rfind("End")) + "  T103 as BufferTank;\nEnd\n";
  QVParseReport report = QVCompileConstraints(simulation, edited, "", 524800, 4, 25);
  EXPECT_FALSE(report.HasErrors());
  EXPECT_TRUE(Unit("T103"));
  EXPECT_EQ(Statistics(Unit("T103")), (std::vector<int>{4, 9, 2}));
  // A text with errors is kept as the latest, and the instances stay those of the last good one.
  report = QVCompileConstraints(simulation, text.substr(0, text.rfind("End")) + "  T104 as NoSuchTank;\nEnd\n", "",
                                524800, 4, 25);
  EXPECT_TRUE(report.HasErrors());
  EXPECT_TRUE(Unit("T103"));
  EXPECT_FALSE(Unit("T104"));
}

// A simulation of its own whose flowsheet is text; the libraries are the sample's.
std::string SimulationWith(const std::string& definitions, const std::string& moreLibraries = "") {
  return "// Vortan simulation file, format 1.0\n\nSection Libraries\n  Library \"SystemLibrary.vlib\";\n"
         "  Library \"Modeler.vlib\";\n" +
         moreLibraries + "EndSection\n\n" + definitions + "\n// End of Vortan simulation file\n";
}

TEST_F(FlowsheetTest, AHierarchyIsConnectedByItsOwnPortsInsideAndOut) {
  const std::string text = SimulationWith(
      "Model Leg\n  Inlet as Input Material;\n  Outlet as Output Material;\n  T as OpenTank;\n"
      "  In as Pipe (Source = Inlet, Destination = T.Inlet);\n  Out as Pipe (Source = T.Outlet, Destination = Outlet);\n"
      "End\n\n"
      "Model Flowsheet\n  Supply as Source;\n  L1, L2 as Leg;\n  Drain as Sink;\n"
      "  S1 as Pipe (Source = Supply.Outlet, Destination = L1.Inlet);\n"
      "  S2 as Pipe (Source = L1.Outlet, Destination = L2.Inlet);\n"
      "  S3 as Pipe (Source = L2.Outlet, Destination = Drain.Inlet);\n  Bad as Pipe (Source = L1.Inlet);\nEnd\n\n"
      "Section Types\n  Type \"Leg\" class=\"{AF77DF66-45D3-11D4-907D-00A02451BB94}\";\n"
      "  Type \"Flowsheet\" class=\"{AF77DF66-45D3-11D4-907D-00A02451BB94}\";\nEndSection\n",
      "  Library \"ProcessUnits.vlib\";\n");
  Open(copy.Dir().Write("Legs.vsim", text));
  // A leg: its ports' 4 variables; the tank's 9 (4 equations, 3 fixed); two pipes of 4
  // variables with their 2 equations and 2 at each end: 21 variables, 16 equations, 3 fixed.
  EXPECT_EQ(Statistics(Unit("L1")), (std::vector<int>{16, 21, 2}));
  // Supply 4 (2, 2 fixed), Drain 3 (1, 1 fixed), three joining pipes 4 (6) each, two legs:
  // 61 variables, 53 equations, 9 fixed; the pipe that cannot connect adds 4 and its own 2.
  EXPECT_EQ(Statistics(Simulation()), (std::vector<int>{53 + 2, 61 + 4, -1 + 2}));
  const auto& equations = Doc().Flowsheet().Current().Equations();
  const auto has = [&](const std::string& equation) {
    for (const InstanceEquation& e : equations)
      if (e.text == equation) return true;
    return false;
  };
  EXPECT_TRUE(has("L1.In.Source.F = L1.Inlet.F"));    // inside: the leg's inlet feeds its first pipe
  EXPECT_TRUE(has("L2.Out.Destination.P = L2.Outlet.P"));
  EXPECT_TRUE(has("S2.Source.F = L1.Outlet.F"));      // outside: pipes meet the legs' ports
  EXPECT_TRUE(has("S2.Destination.F = L2.Inlet.F"));
  EXPECT_NE(Doc().Messages().Text().find("'Bad': cannot connect Source to L1.Inlet: both ports are inputs"),
            std::string::npos)
      << Doc().Messages().Text();
}

TEST_F(FlowsheetTest, DamagedFlowsheetsLoadReportAndKeepTheirText) {
  std::string hierarchies;
  std::string types = "Section Types\n  Type \"Flowsheet\" class=\"{AF77DF66-45D3-11D4-907D-00A02451BB94}\";\n";
  // A hierarchy that contains itself through another, and a chain deeper than any limit.
  hierarchies += "Model Loop1\n  Inner as Loop2;\nEnd\n\nModel Loop2\n  Inner as Loop1;\nEnd\n\n";
  types += "  Type \"Loop1\" class=\"{AF77DF66-45D3-11D4-907D-00A02451BB94}\";\n"
           "  Type \"Loop2\" class=\"{AF77DF66-45D3-11D4-907D-00A02451BB94}\";\n";
  for (int i = 0; i < 80; ++i) {
    hierarchies += "Model Deep" + std::to_string(i) + "\n" +
                   (i < 79 ? "  Next as Deep" + std::to_string(i + 1) + ";\n" : std::string()) + "End\n\n";
    types += "  Type \"Deep" + std::to_string(i) + "\" class=\"{AF77DF66-45D3-11D4-907D-00A02451BB94}\";\n";
  }
  const std::string text = SimulationWith(
      hierarchies +
      "Model Flowsheet\n  A as Source;\n  B as NoSuchModel;\n  C as Sink;\n"
      "  S as Pipe (Source = A.Outlet, Destination = C.Nowhere);\n  W as Pipe (Source = C.Inlet);\n"
      "  L as Loop1;\n  D as Deep0;\nEnd\n\n" +
      types + "EndSection\n");
  const std::string path = copy.Dir().Write("Damaged.vsim", text);
  Doc().Messages().Clear();
  Open(path);
  const std::string log = Doc().Messages().Text();
  for (const char* problem : {"'B': the model type 'NoSuchModel' does not exist",
                              "'S': cannot connect Destination to C.Nowhere",
                              "'W': cannot connect Source to C.Inlet: both ports are", "contains itself",
                              "nested more than"})
    EXPECT_NE(log.find(problem), std::string::npos) << log;
  // The block without a type is still there, Not OK, and shows no statistics.
  CComPtr<IFInstance> missing = Unit("B");
  ASSERT_TRUE(missing);
  EXPECT_TRUE(Statistics(missing).empty());
  CComPtr<IFType> type;
  ASSERT_EQ(missing->GetType(&type), S_OK);
  EXPECT_TRUE(Unit("A"));
  // A stream that does not fit still counts: only the connection that failed is missing.
  EXPECT_EQ(Statistics(Unit("S")), (std::vector<int>{4, 4, 0}));
  // Saving writes the user's text back unchanged.
  FileProblem problem;
  ASSERT_TRUE(Doc().Save(problem)) << problem.Describe();
  EXPECT_EQ(ReadAll(path), text);
}

}  // namespace
