#include "workbench/files/FileWriter.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "platform/SafeFile.h"
#include "workbench/files/FileFormat.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/Record.h"
#include "workbench/files/RecordFields.h"
#include "workbench/language/DefinitionSplitter.h"
#include "workbench/language/TextCase.h"
#include "workbench/language/Utf8Validation.h"

namespace {

std::string Hex(DWORD value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
  return buffer;
}

// One record line and its text block, in the layout the reader takes.
class RecordLine {
 public:
  explicit RecordLine(std::string_view keyword) : m_line("  ") { m_line += keyword; }

  RecordLine& String(std::string_view value) {
    m_line += ' ';
    m_line += QuoteRecordString(value);
    return *this;
  }
  RecordLine& Integer(long long value) {
    m_line += ' ' + std::to_string(value);
    return *this;
  }
  RecordLine& Integers(const std::array<int, 3>& values) {
    for (const int value : values) Integer(value);
    return *this;
  }
  RecordLine& Word(std::string_view word) {
    m_line += ' ';
    m_line += word;
    return *this;
  }
  RecordLine& Named(std::string_view name, std::string_view valueAsWritten) {
    m_line += ' ';
    m_line += name;
    m_line += '=';
    m_line += valueAsWritten;
    return *this;
  }
  RecordLine& NamedString(std::string_view name, std::string_view value) {
    return Named(name, QuoteRecordString(value));
  }
  RecordLine& NamedInteger(std::string_view name, long long value) { return Named(name, std::to_string(value)); }
  RecordLine& NamedLogical(std::string_view name, bool value) { return Named(name, value ? "true" : "false"); }
  RecordLine& Text(std::string_view text) {
    m_text = std::string(text);
    m_hasText = true;
    return *this;
  }

  void AppendTo(std::string& out) const {
    out += m_line;
    out += ";\n";
    if (m_hasText) AppendTextBlock(out, m_text, "    ");
  }

 private:
  std::string m_line;
  std::string m_text;
  bool m_hasText = false;
};

class SectionText {
 public:
  explicit SectionText(std::string_view name) : m_name(name) {}
  void Add(const RecordLine& record) {
    record.AppendTo(m_body);
    m_empty = false;
  }
  const std::string& Name() const { return m_name; }
  std::string Text() const { return m_empty ? std::string() : "\nSection " + m_name + "\n" + m_body + "EndSection\n"; }

 private:
  std::string m_name;
  std::string m_body;
  bool m_empty = true;
};

class ContentsWriter {
 public:
  ContentsWriter(const FileContents& contents, std::vector<FilePiece>& pieces) : c(contents), m_pieces(pieces) {}

  void Write() {
    if (c.kind != FileKind::Definitions) Add(std::string(kHeaderPiece), FileHeaderLine(c.kind) + "\n");
    WriteLibraries();
    WriteDefinitions();
    WriteFolders();
    WriteOwned();
    if (c.kind == FileKind::Simulation) {
      WriteComponentLists();
      WriteUnitSets();
      WriteSolverOptions();
      WritePackages();
      WriteTools();
    }
    if (c.kind == FileKind::Package) WritePackageDescription();
    if (c.kind == FileKind::Simulation) WriteSettings();
    if (c.kind != FileKind::Definitions) Add(std::string(kClosingPiece), "\n" + FileClosingLine(c.kind) + "\n");
  }

 private:
  void Add(std::string key, std::string text) {
    if (!text.empty()) m_pieces.push_back(FilePiece{std::move(key), std::move(text)});
  }
  void Add(const SectionText& section) { Add(SectionPieceKey(section.Name()), section.Text()); }

  void WriteLibraries() {
    SectionText section("Libraries");
    for (const std::string& library : c.libraries) section.Add(RecordLine("Library").String(library));
    Add(section);
  }

  // The attributes of a type besides its text, on a Type or Task record.
  static RecordLine& AddTypeAttributes(RecordLine& record, const FileDefinition& d) {
    if (d.flags != 0) record.Named("flags", Hex(d.flags));
    if (d.classId) record.NamedString("class", d.classId->ToString());
    if (d.hasErrors) record.NamedLogical("errors", true);
    if (d.goodText) record.NamedString("good", *d.goodText);
    if (!d.description.empty()) record.NamedString("description", d.description);
    if (d.taskActive) record.NamedLogical("active", true);
    if (d.display) {
      record.Named("lineStyle", Hex(d.display->lineStyle));
      record.NamedInteger("colour", d.display->colour);
      record.NamedLogical("hideLabels", d.display->hideLabels);
    }
    return record;
  }

  static bool HasAttributes(const FileDefinition& d) {
    return d.flags != 0 || d.classId || d.hasErrors || d.goodText || !d.description.empty() || d.taskActive ||
           d.display;
  }

  static RecordLine TypeRecord(const FileDefinition& d) {
    RecordLine record("Type");
    record.String(d.name);
    AddTypeAttributes(record, d);
    return record;
  }

  void WriteDefinitions() {
    SectionText attributes("Types");
    for (const FileDefinition& d : c.definitions) {
      if (CanWriteDefinitionAsIs(d.name, d.kind, d.text)) {
        Add(TypePieceKey(d.name), "\n" + d.text);
        if (HasAttributes(d)) attributes.Add(TypeRecord(d));
        continue;
      }
      SectionText section("Types");
      section.Add(TypeRecord(d).Named("kind", DefinitionKeyword(d.kind)).Text(d.text));
      Add(TypePieceKey(d.name), section.Text());
    }
    Add(attributes);
  }

  void WriteFolders() {
    SectionText section("Folders");
    for (const FileFolder& folder : c.folders) {
      RecordLine record("Folder");
      for (const std::string& part : folder.path) record.String(part);
      if (folder.flags != 0) record.Named("flags", Hex(folder.flags));
      record.NamedInteger("order", folder.toolbarOrder).NamedInteger("tankIcon", folder.tankIcon);
      if (folder.description) record.NamedString("description", *folder.description);
      section.Add(record);
      for (const std::string& item : folder.items) section.Add(RecordLine("Item").String(item));
    }
    Add(section);
  }

  void WriteOwned() {
    SectionText forms("Forms"), icons("Icons"), scripts("Scripts"), tasks("Tasks");
    // Owners by name (the file's own first): what the sections say does not depend on the order owners were listed in.
    std::vector<const FileOwnedItems*> owners;
    for (const FileOwnedItems& items : c.owned) owners.push_back(&items);
    std::stable_sort(owners.begin(), owners.end(), [](const FileOwnedItems* a, const FileOwnedItems* b) {
      return LowerAscii(a->owner) < LowerAscii(b->owner);
    });
    for (const FileOwnedItems* owner : owners) {
      const FileOwnedItems& items = *owner;
      for (const FileForm& form : items.forms) {
        RecordLine record("Form");
        record.String(items.owner).String(form.name);
        const std::string kind = FormKindText(form.kind);
        if (kind.front() == '{') {
          record.NamedString("kind", kind);
        } else {
          record.Named("kind", kind);
        }
        if (EqualsDefault(items.defaultForm, form.name)) record.NamedLogical("default", true);
        forms.Add(record.Text(form.text));
      }
      for (const FileIcon& icon : items.icons) {
        RecordLine record("Icon");
        record.String(items.owner).String(icon.name);
        if (EqualsDefault(items.defaultIcon, icon.name)) record.NamedLogical("default", true);
        icons.Add(record.Text(icon.text));
      }
      for (const FileScript& script : items.scripts)
        scripts.Add(RecordLine("Script").String(items.owner).String(script.name).Text(script.text));
      for (const FileDefinition& task : items.tasks) {
        RecordLine record("Task");
        record.String(items.owner).String(task.name);
        tasks.Add(AddTypeAttributes(record, task).Text(task.text));
      }
    }
    Add(forms);
    Add(icons);
    Add(scripts);
    Add(tasks);
  }

  static bool EqualsDefault(const std::string& defaultName, const std::string& name) {
    return !defaultName.empty() && defaultName == name;
  }

  void WriteComponentLists() {
    SectionText section("ComponentLists");
    if (c.propertiesConfigured || !c.componentLists.empty())
      section.Add(RecordLine("Properties").NamedLogical("configured", c.propertiesConfigured));
    for (const FileComponentList& list : c.componentLists) {
      RecordLine record("ComponentList");
      record.String(list.name);
      if (list.isSet) record.NamedLogical("set", true);
      if (!list.propertyFile.empty()) record.NamedString("file", list.propertyFile);
      if (!list.notes.empty()) record.Text(list.notes);
      section.Add(record);
      for (const std::string& component : list.components) section.Add(RecordLine("Component").String(component));
    }
    Add(section);
  }

  void WriteUnitSets() {
    SectionText section("UnitSets");
    for (const FileQuantity& q : c.quantities) {
      section.Add(RecordLine("Quantity").String(q.name).NamedString("base", q.baseUnit));
      for (const FileConversion& conversion : q.units)
        section.Add(RecordLine("Conversion")
                        .String(conversion.unit)
                        .Named("factor", FormatFileReal(conversion.factor))
                        .Named("offset", FormatFileReal(conversion.offset)));
    }
    for (const FileUnitSet& set : c.unitSets) {
      section.Add(RecordLine("UnitSet").String(set.name));
      for (const FileUnitChoice& choice : set.units)
        section.Add(RecordLine("Unit").String(choice.quantity).String(choice.unit));
    }
    Add(section);
  }

  void WriteTools() {
    const FileTools& t = c.tools;
    SectionText section("Tools");
    section.Add(RecordLine("Homotopy").NamedLogical("available", t.homotopyAvailable).NamedLogical("active", t.homotopyActive));
    section.Add(RecordLine("Estimation")
                    .NamedLogical("defined", t.estimationDefined)
                    .NamedLogical("result", t.estimationResult)
                    .NamedLogical("active", t.estimationActive));
    RecordLine optimisation("Optimisation");
    if (t.optimisation) optimisation.NamedString("description", *t.optimisation);
    section.Add(optimisation);
    section.Add(RecordLine("ExternalInterface").NamedLogical("enabled", t.externalEnabled));
    section.Add(RecordLine("OnLineLinks")
                    .NamedLogical("inputs", t.linkInputs)
                    .NamedLogical("outputs", t.linkOutputs)
                    .NamedLogical("active", t.linksActive));
    Add(section);
  }

  void WriteSolverOptions() {
    SectionText section("SolverOptions");
    for (const FileSolverOption& option : c.solverOptions) {
      RecordLine record("Option");
      record.String(option.name);
      switch (option.value.type) {
        case FileOptionValue::Type::Integer: record.NamedInteger("integer", option.value.integer); break;
        case FileOptionValue::Type::Switch: record.NamedLogical("switch", option.value.flag); break;
        case FileOptionValue::Type::Real: record.Named("real", FormatFileReal(option.value.real)); break;
        case FileOptionValue::Type::Text: record.NamedString("text", option.value.text); break;
      }
      section.Add(record);
    }
    Add(section);
  }

  void WritePackages() {
    SectionText section("Packages");
    for (const FilePackageData& data : c.packages) {
      RecordLine record("Package");
      record.String(data.model);
      if (!data.title.empty()) record.NamedString("title", data.title);
      if (!data.version.empty()) record.NamedString("version", data.version);
      if (!data.description.empty()) record.NamedString("description", data.description);
      section.Add(record);
    }
    Add(section);
  }

  void WritePackageDescription() {
    const FilePackageDescription package = c.package.value_or(FilePackageDescription{});
    SectionText section("Package");
    section.Add(RecordLine("Packaged")
                    .String(package.model)
                    .NamedString("format", package.format)
                    .NamedInteger("option", package.option));
    section.Add(RecordLine("Settings").Integers(package.settings));
    for (const FileScript& attachment : package.attachments)
      section.Add(RecordLine("Attachment").String(attachment.name).Text(attachment.text));
    Add(section);
  }

  void WriteSettings() {
    const FileSettings& s = c.settings;
    SectionText section("Settings");
    section.Add(RecordLine("GroupsPerPage").Integer(s.groupsPerPage));
    section.Add(RecordLine("ScriptDoubleClick").Integer(s.scriptDoubleClick));
    section.Add(RecordLine("TaskDoubleClick").Integer(s.taskDoubleClick));
    section.Add(RecordLine("CustomModeling").Word(s.customModeling ? "true" : "false"));
    section.Add(RecordLine("ExportedModels").Integers(s.exportedModels));
    if (!s.currentUnitSet.empty()) section.Add(RecordLine("CurrentUnitSet").String(s.currentUnitSet));
    for (const FileVariableValue& v : s.values) {
      RecordLine line("Value");
      line.String(v.path);
      if (v.value) line.Named("value", FormatFileReal(*v.value));
      if (!v.spec.empty()) line.Named("spec", v.spec);
      if (v.lower) line.Named("lower", FormatFileReal(*v.lower));
      if (v.upper) line.Named("upper", FormatFileReal(*v.upper));
      section.Add(line);
    }
    Add(section);
  }

  const FileContents& c;
  std::vector<FilePiece>& m_pieces;
};

// The first text of the contents that is not UTF-8, described for a message.
std::string FindNonUtf8Text(const FileContents& c) {
  auto bad = [](std::string_view text) { return FindInvalidUtf8(text) != std::string_view::npos; };
  for (const FileDefinition& d : c.definitions)
    if (bad(d.name) || bad(d.text)) return "the text of the type '" + d.name + "'";
  for (const FileOwnedItems& items : c.owned) {
    for (const FileForm& form : items.forms)
      if (bad(form.name) || bad(form.text)) return "the form '" + form.name + "' of '" + items.owner + "'";
    for (const FileScript& script : items.scripts)
      if (bad(script.name) || bad(script.text)) return "the script '" + script.name + "' of '" + items.owner + "'";
    for (const FileDefinition& task : items.tasks)
      if (bad(task.name) || bad(task.text)) return "the task '" + task.name + "' of '" + items.owner + "'";
  }
  for (const FileComponentList& list : c.componentLists)
    if (bad(list.name) || bad(list.notes)) return "the component list '" + list.name + "'";
  return "a name or setting";
}

}  // namespace

bool CanWriteDefinitionAsIs(const std::string& name, DefinitionKind kind, const std::string& text) {
  if (text.empty() || text.back() != '\n') return false;
  const SplitFile split = SplitDefinitions("\n" + text);
  if (!split.Ok() || split.definitions.size() != 1 || !split.trailingText.empty()) return false;
  const SourceDefinition& d = split.definitions.front();
  return d.name == name && d.kind == kind && DefinitionTextFromFile(d.leadingText, d.text) == text;
}

std::string TypePieceKey(std::string_view typeName) { return "Type " + LowerAscii(typeName); }
std::string SectionPieceKey(std::string_view sectionName) { return "Section " + std::string(sectionName); }

std::vector<FilePiece> WriteFilePieces(const FileContents& contents) {
  std::vector<FilePiece> pieces;
  ContentsWriter(contents, pieces).Write();
  return pieces;
}

bool WriteFileContents(const FileContents& contents, std::string& text, FileProblem& problem) {
  // A file the reader would refuse is not written.
  for (const FileFolder& folder : contents.folders) {
    if (folder.path.size() <= kMaxFolderDepth) continue;
    problem.line = 0;
    problem.message = "cannot be written: the folder '" + folder.path.back() + "' lies " +
                      std::to_string(folder.path.size()) + " folders deep; a file holds folders at most " +
                      std::to_string(kMaxFolderDepth) + " deep";
    return false;
  }
  std::string out;
  for (const FilePiece& piece : WriteFilePieces(contents)) out += piece.text;
  if (FindInvalidUtf8(out) != std::string::npos) {
    problem.line = 0;
    problem.message = "cannot be written: " + FindNonUtf8Text(contents) + " is not UTF-8 text";
    return false;
  }
  text = std::move(out);
  return true;
}

bool SaveFileContents(const FileContents& contents, const std::string& path, FileProblem& problem) {
  problem = FileProblem{path, 0, {}};
  std::string text;
  if (!WriteFileContents(contents, text, problem)) return false;
  if (const int error = ReplaceFileContents(path, text); error != 0) {
    problem.message = std::string("cannot be written: ") + std::strerror(error);
    return false;
  }
  return true;
}
