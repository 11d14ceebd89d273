#include "workbench/files/FileReader.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <set>

#include "platform/SafeFile.h"
#include "workbench/files/FileFormat.h"
#include "workbench/files/FileLayout.h"
#include "workbench/files/RecordFields.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/TextCase.h"

namespace {

// Files larger than this are not simulation files (the reader would only waste memory on them).
constexpr std::size_t kMaxFileSize = 512u * 1024u * 1024u;

// The range of the whole-number fields the contents keep as int.
constexpr int kIntLow = std::numeric_limits<int>::min();
constexpr int kIntHigh = std::numeric_limits<int>::max();

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t\r\n") == std::string_view::npos; }

bool CanOwn(DefinitionKind kind) {
  return kind == DefinitionKind::Model || kind == DefinitionKind::Controller || kind == DefinitionKind::Stream ||
         kind == DefinitionKind::Structure;
}

// Section names of this format and the kinds of file that may hold them.
struct SectionRule {
  std::string_view name;
  bool simulationOnly = false;
  bool packageOnly = false;
};

constexpr SectionRule kSections[] = {
    {"Libraries"},         {"Types"},          {"Folders"},          {"Forms"},
    {"Icons"},             {"Scripts"},        {"Tasks"},            {"ComponentLists", true},
    {"UnitSets", true},    {"SolverOptions", true}, {"Packages", true}, {"Package", false, true},
    {"Tools", true},       {"Settings", true},
};

std::string SectionList() {
  std::string out;
  for (const SectionRule& rule : kSections) out += (out.empty() ? "" : ", ") + std::string(rule.name);
  return out;
}

class ContentsReader {
 public:
  ContentsReader(const FileLayout& layout, FileContents& contents) : m_layout(layout), m_contents(contents) {}

  void Read() {
    m_contents.kind = m_layout.kind;
    m_contents.version = m_layout.version;
    for (const auto& item : m_layout.items) {
      if (const auto* definition = std::get_if<SourceDefinition>(&item)) {
        AddDefinition(*definition);
      } else {
        ReadSection(std::get<FileSection>(item));
      }
    }
    ApplyTypeAttributes();
    CheckReferences();
    if (m_layout.kind == FileKind::Package && !m_contents.package)
      throw FileFormatError(0, "a package file must have a 'Package' section saying what it holds");
  }

 private:
  void AddDefinition(const SourceDefinition& source) {
    FileDefinition definition;
    definition.name = source.name;
    definition.kind = source.kind;
    definition.text = DefinitionTextFromFile(source.leadingText, source.text);
    definition.line = source.line;
    AddDefinition(std::move(definition));
  }

  void AddDefinition(FileDefinition definition) {
    const auto [it, added] =
        m_definitionIndex.emplace(LowerAscii(definition.name), m_contents.definitions.size());
    if (!added)
      throw FileFormatError(definition.line, "the type '" + definition.name + "' is defined twice (first at line " +
                                                 std::to_string(m_contents.definitions[it->second].line) + ")");
    m_contents.definitions.push_back(std::move(definition));
  }

  void ReadSection(const FileSection& section) {
    const SectionRule* rule = nullptr;
    for (const SectionRule& r : kSections)
      if (r.name == section.name) rule = &r;
    if (!rule) {
      // A later program's section: this one does not know what it means, and leaves it.
      if (m_layout.version.major == kFileFormatVersion.major && m_layout.version.minor > kFileFormatVersion.minor) {
        m_contents.skippedSections.push_back(section.name);
        return;
      }
      throw FileFormatError(section.line, "unknown section '" + section.name + "'; expected one of " + SectionList());
    }
    if (rule->simulationOnly && m_layout.kind != FileKind::Simulation)
      throw FileFormatError(section.line, "the section '" + section.name + "' belongs in a simulation file");
    if (rule->packageOnly && m_layout.kind != FileKind::Package)
      throw FileFormatError(section.line, "the section '" + section.name + "' belongs in a package file");
    m_section = &section;
    for (const Record& record : section.records) {
      RecordFields fields(record);
      ReadRecord(section.name, fields);
      fields.Finish();
    }
  }

  [[noreturn]] void Unknown(const RecordFields& fields, std::string_view expected) {
    throw FileFormatError(fields.Line(), "unknown record '" + fields.Source().keyword + "' in the section '" +
                                             m_section->name + "'; expected " + std::string(expected));
  }

  void ReadRecord(const std::string& section, RecordFields& f) {
    const std::string& k = f.Source().keyword;
    if (section == "Libraries") {
      if (k != "Library") Unknown(f, "Library");
      m_contents.libraries.push_back(f.String("the library's file"));
      f.NoText();
    } else if (section == "Types") {
      if (k != "Type") Unknown(f, "Type");
      ReadType(f);
    } else if (section == "Folders") {
      ReadFolderRecord(f);
    } else if (section == "Forms") {
      if (k != "Form") Unknown(f, "Form");
      ReadForm(f);
    } else if (section == "Icons") {
      if (k != "Icon") Unknown(f, "Icon");
      ReadIcon(f);
    } else if (section == "Scripts") {
      if (k != "Script") Unknown(f, "Script");
      const std::string owner = Owner(f);
      FileScript script{f.String("the script's name"), f.Text()};
      Once(f, owner, "script", script.name);
      OwnedBy(owner).scripts.push_back(std::move(script));
    } else if (section == "Tasks") {
      ReadTaskRecord(f);
    } else if (section == "ComponentLists") {
      ReadComponentRecord(f);
    } else if (section == "UnitSets") {
      ReadUnitRecord(f);
    } else if (section == "SolverOptions") {
      if (k != "Option") Unknown(f, "Option");
      ReadOption(f);
    } else if (section == "Packages") {
      if (k != "Package") Unknown(f, "Package");
      FilePackageData data;
      data.model = f.String("the model's name");
      data.title = f.NamedString("title").value_or("");
      data.version = f.NamedString("version").value_or("");
      data.description = f.NamedString("description").value_or("");
      f.NoText();
      m_contents.packages.push_back(std::move(data));
    } else if (section == "Package") {
      ReadPackageRecord(f);
    } else if (section == "Tools") {
      ReadToolRecord(f);
    } else if (section == "Settings") {
      ReadSetting(f);
    }
  }

  // Refuses a second item of the same kind and name (any case) in one place.
  void Once(RecordFields& f, const std::string& place, std::string_view what, const std::string& name) {
    if (!m_itemNames.insert(LowerAscii(place) + '\n' + std::string(what) + '\n' + LowerAscii(name)).second)
      f.Fail("the " + std::string(what) + " '" + name + "' is listed twice" + (place.empty() ? "" : " for '" + place + "'"));
  }

  std::string Owner(RecordFields& f) {
    std::string owner = f.String("the owner (a model's name, or \"\" for the file's own)");
    if (!owner.empty()) m_ownerLines.emplace_back(owner, f.Line());
    return owner;
  }

  // What a Type or Task record says of a type besides its text.
  static void ReadTypeAttributes(RecordFields& f, FileDefinition& d) {
    const std::optional<long long> flags = f.NamedInteger("flags");
    if (flags && (*flags < 0 || *flags > 0xFFFFFFFFLL)) f.Fail("flags= must fit in 32 bits");
    d.flags = static_cast<DWORD>(flags.value_or(0));
    if (const std::optional<std::string> classText = f.NamedString("class")) {
      d.classId = GUID::Parse(*classText);
      if (!d.classId)
        f.Fail("expected class= to be a class identifier such as \"{AF77DF66-45D3-11D4-907D-00A02451BB94}\"");
    }
    d.hasErrors = f.NamedLogical("errors").value_or(false);
    d.goodText = f.NamedString("good");
    d.description = f.NamedString("description").value_or("");
    d.taskActive = f.NamedLogical("active").value_or(false);
    const std::optional<long long> lineStyle = f.NamedInteger("lineStyle");
    const std::optional<long long> colour = f.NamedInteger("colour");
    const std::optional<bool> hideLabels = f.NamedLogical("hideLabels");
    if (lineStyle || colour || hideLabels) {
      if (lineStyle && (*lineStyle < 0 || *lineStyle > 0xFFFFFFFFLL)) f.Fail("lineStyle= must fit in 32 bits");
      if (colour && (*colour < 0 || *colour > 0xFFFFFFFFLL)) f.Fail("colour= must fit in 32 bits");
      FileStreamDisplay display;
      display.lineStyle = static_cast<DWORD>(lineStyle.value_or(1));
      display.colour = static_cast<DWORD>(colour.value_or(0));
      display.hideLabels = hideLabels.value_or(false);
      d.display = display;
    }
  }

  void ReadType(RecordFields& f) {
    FileDefinition definition;
    definition.name = f.String("the type's name");
    definition.line = f.Line();
    const std::optional<std::string> kindWord = f.NamedWordOrString("kind");
    ReadTypeAttributes(f, definition);
    if (!f.Source().text) {
      if (kindWord) f.Fail("kind= is given only with the type's text");
      if (!m_typeAttributes.emplace(LowerAscii(definition.name), std::move(definition)).second)
        f.Fail("the type is described twice");
      return;
    }
    // A type whose text is kept as a block: its text may be anything the user wrote.
    if (!kindWord) f.Fail("expected kind= (the definition's keyword) for a type given as text");
    const std::optional<DefinitionKind> kind = DefinitionKindFromKeyword(*kindWord);
    if (!kind) f.Fail("kind=" + *kindWord + " is not a definition keyword; expected one of " + DefinitionKeywordList());
    definition.kind = *kind;
    definition.text = f.Text();
    AddDefinition(std::move(definition));
  }

  void ReadFolderRecord(RecordFields& f) {
    const std::string& k = f.Source().keyword;
    if (k == "Folder") {
      FileFolder folder;
      folder.path = f.Strings("a folder name", true);
      if (folder.path.size() > kMaxFolderDepth)
        f.Fail("the folder lies " + std::to_string(folder.path.size()) + " folders deep; a file holds folders at most " +
               std::to_string(kMaxFolderDepth) + " deep");
      for (const std::string& part : folder.path)
        if (part.empty()) f.Fail("a folder name must not be empty");
      const std::optional<long long> flags = f.NamedInteger("flags");
      if (flags && (*flags < 0 || *flags > 0xFFFFFFFFLL)) f.Fail("flags= must fit in 32 bits");
      folder.flags = static_cast<DWORD>(flags.value_or(0));
      folder.toolbarOrder = f.NamedIntegerIn("order", kIntLow, kIntHigh).value_or(0);
      folder.tankIcon = f.NamedIntegerIn("tankIcon", kIntLow, kIntHigh).value_or(0);  // never set: the models keep their tank icon
      folder.description = f.NamedString("description");
      f.NoText();
      std::string key;
      for (const std::string& part : folder.path) key += LowerAscii(part) + "/";
      if (!m_folderPaths.insert(key).second) f.Fail("the folder is listed twice");
      m_contents.folders.push_back(std::move(folder));
    } else if (k == "Item") {
      if (m_contents.folders.empty()) f.Fail("an 'Item' must follow the 'Folder' that holds it");
      const std::string name = f.String("the name of a type the folder holds");
      f.NoText();
      if (!m_placedItems.emplace(LowerAscii(name), f.Line()).second)
        f.Fail("the type '" + name + "' is already placed in a folder");
      m_itemLines.emplace_back(name, f.Line());
      m_contents.folders.back().items.push_back(name);
    } else {
      Unknown(f, "Folder or Item");
    }
  }

  void ReadForm(RecordFields& f) {
    const std::string owner = Owner(f);
    FileForm form;
    form.name = f.String("the form's name");
    const std::optional<std::string> kindText = f.NamedWordOrString("kind");
    if (!kindText) f.Fail("expected kind= (Table, Plot, Profile, Custom, ModelHelp or a class identifier)");
    const std::optional<CLSID> kind = FormKindFromText(*kindText);
    if (!kind) f.Fail("kind=" + *kindText + " is not a form kind; expected Table, Plot, Profile, Custom, ModelHelp or a class identifier");
    form.kind = *kind;
    const bool isDefault = f.NamedLogical("default").value_or(false);
    form.text = f.Text();
    Once(f, owner, "form", form.name);
    FileOwnedItems& items = OwnedBy(owner);
    if (isDefault) items.defaultForm = form.name;
    items.forms.push_back(std::move(form));
  }

  void ReadIcon(RecordFields& f) {
    const std::string owner = Owner(f);
    FileIcon icon;
    icon.name = f.String("the icon's name");
    const bool isDefault = f.NamedLogical("default").value_or(false);
    icon.text = f.Text();
    Once(f, owner, "icon", icon.name);
    FileOwnedItems& items = OwnedBy(owner);
    if (isDefault) items.defaultIcon = icon.name;
    items.icons.push_back(std::move(icon));
  }

  void ReadTaskRecord(RecordFields& f) {
    if (f.Source().keyword != "Task") Unknown(f, "Task");
    const std::string owner = Owner(f);
    if (owner.empty()) f.Fail("the file's own tasks are written as definitions; a 'Task' record names a model");
    FileDefinition task;
    task.name = f.String("the task's name");
    task.kind = DefinitionKind::Task;
    task.line = f.Line();
    ReadTypeAttributes(f, task);
    task.text = f.Text();
    Once(f, owner, "task", task.name);
    OwnedBy(owner).tasks.push_back(std::move(task));
  }

  void ReadComponentRecord(RecordFields& f) {
    const std::string& k = f.Source().keyword;
    if (k == "Properties") {
      m_contents.propertiesConfigured = f.NamedLogical("configured").value_or(false);
      f.NoText();
    } else if (k == "ComponentList") {
      FileComponentList list;
      list.name = f.String("the component list's name");
      list.isSet = f.NamedLogical("set").value_or(false);
      list.propertyFile = f.NamedString("file").value_or("");
      list.notes = f.Text();
      Once(f, "", "component list", list.name);
      m_contents.componentLists.push_back(std::move(list));
    } else if (k == "Component") {
      if (m_contents.componentLists.empty()) f.Fail("a 'Component' must follow its 'ComponentList'");
      m_contents.componentLists.back().components.push_back(f.String("the component's name"));
      f.NoText();
    } else {
      Unknown(f, "Properties, ComponentList or Component");
    }
  }

  void ReadUnitRecord(RecordFields& f) {
    const std::string& k = f.Source().keyword;
    f.NoText();
    if (k == "Quantity") {
      FileQuantity quantity;
      quantity.name = f.String("the physical quantity");
      const std::optional<std::string> base = f.NamedString("base");
      if (!base) f.Fail("expected base= (the quantity's base unit)");
      quantity.baseUnit = *base;
      Once(f, "", "quantity", quantity.name);
      m_contents.quantities.push_back(std::move(quantity));
    } else if (k == "Conversion") {
      if (m_contents.quantities.empty()) f.Fail("a 'Conversion' must follow the 'Quantity' it converts");
      FileConversion conversion;
      conversion.unit = f.String("the unit");
      conversion.factor = f.NamedReal("factor").value_or(1.0);
      conversion.offset = f.NamedReal("offset").value_or(0.0);
      if (conversion.factor == 0) f.Fail("factor= must not be 0");
      m_contents.quantities.back().units.push_back(std::move(conversion));
    } else if (k == "UnitSet") {
      FileUnitSet set;
      set.name = f.String("the unit set's name");
      Once(f, "", "unit set", set.name);
      m_contents.unitSets.push_back(std::move(set));
    } else if (k == "Unit") {
      if (m_contents.unitSets.empty()) f.Fail("a 'Unit' must follow its 'UnitSet'");
      FileUnitChoice choice;
      choice.quantity = f.String("the physical quantity");
      choice.unit = f.String("the unit");
      m_contents.unitSets.back().units.push_back(std::move(choice));
    } else {
      Unknown(f, "Quantity, Conversion, UnitSet or Unit");
    }
  }

  void ReadToolRecord(RecordFields& f) {
    const std::string& k = f.Source().keyword;
    FileTools& t = m_contents.tools;
    f.NoText();
    if (k == "Homotopy") {
      t.homotopyAvailable = f.NamedLogical("available").value_or(false);
      t.homotopyActive = f.NamedLogical("active").value_or(false);
    } else if (k == "Estimation") {
      t.estimationDefined = f.NamedLogical("defined").value_or(false);
      t.estimationResult = f.NamedLogical("result").value_or(false);
      t.estimationActive = f.NamedLogical("active").value_or(false);
    } else if (k == "Optimisation") {
      t.optimisation = f.NamedString("description");
    } else if (k == "ExternalInterface") {
      t.externalEnabled = f.NamedLogical("enabled").value_or(false);
    } else if (k == "OnLineLinks") {
      t.linkInputs = f.NamedLogical("inputs").value_or(false);
      t.linkOutputs = f.NamedLogical("outputs").value_or(false);
      t.linksActive = f.NamedLogical("active").value_or(false);
    } else {
      Unknown(f, "Homotopy, Estimation, Optimisation, ExternalInterface or OnLineLinks");
    }
  }

  void ReadOption(RecordFields& f) {
    FileSolverOption option;
    option.name = f.String("the option's name");
    f.NoText();
    int given = 0;
    if (const auto v = f.NamedInteger("integer")) {
      option.value.type = FileOptionValue::Type::Integer;
      option.value.integer = *v;
      ++given;
    }
    if (const auto v = f.NamedLogical("switch")) {
      option.value.type = FileOptionValue::Type::Switch;
      option.value.flag = *v;
      ++given;
    }
    if (const auto v = f.NamedReal("real")) {
      option.value.type = FileOptionValue::Type::Real;
      option.value.real = *v;
      ++given;
    }
    if (const auto v = f.NamedString("text")) {
      option.value.type = FileOptionValue::Type::Text;
      option.value.text = *v;
      ++given;
    }
    if (given != 1) f.Fail("expected exactly one of integer=, switch=, real= or text=");
    m_contents.solverOptions.push_back(std::move(option));
  }

  void ReadPackageRecord(RecordFields& f) {
    const std::string& k = f.Source().keyword;
    FilePackageDescription& package = m_contents.package ? *m_contents.package : m_contents.package.emplace();
    if (k == "Packaged") {
      package.model = f.String("the packaged model's name");
      package.format = f.NamedString("format").value_or("");
      package.option = f.NamedIntegerIn("option", kIntLow, kIntHigh).value_or(0);
      f.NoText();
    } else if (k == "Settings") {
      for (int& setting : package.settings) setting = f.IntegerIn("an export setting", kIntLow, kIntHigh);
      f.NoText();
    } else if (k == "Attachment") {
      package.attachments.push_back(FileScript{f.String("the attached file's name"), f.Text()});
    } else {
      Unknown(f, "Packaged, Settings or Attachment");
    }
  }

  void ReadSetting(RecordFields& f) {
    const std::string& k = f.Source().keyword;
    FileSettings& s = m_contents.settings;
    f.NoText();
    auto integer = [&](std::string_view what) { return f.IntegerIn(what, kIntLow, kIntHigh); };
    if (k == "GroupsPerPage") {
      s.groupsPerPage = f.IntegerIn("the number of groups per page", 1, kIntHigh);
    } else if (k == "ScriptDoubleClick") {
      s.scriptDoubleClick = integer("what double-clicking a script does");
    } else if (k == "TaskDoubleClick") {
      s.taskDoubleClick = integer("what double-clicking a task does");
    } else if (k == "CustomModeling") {
      s.customModeling = f.Logical("whether the simulation's types may be changed");
    } else if (k == "ExportedModels") {
      for (int& setting : s.exportedModels) setting = integer("an exported-model setting");
    } else if (k == "CurrentUnitSet") {
      s.currentUnitSet = f.String("the current unit set's name");
    } else if (k == "Value") {
      FileVariableValue value;
      value.path = f.String("the variable's path");
      value.value = f.NamedReal("value");
      value.spec = f.NamedWordOrString("spec").value_or(std::string());
      value.lower = f.NamedReal("lower");
      value.upper = f.NamedReal("upper");
      s.values.push_back(std::move(value));
    } else {
      Unknown(f, "GroupsPerPage, ScriptDoubleClick, TaskDoubleClick, CustomModeling, ExportedModels, "
                 "CurrentUnitSet or Value");
    }
  }

  void ApplyTypeAttributes() {
    for (auto& [key, attributes] : m_typeAttributes) {
      const auto found = m_definitionIndex.find(key);
      if (found == m_definitionIndex.end())
        throw FileFormatError(attributes.line, "'Type' names a type that is not defined in this file");
      FileDefinition& target = m_contents.definitions[found->second];
      attributes.name = target.name;
      attributes.kind = target.kind;
      attributes.text = std::move(target.text);
      attributes.line = target.line;
      target = std::move(attributes);
    }
  }

  const FileDefinition* Definition(const std::string& name) const {
    const auto found = m_definitionIndex.find(LowerAscii(name));
    return found == m_definitionIndex.end() ? nullptr : &m_contents.definitions[found->second];
  }

  // The owner's items; the index keeps this quick for files with many owners.
  FileOwnedItems& OwnedBy(const std::string& owner) {
    const auto [it, added] = m_ownedIndex.emplace(LowerAscii(owner), m_contents.owned.size());
    if (added) {
      m_contents.owned.push_back(FileOwnedItems{});
      m_contents.owned.back().owner = owner;
    }
    return m_contents.owned[it->second];
  }

  void CheckReferences() {
    for (const auto& [owner, line] : m_ownerLines) {
      const FileDefinition* d = Definition(owner);
      if (!d || !CanOwn(d->kind))
        throw FileFormatError(line, "the owner '" + owner + "' is not a model, stream or structure of this file");
    }
    for (const auto& [name, line] : m_itemLines)
      if (!Definition(name)) throw FileFormatError(line, "the folder holds '" + name + "', which is not defined in this file");
    const std::string& current = m_contents.settings.currentUnitSet;
    if (!current.empty()) {
      bool found = false;
      for (const FileUnitSet& set : m_contents.unitSets) found = found || EqualsNoCase(set.name, current);
      if (!found) throw FileFormatError(0, "the current unit set '" + current + "' is not among the unit sets");
    }
  }

  const FileLayout& m_layout;
  FileContents& m_contents;
  const FileSection* m_section = nullptr;
  std::map<std::string, std::size_t> m_definitionIndex;
  std::map<std::string, std::size_t> m_ownedIndex;
  std::map<std::string, FileDefinition> m_typeAttributes;
  std::set<std::string> m_folderPaths;
  std::set<std::string> m_itemNames;
  std::map<std::string, int> m_placedItems;
  std::vector<std::pair<std::string, int>> m_ownerLines;
  std::vector<std::pair<std::string, int>> m_itemLines;
};

}  // namespace

std::string DefinitionTextFromFile(std::string_view leadingText, std::string_view text) {
  // Keep only the lines after the last blank line of the leading text.
  std::size_t keepFrom = 0;
  std::size_t lineStart = 0;
  while (lineStart < leadingText.size()) {
    const std::size_t lineFeed = leadingText.find('\n', lineStart);
    const std::size_t lineEnd = lineFeed == std::string_view::npos ? leadingText.size() : lineFeed + 1;
    if (IsBlankLine(leadingText.substr(lineStart, lineEnd - lineStart))) keepFrom = lineEnd;
    lineStart = lineEnd;
  }
  std::string out(leadingText.substr(keepFrom));
  out += text;
  return out;
}

namespace {

// Files saved with Windows or old Macintosh line ends read as the same
// contents, so that a text read and written again reads the same: carriage
// returns before a line feed or at the end of the file are part of that line
// end (all of them), and each carriage return elsewhere is a line end of its own.
std::string WithUnixLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '\r') {
      out += text[i++];
      continue;
    }
    std::size_t end = text.find_first_not_of('\r', i);
    if (end == std::string_view::npos) end = text.size();
    if (end < text.size() && text[end] != '\n') out.append(end - i, '\n');
    i = end;
  }
  return out;
}

}  // namespace

std::optional<FileContents> ReadFileContents(std::string_view text, const std::string& path, FileProblem& problem) {
  problem = FileProblem{path, 0, {}};
  if (text.size() > kMaxFileSize) {
    problem.message = "the file is too large to be a simulation or library file";
    return std::nullopt;
  }
  std::string unixText;
  if (text.find('\r') != std::string_view::npos) {
    unixText = WithUnixLineEnds(text);
    text = unixText;
  }
  const std::optional<FileLayout> layout = ReadFileLayout(text, problem);
  if (!layout) return std::nullopt;
  FileContents contents;
  try {
    ContentsReader(*layout, contents).Read();
  } catch (const FileFormatError& error) {
    problem.line = error.line;
    problem.message = error.what();
    return std::nullopt;
  }
  return contents;
}

std::optional<FileContents> ReadFileContentsFrom(const std::string& path, FileProblem& problem, std::string* text) {
  problem = FileProblem{path, 0, {}};
  const FileImage image = ReadFileImage(path, kMaxFileSize);
  if (!image.identity.exists) {
    problem.message = "the file does not exist";
    return std::nullopt;
  }
  if (!image.regular) {
    problem.message = "this is not a file (a folder or a device)";
    return std::nullopt;
  }
  if (image.error != 0) {
    problem.message = std::string("the file cannot be read: ") + std::strerror(image.error);
    return std::nullopt;
  }
  if (image.truncated) {
    problem.message = "the file is too large to be a simulation or library file";
    return std::nullopt;
  }
  std::optional<FileContents> contents = ReadFileContents(image.bytes, path, problem);
  if (contents && text) *text = std::move(image.bytes);
  return contents;
}
