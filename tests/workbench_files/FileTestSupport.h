// Contents with something in every part of a file, for the round-trip and
// damage tests.
#pragma once

#include <string>

#include "host/store/HostClassIds.h"
#include "workbench/files/FileContents.h"

// The first and last lines of a simulation file.
inline const std::string kHeader = "// Vortan simulation file, format 1.0\n";
inline const std::string kClosing = "\n// End of Vortan simulation file\n";

inline FileDefinition MakeDefinition(const std::string& name, DefinitionKind kind, const std::string& text) {
  FileDefinition d;
  d.name = name;
  d.kind = kind;
  d.text = text;
  return d;
}

inline FileContents RichContents() {
  FileContents c;
  c.kind = FileKind::Simulation;
  c.libraries = {"SystemLibrary.vlib", "libs/Modeler.vlib"};
  c.definitions.push_back(MakeDefinition("Pressure", DefinitionKind::Variable,
                                         "Variable Pressure\n  Value: 1.0;\n  PhysicalQuantity : \"Pressure\";\nEnd\n"));
  FileDefinition tank = MakeDefinition(
      "Tank", DefinitionKind::Model,
      "// A vessel with a free liquid surface.\nModel Tank\n  Level as Pressure (1.0, Free);\n  $Level = 0;\nEnd\n");
  tank.description = "Holding tank – Größe";
  c.definitions.push_back(tank);
  // Texts that cannot stand in a file as they are.
  c.definitions.push_back(MakeDefinition("Cut", DefinitionKind::Model, "Model Cut\n  x as Pressure;\n"));
  c.definitions.push_back(MakeDefinition("NoFeed", DefinitionKind::Model, "Model NoFeed\nEnd"));
  c.definitions.push_back(MakeDefinition("Spaced", DefinitionKind::Model, "// one\n\n// two\nModel Spaced\nEnd\n"));
  c.definitions.push_back(
      MakeDefinition("Tricky", DefinitionKind::Model, "Model Tricky\n| not a block\nEndSection\nEnd\n// after\n"));
  c.definitions.push_back(MakeDefinition("Other", DefinitionKind::Model, "Model Renamed\nEnd\n"));
  FileDefinition failing = MakeDefinition("Broken", DefinitionKind::Model, "Model Broken\n  x as Nothing;\nEnd\n");
  failing.hasErrors = true;
  failing.goodText = "Model Broken\nEnd\n";
  c.definitions.push_back(failing);
  FileDefinition hierarchy = MakeDefinition("Hierarchy", DefinitionKind::Model, "Model Hierarchy\nEnd\n");
  hierarchy.flags = 0x500000;
  hierarchy.classId = CLSID_QVHierarchyType;
  c.definitions.push_back(hierarchy);
  FileDefinition steam = MakeDefinition("Steam", DefinitionKind::Stream, "Stream Steam\n  F as Pressure;\nEnd\n");
  steam.display = FileStreamDisplay{0xF0003, 9, true};
  c.definitions.push_back(steam);
  FileDefinition startup = MakeDefinition("Startup", DefinitionKind::Task, "Task Startup runs once\n  WAIT 5;\nEnd\n");
  startup.taskActive = true;
  c.definitions.push_back(startup);

  FileFolder blocks;
  blocks.path = {"BlockTypeFolder"};
  blocks.items = {"Cut", "NoFeed"};
  FileFolder storage;
  storage.path = {"BlockTypeFolder", "Storage"};
  storage.flags = 0x10000;
  storage.toolbarOrder = 2;
  storage.tankIcon = 0;
  storage.description = "Tanks and \"drums\"";
  FileFolder storageModels;
  storageModels.path = {"BlockTypeFolder", "Storage", "BlockTypeFolder"};
  storageModels.flags = 0x10000;
  storageModels.items = {"Tank"};
  c.folders = {blocks, storage, storageModels};

  FileOwnedItems& owned = c.OwnedBy("Tank");
  owned.forms.push_back(FileForm{"Levels", CLSID_QVTableForm, "Level\n"});
  owned.forms.push_back(FileForm{"Trend", CLSID_QVPlotForm, ""});
  owned.forms.push_back(FileForm{"Odd", GUID::FromString("{01234567-89AB-CDEF-0123-456789ABCDEF}"), "x"});
  owned.defaultForm = "Trend";
  owned.icons.push_back(FileIcon{"System", "Icon System\n  Name = Tank\n  Fill 15\n  Frame 6 4 26 28 0\nEnd\n"});
  owned.defaultIcon = "System";
  owned.scripts.push_back(FileScript{"Fill", "SET Tank.Level 2.0\nRUN\n"});
  FileDefinition drain = MakeDefinition("Drain", DefinitionKind::Task, "Task Drain\n  Tank.Level : 0;\nEnd\n");
  drain.hasErrors = true;
  owned.tasks.push_back(drain);
  c.OwnedBy("").scripts.push_back(FileScript{"Report", "PRINT Tank.Level"});

  c.propertiesConfigured = true;
  c.componentLists.push_back(FileComponentList{"Default", false, "water.ppf", {"Water", "Steam"}, "notes\nmore"});
  c.componentLists.push_back(FileComponentList{"Inerts", true, "", {"N2"}, ""});
  c.quantities.push_back(FileQuantity{"Pressure", "bar", {{"kPa", 0.01, 0}, {"psi", 0.0689475729, 0}}});
  c.quantities.push_back(FileQuantity{"Temperature", "K", {{"C", 1, 273.15}}});
  c.unitSets.push_back(FileUnitSet{"SI", {{"Pressure", "kPa"}}});
  c.unitSets.push_back(FileUnitSet{"US", {{"Pressure", "psi"}, {"Temperature", "C"}}});
  FileOptionValue real;
  real.type = FileOptionValue::Type::Real;
  real.real = 1e-7;
  FileOptionValue flag;
  flag.type = FileOptionValue::Type::Switch;
  flag.flag = true;
  FileOptionValue text;
  text.type = FileOptionValue::Type::Text;
  text.text = "G1, G2";
  FileOptionValue integer;
  integer.integer = -4;
  c.solverOptions = {{"Nonlinear.Hiresidual", real}, {"Propinfo", flag}, {"WatchGroup", text}, {"PrintLevel", integer}};
  c.packages.push_back(FilePackageData{"Tank", "Tank model", "1.2", "For the training course"});
  c.tools.homotopyAvailable = true;
  c.tools.optimisation = "Minimise energy";
  c.tools.linkInputs = true;
  c.settings.groupsPerPage = 250;
  c.settings.taskDoubleClick = 1;
  c.settings.customModeling = false;
  c.settings.exportedModels = {1, 0, 3};
  c.settings.currentUnitSet = "US";
  return c;
}
