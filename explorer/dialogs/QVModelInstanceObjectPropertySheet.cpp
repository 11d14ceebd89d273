#include "explorer/dialogs/QVModelInstanceObjectPropertySheet.h"

#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/QVPropPageUserNotes.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IRModelType.h"
#include "host/store/IFInstance.h"
#include "host/store/IFNaming.h"

namespace {

constexpr const char* kUserNotesChild = "UserNotes";
constexpr int kNotesPage = 1;

// The library that holds the model's type; "Custom Modeling" for the simulation's own types.
std::string LibraryOf(IRModel* model) {
  CComPtr<IRModelType> modelType;
  if (!model || FAILED(model->GetModelType(&modelType)) || !modelType) return kCustomModelingLibrary;
  CComPtr<IFNaming> naming = ComQuery<IFNaming>(modelType.Get());
  bool inLibrary = false;
  std::string library, typeName;
  if (!naming || FAILED(naming->IsLibraryType(&inLibrary)) || !inLibrary ||
      FAILED(naming->GetNames(library, typeName)) || library.empty())
    return kCustomModelingLibrary;
  return library;
}

CComPtr<IQVNotes> NotesOf(IRModel* model) {
  CComPtr<IFInstance> instance;
  if (!model || FAILED(model->GetInstance(&instance)) || !instance) return {};
  CComPtr<IFInstance> notes;
  if (FAILED(instance->GetProperty(kUserNotesChild, nullptr, &notes))) return {};
  return ComQuery<IQVNotes>(notes.Get());
}

}  // namespace

CQVModelInstanceObjectPropertySheet::CQVModelInstanceObjectPropertySheet(
    const std::string& caption, IRModel* model, const std::string& className, const std::string& name,
    const std::string& type, int statisticsAvailable, CWnd* parent)
    : CQVNotesPropertySheet(caption, parent), m_bStatisticsAvailable(statisticsAvailable) {
  Gather(model, className, name, type);
}

CQVModelInstanceObjectPropertySheet::CQVModelInstanceObjectPropertySheet(
    UINT captionId, IRModel* model, const std::string& className, const std::string& name, const std::string& type,
    int statisticsAvailable, CWnd* parent)
    : CQVNotesPropertySheet(captionId, parent), m_bStatisticsAvailable(statisticsAvailable) {
  Gather(model, className, name, type);
}

CQVModelInstanceObjectPropertySheet::~CQVModelInstanceObjectPropertySheet() = default;

void CQVModelInstanceObjectPropertySheet::Gather(IRModel* model, const std::string& className,
                                                 const std::string& name, const std::string& type) {
  m_texts.name = name;
  m_texts.type = type;
  m_texts.classLabel = className.empty() ? "Type" : className + " Type";
  m_texts.library = LibraryOf(model);
  m_texts.status = m_bStatisticsAvailable ? kModelStatusOK : kModelStatusNotOK;
  m_texts.equations = m_texts.variables = m_texts.unknowns = m_texts.degreesOfFreedom = kNoStatistic;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  int equations = 0, variables = 0, unknowns = 0, degreesOfFreedom = 0;
  if (m_bStatisticsAvailable && model && document &&
      SUCCEEDED(document->GetModelStatistics(model, equations, variables, unknowns, degreesOfFreedom))) {
    m_texts.equations = std::to_string(equations);
    m_texts.variables = std::to_string(variables);
    m_texts.unknowns = std::to_string(unknowns);
    m_texts.degreesOfFreedom = std::to_string(degreesOfFreedom);
  }
  m_pNotes = NotesOf(model);
}

INT_PTR CQVModelInstanceObjectPropertySheet::DoModal() {
  if (!m_generalPage) {
    m_generalPage = std::make_unique<CQVPropPageModelInstanceObjectGeneral>(m_texts);
    m_notesPage = m_pNotes ? std::make_unique<CQVPropPageUserNotes>(m_pNotes.Get())
                           : std::make_unique<CQVPropPageUserNotes>();
    m_pNotes.Release();  // the page holds the notes from here on
    AddPage(m_generalPage.get());
    AddPage(m_notesPage.get());
  }
  return RunReopening(kNotesPage);
}
