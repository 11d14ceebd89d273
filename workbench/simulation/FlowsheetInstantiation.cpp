#include "workbench/simulation/FlowsheetInstantiation.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <unordered_map>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/DefinitionParser.h"
#include "workbench/language/TextCase.h"
#include "workbench/simulation/BlockExpansion.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// Submodels nest no deeper than this inside one block.
constexpr int kMaxSubmodelDepth = 32;

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') out += c;
  return out;
}

std::string Quoted(std::string_view name) { return "'" + std::string(name) + "'"; }

// A variable of a model, with its path inside the model.
struct MemberVariable {
  std::string path;
  const CStoreType* type = nullptr;
  std::optional<double> value;
  std::optional<VariableSpec> spec;
  std::shared_ptr<const VariableTexts> texts;  // made once with the template, shared by every block
};

struct MemberEquation {
  std::string scope;  // inside the model
  std::string name;
  std::string text;
};

struct MemberPort {
  std::string path;  // "Outlet"
  std::string portType;
  DeclarationMode mode = DeclarationMode::Input;
};

// A model type flattened: every variable and equation of its bases,
// submodels and ports, and the ports a stream can connect to.
struct ModelTemplate {
  std::vector<MemberVariable> variables;
  std::vector<MemberEquation> equations;
  std::vector<MemberPort> ports;
  std::string problem;
};

// The definition a type was last compiled to without errors (its good text); null when it has none.
class CDefinitions {
 public:
  const Definition* Of(CStoreType& type) {
    if (!type.Texts().HasGood()) return nullptr;
    if (type.Texts().Good() == type.Text()) return type.ParsedDefinition();
    auto [it, added] = m_parsed.try_emplace(&type);
    if (added) {
      CBoundedReport discard = CBoundedReport::Discarding();
      if (std::optional<Definition> definition = ParseDefinition(type.Texts().Good(), discard))
        it->second = std::make_unique<Definition>(std::move(*definition));
    }
    return it->second.get();
  }

 private:
  std::unordered_map<const CStoreType*, std::unique_ptr<Definition>> m_parsed;
};

// Value, bounds and quantity a variable type gives its variables (through its bases).
struct VariableTypeDefaults {
  std::optional<double> value;
  std::optional<double> lower;
  std::optional<double> upper;
  std::string quantity;
};

class CInstantiation {
 public:
  CInstantiation(CStore& store, const CFlowsheetValues& values, CFlowsheet& flowsheet)
      : m_store(store), m_values(values), m_flowsheet(flowsheet) {}

  void Run() {
    CStoreType* type = FindFlowsheetType(m_store);
    if (type) {
      FlowsheetUnit& top = m_flowsheet.MutableUnit(0);
      top.type = type;
      top.typeName = type->Name();
      top.description = type->Description();
      if (!m_definitions.Of(*type)) {
        SetProblem(0, "the flowsheet does not compile");
      } else {
        if (type->HasErrors()) SetProblem(0, "its latest text does not compile; the last good one is used", true);
        std::vector<const CStoreType*> open{type};
        FillFlowsheet(0, *type, open);
      }
    }
    ApplyChanges();
    MarkStates();
    m_flowsheet.Count();
  }

 private:
  // ---- units ----

  // complete: the unit's contents were made all the same (a connection that does not fit).
  void SetProblem(int unit, std::string problem, bool complete = false) {
    FlowsheetUnit& u = m_flowsheet.MutableUnit(unit);
    if (u.problem.empty()) u.problem = problem;
    if (!complete) u.complete = false;
    const std::string where = u.path.empty() ? std::string("Flowsheet") : Quoted(u.path);
    m_flowsheet.AddProblem("Flowsheet " + where + ": " + problem);
  }

  void Report(std::string_view where, std::string problem) {
    m_flowsheet.AddProblem("Flowsheet " + (where.empty() ? std::string("Flowsheet") : Quoted(where)) + ": " + problem);
  }

  int AddUnit(int parent, const Declaration& declaration, UnitKind kind, CStoreType* type) {
    FlowsheetUnit unit;
    unit.name = declaration.name;
    unit.path = JoinPath(m_flowsheet.Unit(parent).path, declaration.name);
    unit.kind = kind;
    unit.parent = parent;
    unit.typeName = declaration.typeName;
    unit.type = type;
    if (std::optional<std::string> description = declaration.Description()) unit.description = *description;
    const int index = m_flowsheet.AddUnit(std::move(unit));
    FlowsheetUnit& parentUnit = m_flowsheet.MutableUnit(parent);
    (kind == UnitKind::Stream ? parentUnit.streams : parentUnit.blocks).push_back(index);
    return index;
  }

  // The blocks, streams, structures, equations and Spec statements of a flowsheet-like type.
  void FillFlowsheet(int unit, CStoreType& type, std::vector<const CStoreType*>& open) {
    const Definition* definition = m_definitions.Of(type);
    if (!definition) return;
    const CStorePalette* palette = type.HoldingPalette();
    const std::string prefix = m_flowsheet.Unit(unit).path;
    Reserve(*definition, palette);
    for (const Declaration& declaration : definition->declarations) {
      CStoreType* member = palette ? palette->FindVisible(declaration.typeName) : nullptr;
      if (declaration.mode == DeclarationMode::Global) {
        const int made = AddUnit(unit, declaration, UnitKind::GlobalStructure, member);
        if (!member)
          SetProblem(made, "the structure type " + Quoted(declaration.typeName) + " does not exist");
        else if (member->Kind() != StoreKind::Structure)
          SetProblem(made, Quoted(declaration.typeName) + " is not a structure type");
        else
          AddModelMembers(made, *member);
        continue;
      }
      if (!member) {
        const int made = AddUnit(unit, declaration, UnitKind::Block, nullptr);
        SetProblem(made, "the model type " + Quoted(declaration.typeName) + " does not exist");
        continue;
      }
      switch (member->Kind()) {
        case StoreKind::Flowsheet: AddHierarchy(unit, declaration, *member, open); break;
        case StoreKind::Stream: AddModelMembers(AddUnit(unit, declaration, UnitKind::Stream, member), *member); break;
        case StoreKind::Model:
        case StoreKind::Controller: AddModelMembers(AddUnit(unit, declaration, UnitKind::Block, member), *member); break;
        case StoreKind::Structure: break;  // a reference to a global instance: nothing of its own
        case StoreKind::Variable: AddVariable(unit, JoinPath(prefix, declaration.name), *member, declaration); break;
        case StoreKind::Port:
          if (declaration.mode == DeclarationMode::Input || declaration.mode == DeclarationMode::Output) {
            AddOwnPort(unit, declaration, *member);
            break;
          }
          [[fallthrough]];
        default:
          Report(JoinPath(prefix, declaration.name),
                 Quoted(declaration.typeName) + " is neither a model, a stream type nor a structure type");
          break;
      }
    }
    for (const Declaration& declaration : definition->declarations) {
      const int stream = m_flowsheet.FindUnit(JoinPath(prefix, declaration.name));
      if (stream > 0 && m_flowsheet.Unit(stream).kind == UnitKind::Stream && m_flowsheet.Unit(stream).parent == unit)
        Connect(unit, stream, declaration);
    }
    int unnamed = 0;
    AddEquations(unit, prefix, *definition, definition->equations, palette, unnamed);
    for (const SpecStatement& statement : definition->specStatements) ApplySpecStatement(prefix, statement);
    // Constraints compiled on their own are more equations and Specs of the same flowsheet.
    if (!type.Constraints().empty()) {
      CBoundedReport discard = CBoundedReport::Discarding();
      if (std::optional<Definition> constraints =
              ParseDefinition("Model " + type.Name() + "\n" + type.Constraints() + "\nEnd\n", discard)) {
        AddEquations(unit, prefix, *definition, constraints->equations, palette, unnamed);
        for (const SpecStatement& statement : constraints->specStatements) ApplySpecStatement(prefix, statement);
      }
    }
  }

  // Room for what the blocks and streams written here will make (hierarchies make more as they are filled).
  void Reserve(const Definition& definition, const CStorePalette* palette) {
    std::size_t variables = 0, equations = definition.equations.size();
    for (const Declaration& declaration : definition.declarations) {
      CStoreType* member = palette ? palette->FindVisible(declaration.typeName) : nullptr;
      if (!member || !IsModelLike(member->Kind()) || member->Kind() == StoreKind::Flowsheet) continue;
      const ModelTemplate& model = Template(*member);
      variables += model.variables.size();
      equations += model.equations.size() + 2 * model.variables.size();  // a stream's connections at most
    }
    m_flowsheet.Reserve(definition.declarations.size(), variables, equations);
  }

  void AddHierarchy(int parent, const Declaration& declaration, CStoreType& type, std::vector<const CStoreType*>& open) {
    const int made = AddUnit(parent, declaration, UnitKind::Hierarchy, &type);
    if (std::find(open.begin(), open.end(), &type) != open.end()) {
      SetProblem(made, "the hierarchy " + Quoted(type.Name()) + " contains itself");
      return;
    }
    if (static_cast<int>(open.size()) > kMaxHierarchyDepth) {
      SetProblem(made, "hierarchies are nested more than " + std::to_string(kMaxHierarchyDepth) + " deep");
      return;
    }
    if (!m_definitions.Of(type)) {
      SetProblem(made, "the hierarchy " + Quoted(type.Name()) + " does not compile");
      return;
    }
    if (type.HasErrors())
      SetProblem(made, "the latest text of " + Quoted(type.Name()) + " does not compile; the last good one is used", true);
    if (m_flowsheet.Unit(made).description.empty()) m_flowsheet.MutableUnit(made).description = type.Description();
    open.push_back(&type);
    FillFlowsheet(made, type, open);
    open.pop_back();
  }

  // ---- models ----

  void AddModelMembers(int unit, CStoreType& type) {
    const ModelTemplate& model = Template(type);
    if (!model.problem.empty()) {
      SetProblem(unit, model.problem);
      return;
    }
    FlowsheetUnit& u = m_flowsheet.MutableUnit(unit);
    if (u.description.empty()) u.description = type.Description();
    const std::string prefix = u.path;
    for (const MemberVariable& member : model.variables) {
      InstanceVariable variable = MakeVariable(unit, JoinPath(prefix, member.path), *member.type, member.texts);
      if (member.value) variable.value = *member.value;
      if (member.spec) variable.spec = *member.spec;
      m_flowsheet.AddVariable(std::move(variable));
    }
    int unnamed = 0;
    for (const MemberEquation& equation : model.equations) {
      const std::string scope = JoinPath(prefix, equation.scope);
      const std::string name = equation.name.empty() ? "#" + std::to_string(++unnamed) : equation.name;
      m_flowsheet.AddEquation(
          InstanceEquation{.unit = unit, .scope = scope, .text = equation.text,
                           .name = JoinPath(prefix, equation.scope.empty() ? name : equation.scope + "." + name)});
    }
  }

  const ModelTemplate& Template(CStoreType& type) {
    auto found = m_templates.find(&type);
    if (found != m_templates.end()) return *found->second;
    auto made = std::make_unique<ModelTemplate>();
    std::vector<const CStoreType*> open;
    Flatten(type, "", *made, open, true);
    return *m_templates.emplace(&type, std::move(made)).first->second;
  }

  // Adds the members of type below path into model; outer: the block's own type (its ports can be connected).
  void Flatten(CStoreType& type, const std::string& path, ModelTemplate& model, std::vector<const CStoreType*>& open,
               bool outer) {
    if (!model.problem.empty()) return;
    if (std::find(open.begin(), open.end(), &type) != open.end()) {
      model.problem = "the model " + Quoted(type.Name()) + " contains itself";
      return;
    }
    if (static_cast<int>(open.size()) >= kMaxSubmodelDepth) {
      model.problem = "submodels are nested more than " + std::to_string(kMaxSubmodelDepth) + " deep";
      return;
    }
    const Definition* definition = type.HasErrors() ? nullptr : m_definitions.Of(type);
    if (!definition) {
      model.problem = "the model type " + Quoted(type.Name()) + " does not compile";
      return;
    }
    const CStorePalette* palette = type.HoldingPalette();
    open.push_back(&type);
    if (!definition->base.empty()) {
      if (CStoreType* base = palette ? palette->FindVisible(definition->base) : nullptr)
        Flatten(*base, path, model, open, outer);
      else
        model.problem = "the base type " + Quoted(definition->base) + " does not exist";
    }
    for (const Declaration& declaration : definition->declarations) {
      if (!model.problem.empty()) break;
      CStoreType* member = palette ? palette->FindVisible(declaration.typeName) : nullptr;
      if (!member) {
        model.problem = "the type " + Quoted(declaration.typeName) + " of " + Quoted(declaration.name) + " does not exist";
        break;
      }
      const std::string memberPath = JoinPath(path, declaration.name);
      switch (member->Kind()) {
        case StoreKind::Variable: {
          MemberVariable variable{memberPath, member, {}, {}, TextsOf(*member, declaration)};
          if (std::optional<std::string> value = declaration.DefaultValue()) variable.value = ReadNumber(*value);
          if (std::optional<std::string> spec = declaration.Spec()) variable.spec = VariableSpecFromText(*spec);
          model.variables.push_back(std::move(variable));
          break;
        }
        case StoreKind::Port:
          if (outer) model.ports.push_back(MemberPort{declaration.name, member->Name(), declaration.mode});
          FlattenPort(*member, memberPath, model);
          break;
        case StoreKind::Model:
        case StoreKind::Controller:
        case StoreKind::Stream: Flatten(*member, memberPath, model, open, false); break;
        default: break;  // parameters, structures, procedures: no variables of the block's own
      }
    }
    std::vector<ExpandedEquation> equations;
    std::string problem;
    if (!Expand(definition->equations, *definition, palette, equations, problem))
      model.problem = "in the model " + Quoted(type.Name()) + ", " + problem;
    for (ExpandedEquation& equation : equations)
      model.equations.push_back(MemberEquation{path, std::move(equation.name), std::move(equation.text)});
    open.pop_back();
  }

  void FlattenPort(CStoreType& port, const std::string& path, ModelTemplate& model) {
    const Definition* definition = port.HasErrors() ? nullptr : m_definitions.Of(port);
    if (!definition) {
      model.problem = "the port type " + Quoted(port.Name()) + " does not compile";
      return;
    }
    const CStorePalette* palette = port.HoldingPalette();
    for (const Declaration& declaration : definition->declarations) {
      CStoreType* member = palette ? palette->FindVisible(declaration.typeName) : nullptr;
      if (!member || member->Kind() != StoreKind::Variable) continue;
      MemberVariable variable{JoinPath(path, declaration.name), member, {}, {}, TextsOf(*member, declaration)};
      if (std::optional<std::string> value = declaration.DefaultValue()) variable.value = ReadNumber(*value);
      model.variables.push_back(std::move(variable));
    }
  }

  // ---- variables ----

  const VariableTypeDefaults& Defaults(const CStoreType& type) {
    auto [it, added] = m_variableDefaults.try_emplace(&type);
    if (!added) return it->second;
    VariableTypeDefaults& defaults = it->second;
    defaults.quantity = type.PhysicalQuantity();
    // A type based on another takes what it does not say from its base; each type is asked once.
    std::vector<const CStoreType*> seen;
    for (const CStoreType* t = &type; t && std::find(seen.begin(), seen.end(), t) == seen.end();) {
      seen.push_back(t);
      const Definition* definition = m_definitions.Of(const_cast<CStoreType&>(*t));
      if (!definition) break;
      auto take = [&](std::optional<double>& slot, std::string_view name) {
        if (slot) return;
        if (const Property* property = definition->FindProperty(name)) slot = property->Number();
      };
      take(defaults.value, "Value");
      take(defaults.lower, "Lower");
      take(defaults.upper, "Upper");
      const CStorePalette* palette = t->HoldingPalette();
      t = definition->base.empty() || !palette ? nullptr : palette->FindVisible(definition->base);
    }
    return defaults;
  }

  InstanceVariable MakeVariable(int unit, std::string path, const CStoreType& type,
                                std::shared_ptr<const VariableTexts> texts) {
    const VariableTypeDefaults& defaults = Defaults(type);
    InstanceVariable variable;
    variable.path = std::move(path);
    variable.unit = unit;
    variable.texts = std::move(texts);
    variable.value = defaults.value.value_or(0.0);
    variable.lower = defaults.lower;
    variable.upper = defaults.upper;
    return variable;
  }

  // The texts of a declared variable, made once per declaration of a model and shared by its blocks.
  std::shared_ptr<const VariableTexts> TextsOf(const CStoreType& type, const Declaration& declaration) {
    return std::make_shared<const VariableTexts>(
        VariableTexts{type.Name(), Defaults(type).quantity, declaration.Description().value_or(std::string())});
  }

  void AddVariable(int unit, std::string path, const CStoreType& type, const Declaration& declaration) {
    InstanceVariable variable = MakeVariable(unit, std::move(path), type, TextsOf(type, declaration));
    if (std::optional<std::string> value = declaration.DefaultValue())
      if (std::optional<double> number = ReadNumber(*value)) variable.value = *number;
    if (std::optional<std::string> spec = declaration.Spec())
      if (std::optional<VariableSpec> parsed = VariableSpecFromText(*spec)) variable.spec = *parsed;
    m_flowsheet.AddVariable(std::move(variable));
  }

  void ApplySpecStatement(const std::string& prefix, const SpecStatement& statement) {
    const std::string path = JoinPath(prefix, statement.path);
    InstanceVariable* variable = m_flowsheet.FindVariable(path);
    if (!variable) {
      Report(prefix, "Spec " + statement.path + " names no variable of the flowsheet");
      return;
    }
    if (std::optional<std::string> value = statement.Value())
      if (std::optional<double> number = ReadNumber(*value)) variable->value = *number;
    if (std::optional<std::string> spec = statement.Spec())
      if (std::optional<VariableSpec> parsed = VariableSpecFromText(*spec)) variable->spec = *parsed;
    if (std::optional<std::string> lower = statement.Named("lower")) variable->lower = ReadNumber(*lower);
    if (std::optional<std::string> upper = statement.Named("upper")) variable->upper = ReadNumber(*upper);
  }

  void ApplyChanges() {
    for (const auto& [key, entry] : m_values.Entries()) {
      InstanceVariable* variable = m_flowsheet.FindVariable(key);
      if (!variable) continue;  // kept for when the variable is back
      entry.change.ApplyTo(*variable);
    }
  }

  // A variable whose derivative ($x) an equation uses is a state.
  void MarkStates() {
    for (const InstanceEquation& equation : m_flowsheet.Equations()) {
      const std::string& text = equation.text;
      for (std::size_t at = text.find('$'); at != std::string::npos; at = text.find('$', at + 1)) {
        std::size_t end = at + 1;
        while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_' || text[end] == '.'))
          ++end;
        if (end == at + 1) continue;
        if (InstanceVariable* variable = m_flowsheet.FindVariable(JoinPath(equation.scope, text.substr(at + 1, end - at - 1))))
          variable->state = true;
      }
    }
  }

  // ---- equations and connections ----

  // Unnamed equations are numbered in the order they are written ("#1", "#2"...), on from unnamed.
  void AddEquations(int unit, const std::string& scope, const Definition& definition,
                    const std::vector<Equation>& equations, const CStorePalette* palette, int& unnamed) {
    std::vector<ExpandedEquation> expanded;
    std::string problem;
    if (!Expand(equations, definition, palette, expanded, problem)) SetProblem(unit, problem);
    for (ExpandedEquation& equation : expanded) {
      const std::string name = equation.name.empty() ? "#" + std::to_string(++unnamed) : equation.name;
      m_flowsheet.AddEquation(
          InstanceEquation{.unit = unit, .scope = scope, .text = std::move(equation.text), .name = JoinPath(scope, name)});
    }
  }

  // The equations written, those in For and If blocks as they stand for; false with problem set
  // (and the equations before it made) when a block's range or condition cannot be worked out.
  bool Expand(const std::vector<Equation>& equations, const Definition& definition, const CStorePalette* palette,
              std::vector<ExpandedEquation>& out, std::string& problem) {
    const DeclaredValue declared = [&](std::string_view name) { return DeclaredValueOf(definition, palette, name); };
    for (const Equation& equation : equations)
      if (!ExpandBlocks(equation, declared, out, problem)) return false;
    return true;
  }

  // The value a definition, or a base it uses, declares for name.
  std::optional<double> DeclaredValueOf(const Definition& definition, const CStorePalette* palette,
                                        std::string_view name) {
    const Definition* d = &definition;
    for (int level = 0; d && level <= kMaxSubmodelDepth; ++level) {
      if (const Declaration* declaration = d->FindDeclaration(name)) {
        const std::optional<std::string> text = declaration->DefaultValue();
        if (!text) return std::nullopt;
        std::string unused;
        return EvaluateDeclaredExpression(
            *text, [&](std::string_view other) { return DeclaredValueOf(definition, palette, other); }, unused);
      }
      CStoreType* base = d->base.empty() || !palette ? nullptr : palette->FindVisible(d->base);
      d = base && !base->HasErrors() ? m_definitions.Of(*base) : nullptr;
    }
    return std::nullopt;
  }

  // "S1 as Pipe (Source = Feed.Outlet, Destination = V101.Inlet)": each named
  // port of the stream meets a port of a block of the same flowsheet, of the
  // same port type and the opposite direction; each pair of variables is one equation.
  void Connect(int flowsheetUnit, int stream, const Declaration& declaration) {
    const FlowsheetUnit& s = m_flowsheet.Unit(stream);
    if (!s.type || !s.complete) return;
    const ModelTemplate& streamModel = Template(*s.type);
    const std::string streamPath = s.path;
    const std::string scope = m_flowsheet.Unit(flowsheetUnit).path;
    for (const DeclarationAttribute& attribute : declaration.attributes) {
      if (!attribute.connection) continue;
      const std::string target = WithoutBlanks(attribute.value);
      const auto bad = [&](const std::string& why) {
        SetProblem(stream, "cannot connect " + attribute.name + " to " + target + ": " + why, true);
      };
      const MemberPort* streamPort = FindPort(streamModel, attribute.name);
      if (!streamPort) {
        bad(Quoted(s.typeName) + " has no port " + Quoted(attribute.name));
        continue;
      }
      // "Unit.Port" is a port of a block or hierarchy here; a port's name alone is one of this
      // hierarchy's own ports, seen from inside: its input feeds the stream's input.
      const std::size_t dot = target.find('.');
      const bool own = dot == std::string::npos;
      const int block = own ? flowsheetUnit : m_flowsheet.FindUnit(JoinPath(scope, target.substr(0, dot)));
      const bool connectable = block >= 0 && (own || (m_flowsheet.Unit(block).parent == flowsheetUnit &&
                                                      (m_flowsheet.Unit(block).kind == UnitKind::Block ||
                                                       m_flowsheet.Unit(block).kind == UnitKind::Hierarchy)));
      if (!connectable) {
        bad("there is no block " + Quoted(target.substr(0, dot)) + " in this flowsheet");
        continue;
      }
      const FlowsheetUnit& b = m_flowsheet.Unit(block);
      if (!b.type || !b.complete) continue;  // the block's own problem says enough
      const std::string portName = own ? target : target.substr(dot + 1);
      const MemberPort* blockPort = FindPort(PortsOf(block), portName);
      if (!blockPort) {
        bad((own ? std::string("the flowsheet") : Quoted(b.name)) + " has no port " + Quoted(portName));
        continue;
      }
      if (!EqualsNoCase(blockPort->portType, streamPort->portType)) {
        bad("the ports are of different types (" + blockPort->portType + ", " + streamPort->portType + ")");
        continue;
      }
      if ((blockPort->mode == streamPort->mode) != own) {
        bad(std::string(own ? "the flowsheet's own port must be of the stream port's direction" : "both ports are ") +
            (own ? "" : blockPort->mode == DeclarationMode::Input ? "inputs" : "outputs"));
        continue;
      }
      const std::string streamSide = JoinPath(streamPath, streamPort->path);
      const std::string blockSide = JoinPath(b.path, blockPort->path);
      const std::string prefix = LowerAscii(streamPort->path) + ".";
      for (const MemberVariable& variable : streamModel.variables) {
        if (LowerAscii(variable.path).compare(0, prefix.size(), prefix) != 0) continue;
        const std::string member = variable.path.substr(prefix.size());
        const std::string left = JoinPath(streamSide, member), right = JoinPath(blockSide, member);
        InstanceEquation equation{.unit = stream, .scope = "", .text = left + " = " + right,
                                  .name = JoinPath(streamPath, attribute.name + "." + member)};
        const int leftVariable = m_flowsheet.FindVariableIndex({}, left);
        const int rightVariable = m_flowsheet.FindVariableIndex({}, right);
        if (leftVariable >= 0 && rightVariable >= 0) {
          equation.joinedLeft = leftVariable;
          equation.joinedRight = rightVariable;
        }
        m_flowsheet.AddEquation(std::move(equation));
      }
    }
  }

  static const MemberPort* FindPort(const std::vector<MemberPort>& ports, std::string_view name) {
    for (const MemberPort& port : ports)
      if (EqualsNoCase(port.path, name)) return &port;
    return nullptr;
  }
  static const MemberPort* FindPort(const ModelTemplate& model, std::string_view name) { return FindPort(model.ports, name); }

  // The ports a unit is connected by: a block's model's, a hierarchy's own.
  const std::vector<MemberPort>& PortsOf(int unit) {
    const FlowsheetUnit& u = m_flowsheet.Unit(unit);
    if (u.kind == UnitKind::Block) return Template(*u.type).ports;
    static const std::vector<MemberPort> none;
    const auto found = m_ownPorts.find(unit);
    return found == m_ownPorts.end() ? none : found->second;
  }

  // "Inlet as Input Material;" in a hierarchy's model: a port of the hierarchy block, with its variables.
  void AddOwnPort(int unit, const Declaration& declaration, CStoreType& port) {
    ModelTemplate model;
    FlattenPort(port, declaration.name, model);
    if (!model.problem.empty()) {
      SetProblem(unit, model.problem);
      return;
    }
    for (const MemberVariable& member : model.variables) {
      InstanceVariable variable =
          MakeVariable(unit, JoinPath(m_flowsheet.Unit(unit).path, member.path), *member.type, member.texts);
      if (member.value) variable.value = *member.value;
      m_flowsheet.AddVariable(std::move(variable));
    }
    m_ownPorts[unit].push_back(MemberPort{declaration.name, port.Name(), declaration.mode});
  }

  CStore& m_store;
  const CFlowsheetValues& m_values;
  CFlowsheet& m_flowsheet;
  CDefinitions m_definitions;
  std::unordered_map<const CStoreType*, std::unique_ptr<ModelTemplate>> m_templates;
  std::unordered_map<const CStoreType*, VariableTypeDefaults> m_variableDefaults;
  std::unordered_map<int, std::vector<MemberPort>> m_ownPorts;  // a hierarchy's own ports, by unit
};

}  // namespace

CStoreType* FindFlowsheetType(CStore& store) {
  return store.SimulationType() ? VisibleFlowsheet(*store.SimulationType()) : nullptr;
}

std::unique_ptr<CFlowsheet> InstantiateFlowsheet(CStore& store, const CFlowsheetValues& values) {
  auto flowsheet = std::make_unique<CFlowsheet>();
  CInstantiation(store, values, *flowsheet).Run();
  return flowsheet;
}
