#include "explorer/packaging/InitializationScriptCommand.h"

#include <cctype>
#include <charconv>

#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/packaging/CreateInitializationScriptDlg.h"
#include "explorer/packaging/InitializationScriptText.h"
#include "explorer/window/ExplorerFrame.h"
#include "host/HostCommandIds.h"
#include "host/com/PersistStream.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableAttributes.h"
#include "host/model/IQVVariableQueries.h"
#include "host/services/IQVUOMConverter.h"
#include "host/store/CMwScriptEnumerator.h"
#include "host/store/IFInstance.h"
#include "host/store/IFTypeTable.h"
#include "platform/TextCompare.h"
#include "platform/TextTrim.h"

namespace {

constexpr int kPreSolveKind = 0;
constexpr int kEBSolveKind = 1;
constexpr const char* kPreSolveName = "PreSolve";
constexpr const char* kEBSolveName = "EBSOLVE";

CComPtr<IFType> ModelTypeOf(CExplorerObject* node) {
  IFInstance* instance = node ? node->GetType() : nullptr;
  CComPtr<IFType> type;
  if (!instance || FAILED(instance->GetType(&type))) return {};
  return type;
}

// Whether path is a variable of the block: the block's name, then a separator.
// ("B1~" also matches the variables of a block "B10".)
bool BelongsToBlock(const std::string& path, const std::string& block) {
  if (path.size() <= block.size() || CompareNoCase(std::string_view(path).substr(0, block.size()), block) != 0)
    return false;
  const unsigned char next = static_cast<unsigned char>(path[block.size()]);
  return !std::isalnum(next) && next != '_';
}

double ReadReal(const std::string& text) {
  const std::string trimmed = TrimText(text);
  double value = 0.0;
  std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  return value;
}

// The value in the unit the current unit set shows its quantity in, and that unit's text.
void ConvertToCurrentUnits(IQVUOMConverter* converter, const std::string& quantity, double baseValue,
                           std::string& value, std::string& unit) {
  QVPhysicalTypeUnits units;
  if (quantity.empty() || !converter || FAILED(converter->FindPhysicalType(quantity, &units))) return;
  if (CompareNoCase(units.currentUnit, units.baseUnit) == 0) {
    unit = units.displayUnit;
    return;
  }
  QVUnitConversion conversion;
  if (FAILED(converter->FindConversion(units.currentUnit, &conversion)) || conversion.factor == 0.0) {
    // Without a conversion the value stays in base units and says so.
    unit = units.baseUnit;
    return;
  }
  value = FormatInitialValue((baseValue - conversion.offset) / conversion.factor);
  unit = units.displayUnit;
}

void ReadResults(IQVVariableQuery& query, const std::string& block, IQVUOMConverter* converter,
                 InitializationValues& into) {
  CComPtr<IQVVariableList> results;
  if (FAILED(query.GetResults(&results)) || !results) return;
  int state = 0;
  if (SUCCEEDED(results->GetState(&state)) && state != 0) results->SetState(0);
  ULONG count = 0;
  if (FAILED(results->GetCount(&count))) return;
  for (ULONG i = 0; i < count; ++i) {
    CComPtr<IQVVariable> variable;
    CComPtr<IQVVariableAttributes> attributes;
    if (FAILED(results->Item(i, &variable)) || !variable || FAILED(variable->GetAttributes(&attributes)) ||
        !attributes)
      continue;
    std::string path, valueText;
    if (FAILED(attributes->GetPropertyText(QV_VARIABLE_PATH, "BaseUnits", path)) ||
        FAILED(attributes->GetPropertyText(QV_VARIABLE_VALUE, "BaseUnits", valueText)))
      continue;
    path = TrimText(path);
    std::string value = FormatInitialValue(valueText);
    if (!BelongsToBlock(path, block) || value.empty()) continue;
    std::string unit;
    std::string quantity;
    if (converter && SUCCEEDED(attributes->GetPhysicalType(quantity)))
      ConvertToCurrentUnits(converter, quantity, ReadReal(valueText), value, unit);
    into.names.push_back(path.substr(block.size() + 1));
    into.values.push_back(value);
    into.units.push_back(unit);
  }
}

}  // namespace

CInitializationScriptCommand& CInitializationScriptCommand::Instance() {
  static CInitializationScriptCommand command;
  return command;
}

bool CInitializationScriptCommand::IsCommandEnabled(CExplorerFrame& frame, UINT id) {
  return id == ID_HOST_CREATE_INITIALIZATION_SCRIPT && IsCreatModelInitializationEnabled(frame);
}

void CInitializationScriptCommand::DoCommand(CExplorerFrame& frame, UINT id) {
  if (id == ID_HOST_CREATE_INITIALIZATION_SCRIPT) OnToolsCreateinitializationscript(frame);
}

bool CInitializationScriptCommand::IsCreatModelInitializationEnabled(CExplorerFrame& frame) {
  frame.m_ModelList.clear();
  if (!frame.IsModelBlockSelected() || !frame.IsModelInCustomModeling()) return false;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IFType> model = ModelTypeOf(frame.GetCurrentObject());
  if (!document || !model) return false;
  const std::string name = TrimText(type_access::NameOf(model));
  if (name.empty() || FAILED(document->GetAllModelsOfType(name, frame.m_ModelList))) frame.m_ModelList.clear();
  return !frame.m_ModelList.empty();
}

void CInitializationScriptCommand::OnToolsCreateinitializationscript(CExplorerFrame& frame) {
  if (!IsCreatModelInitializationEnabled(frame)) return;
  CExplorerObject* node = frame.GetCurrentObject();
  CComPtr<IFType> model = ModelTypeOf(node);
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!model || !document) return;

  frame.m_strSelectedBlockName.clear();
  frame.m_nScriptKind = -1;
  frame.m_bPreSolveExists = FindScript(model, kPreSolveName) ? 1 : 0;
  frame.m_bEBSolveExists = FindScript(model, kEBSolveName) ? 1 : 0;
  frame.m_bConfirmed = 0;
  CCreateInitializationScriptDlg dialog(&frame);
  if (dialog.DoModal() != IDOK || !frame.m_bConfirmed || TrimText(frame.m_strSelectedBlockName).empty() ||
      frame.m_nScriptKind < 0)
    return;

  const int kind = frame.m_nScriptKind;
  const std::string scriptName = kind == kPreSolveKind ? kPreSolveName : kEBSolveName;
  const std::string modelName = TrimText(type_access::NameOf(model));
  const std::string blockName = TrimText(frame.m_strSelectedBlockName);
  // A name typed into the box that is no block of this model would give a script of nothing.
  bool known = false;
  for (const std::string& block : frame.m_ModelList) known = known || CompareNoCase(block, blockName) == 0;

  InitializationValues first, second;
  int stored = 0;
  if (known && ReadBlockVariables(*document, blockName, kind, first, second)) {
    std::string timeStamp;
    GetTimeDate(timeStamp);
    const std::string text = kind == kPreSolveKind
                                 ? CreatePreSolveScriptText(modelName, blockName, timeStamp, first, second)
                                 : CreateEBSolveScriptText(modelName, blockName, timeStamp, first);
    stored = SaveAddScript(frame, node, model, scriptName, text);
  }
  document->OutputMessage("Initialization script " + scriptName + (stored ? " has been created." : " has not been created.") +
                              "\n",
                          -1, 0);
}

CComPtr<IFType> CInitializationScriptCommand::FindScript(IFType* model, const std::string& name) {
  CMwScriptEnumerator scripts(model);
  CComPtr<IFType> script;
  while (scripts.Next(&script) == S_OK && script) {
    if (CompareNoCase(TrimText(type_access::NameOf(script)), name) == 0) return script;
    script.Release();
  }
  return {};
}

int CInitializationScriptCommand::SaveAddScript(CExplorerFrame& frame, CExplorerObject* typeNode, IFType* model,
                                                const std::string& name, const std::string& text) {
  CWnd* owner = typeNode ? typeNode->GetOwner() : nullptr;
  const HWND ownerWindow = owner ? owner->m_hWnd : nullptr;
  // The script of that name takes the new text in place, so that the old one
  // is never gone before the new one is stored.
  CComPtr<IFType> script = FindScript(model, name);
  const bool created = !script;
  if (created && !CQVExplorer::CreateScript(model, name, 0, &script)) return 0;
  if (!script) return 0;
  const std::string content = "BOOLEAN VB\n" + text;
  CMemoryStream stream;
  stream.SetSize(content.size() + 1);
  stream.Write(content.c_str(), content.size() + 1);
  stream.Seek(0, CMemoryStream::Origin::Begin);
  CComPtr<IQVPersistStream> storage = ComQuery<IQVPersistStream>(script);
  const bool loaded = storage && SUCCEEDED(storage->Load(stream));
  if (!loaded && created) {
    // A new script without its text is no initialization script.
    if (CComPtr<IFTypeTable> table = type_access::TableOf(type_access::PaletteOf(model))) table->DeleteType(name);
  }
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument(); document && loaded) document->SetModifiedFlag(true);
  if (frame.m_bPostAdd && ownerWindow && IsWindow(ownerWindow)) PostMessage(ownerWindow, EXPLORER_OBJECT_ADDED, 0, 0);
  return loaded ? 1 : 0;
}

bool CInitializationScriptCommand::ReadBlockVariables(CRQVDocument& document, const std::string& blockName,
                                                      int scriptKind, InitializationValues& first,
                                                      InitializationValues& second) {
  CComPtr<IUnknown> root;
  if (FAILED(document.GetRootQVModel(&root)) || !root) return false;
  CComPtr<IQVVariableQueries> queries = ComQuery<IQVVariableQueries>(root);
  CComPtr<IQVVariableQuery> query;
  if (!queries || FAILED(queries->CreateQuery(&query)) || !query) return false;
  CComPtr<IQVUOMConverter> converter;
  if (scriptKind == kEBSolveKind && FAILED(document.GetUOMConverter(&converter))) converter.Release();

  query->Clear();
  query->SetPattern(blockName + "~");
  query->SetFlags(1 | 2 | 8);
  query->SetOptions({false, false, true, false});
  if (FAILED(query->Run())) return false;
  ReadResults(*query, blockName, converter, first);

  query->Reset();
  query->SetFlags(0);
  query->SetOptions({true, false, true, false, true, true});
  query->SetPropertyName("PartialDerivative");
  if (SUCCEEDED(query->Run())) ReadResults(*query, blockName, converter, second);
  return true;
}
