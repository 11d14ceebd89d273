// What a simulation or library file holds, independent of the store: the
// palette's own type definitions with their exact texts, the folders, what
// each model owns (forms, icons, scripts, tasks), the component lists, unit
// sets, solver options, package data and settings. The reader fills it from
// text, the writer turns it back into text, and the store loader and saver
// move it in and out of a store.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Guid.h"
#include "platform/Types.h"
#include "workbench/language/DefinitionKind.h"

enum class FileKind {
  Simulation,   // a simulation document
  Library,      // a model library
  Package,      // a model package (.rmplz, .msi, .dll): a library with a package description
  Definitions,  // plain modelling-language text (.ktrf) without a header
};

struct FileFormatVersion {
  int major = 1;
  int minor = 0;
  friend bool operator==(const FileFormatVersion&, const FileFormatVersion&) = default;
};

struct FileStreamDisplay {
  DWORD lineStyle = 1;
  DWORD colour = 0;
  bool hideLabels = false;
  friend bool operator==(const FileStreamDisplay&, const FileStreamDisplay&) = default;
};

// One type held by a palette: its latest text exactly as the store keeps it,
// the last text that compiled (when it differs), and what else the type keeps.
struct FileDefinition {
  std::string name;
  DefinitionKind kind = DefinitionKind::Model;
  std::string text;                      // the latest text
  std::optional<std::string> goodText;   // the last good text when it differs from text ("" for none)
  bool hasErrors = false;                // the last compile of text found errors
  DWORD flags = 0;                       // store attribute flags (built-in, system, hidden ...)
  std::optional<CLSID> classId;          // a class of its own (the built-in "Hierarchy" type)
  std::string description;
  std::optional<FileStreamDisplay> display;  // stream types: how their streams are drawn
  bool taskActive = false;               // tasks: running in the simulation
  int line = 0;                          // where it began in the file read (0 when made in memory)

  friend bool operator==(const FileDefinition& a, const FileDefinition& b) {
    return a.name == b.name && a.kind == b.kind && a.text == b.text && a.goodText == b.goodText &&
           a.hasErrors == b.hasErrors && a.flags == b.flags && a.classId == b.classId &&
           a.description == b.description && a.display == b.display && a.taskActive == b.taskActive;
  }
};

// A folder of the palette with the names of the types it holds directly.
// The path runs from the palette's root folder: {"BlockTypeFolder", "Storage"}.
struct FileFolder {
  std::vector<std::string> path;
  DWORD flags = 0;
  int toolbarOrder = 0;
  std::optional<std::string> description;
  int tankIcon = 0;  // negative: no tank icon on the folder's models
  std::vector<std::string> items;
  friend bool operator==(const FileFolder&, const FileFolder&) = default;
};

struct FileForm {
  std::string name;
  CLSID kind;
  std::string text;  // the form's definition
  friend bool operator==(const FileForm&, const FileForm&) = default;
};

// An icon's definition: its picture drawn by shapes, as text.
struct FileIcon {
  std::string name;
  std::string text;
  friend bool operator==(const FileIcon&, const FileIcon&) = default;
};

struct FileScript {
  std::string name;
  std::string text;
  friend bool operator==(const FileScript&, const FileScript&) = default;
};

// What one owner holds besides types: a model of the palette (by name), or
// with an empty owner name the palette's own type (the simulation, the library).
struct FileOwnedItems {
  std::string owner;
  std::vector<FileForm> forms;
  std::string defaultForm;
  std::vector<FileIcon> icons;
  std::string defaultIcon;
  std::vector<FileScript> scripts;
  std::vector<FileDefinition> tasks;  // a model's own tasks (the palette's tasks are among its definitions)
  friend bool operator==(const FileOwnedItems&, const FileOwnedItems&) = default;
};

struct FileComponentList {
  std::string name;
  bool isSet = false;  // a set does not use physical properties
  std::string propertyFile;
  std::vector<std::string> components;
  std::string notes;
  friend bool operator==(const FileComponentList&, const FileComponentList&) = default;
};

// value in unit = (value in base units - offset) / factor
struct FileConversion {
  std::string unit;
  double factor = 1.0;
  double offset = 0.0;
  friend bool operator==(const FileConversion&, const FileConversion&) = default;
};

struct FileQuantity {
  std::string name;      // "Pressure"
  std::string baseUnit;  // "bar"
  std::vector<FileConversion> units;  // the units it can be shown in, besides the base unit
  friend bool operator==(const FileQuantity&, const FileQuantity&) = default;
};

struct FileUnitChoice {
  std::string quantity;
  std::string unit;
  friend bool operator==(const FileUnitChoice&, const FileUnitChoice&) = default;
};

struct FileUnitSet {
  std::string name;
  std::vector<FileUnitChoice> units;
  friend bool operator==(const FileUnitSet&, const FileUnitSet&) = default;
};

struct FileOptionValue {
  enum class Type { Integer, Switch, Real, Text };
  Type type = Type::Integer;
  long long integer = 0;
  bool flag = false;
  double real = 0.0;
  std::string text;
  friend bool operator==(const FileOptionValue&, const FileOptionValue&) = default;
};

struct FileSolverOption {
  std::string name;
  FileOptionValue value;
  friend bool operator==(const FileSolverOption&, const FileSolverOption&) = default;
};

// The export package settings the user gave a model.
struct FilePackageData {
  std::string model;
  std::string title;
  std::string version;
  std::string description;
  friend bool operator==(const FilePackageData&, const FilePackageData&) = default;
};

// What a package file says about itself.
struct FilePackageDescription {
  std::string model;           // the packaged model
  std::string format;          // "rmplz", "msi" or "dll"
  std::array<int, 3> settings{};  // the export settings it was made with
  int option = 0;
  // Files that travel inside the package (the custom-modeling types file), by leaf name.
  std::vector<FileScript> attachments;
  friend bool operator==(const FilePackageDescription&, const FilePackageDescription&) = default;
};

// The state of the simulation's analysis and interfacing tools.
struct FileTools {
  bool homotopyAvailable = false;
  bool homotopyActive = false;
  bool estimationDefined = false;
  bool estimationResult = false;
  bool estimationActive = false;
  std::optional<std::string> optimisation;  // the problem's description, none when no problem is defined
  bool externalEnabled = false;
  bool linkInputs = false;
  bool linkOutputs = false;
  bool linksActive = false;
  friend bool operator==(const FileTools&, const FileTools&) = default;
};

// A flowsheet variable the user changed: "Value "T101.Level" value=1.5 spec=Initial lower=0 upper=6;".
struct FileVariableValue {
  std::string path;
  std::optional<double> value;
  std::string spec;  // empty when unchanged
  std::optional<double> lower;
  std::optional<double> upper;
  friend bool operator==(const FileVariableValue&, const FileVariableValue&) = default;
};

struct FileSettings {
  int groupsPerPage = 1000;
  int scriptDoubleClick = 0;
  int taskDoubleClick = 0;
  bool customModeling = true;
  std::array<int, 3> exportedModels{};
  std::string currentUnitSet;
  std::vector<FileVariableValue> values;
  friend bool operator==(const FileSettings&, const FileSettings&) = default;
};

// Whether two lists of owned items say the same, whatever the order of the
// owners and leaving out owners that hold nothing.
bool SameOwnedItems(const std::vector<FileOwnedItems>& a, const std::vector<FileOwnedItems>& b);

struct FileContents {
  FileKind kind = FileKind::Simulation;
  FileFormatVersion version;
  std::vector<std::string> libraries;  // files of the libraries used, as written (relative to this file)
  std::vector<FileDefinition> definitions;
  std::vector<FileFolder> folders;
  std::vector<FileOwnedItems> owned;
  bool propertiesConfigured = false;
  std::vector<FileComponentList> componentLists;
  std::vector<FileQuantity> quantities;
  std::vector<FileUnitSet> unitSets;
  std::vector<FileSolverOption> solverOptions;
  std::vector<FilePackageData> packages;
  std::optional<FilePackageDescription> package;
  FileTools tools;
  FileSettings settings;
  // Sections a later program wrote that this one does not know (skipped on reading).
  std::vector<std::string> skippedSections;

  friend bool operator==(const FileContents& a, const FileContents& b) {
    return a.kind == b.kind && a.libraries == b.libraries && a.definitions == b.definitions &&
           a.folders == b.folders && SameOwnedItems(a.owned, b.owned) &&
           a.propertiesConfigured == b.propertiesConfigured && a.componentLists == b.componentLists &&
           a.quantities == b.quantities && a.unitSets == b.unitSets && a.solverOptions == b.solverOptions &&
           a.packages == b.packages && a.package == b.package && a.tools == b.tools && a.settings == b.settings;
  }

  // The owner's items, made when missing.
  FileOwnedItems& OwnedBy(const std::string& owner);
  const FileOwnedItems* FindOwned(const std::string& owner) const;
  const FileDefinition* FindDefinition(const std::string& name) const;
};
