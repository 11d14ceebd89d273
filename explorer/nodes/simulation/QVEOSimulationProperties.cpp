// The simulation's file properties: the document's file, and the statistics
// of the simulation model when the host can count them.
#include <optional>

#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/QVFileObjectPropertySheet.h"
#include "explorer/nodes/simulation/QVEOSimulation.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IRModel.h"
#include "host/store/MwInstance.h"
#include "platform/Resources.h"

namespace {

struct ModelCounts {
  int equations = 0;
  int variables = 0;
  int degreesOfFreedom = 0;
};

std::optional<ModelCounts> CountModel(CRQVDocument& document, IFInstance* simulation) {
  CComPtr<IRModel> model;
  if (!simulation || FAILED(MwInstance(simulation).QueryInstance(&model)) || !model) return std::nullopt;
  ModelCounts counts;
  if (FAILED(document.GetModelStatistics(model, counts.equations, counts.variables, counts.degreesOfFreedom)))
    return std::nullopt;
  return counts;
}

}  // namespace

void CQVEOSimulation::ShowProperties() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document) return;
  CQVFileObjectPropertySheet sheet(LoadStringOrEmpty(IDS_SIMULATION_PROPERTIES), document->GetPathName());
  // Without counts the sheet shows no Degrees of Freedom page rather than made-up numbers.
  if (std::optional<ModelCounts> counts = CountModel(*document, GetType()))
    sheet.SetStatistics(counts->equations, counts->variables, counts->degreesOfFreedom);
  sheet.DoModal();
}
