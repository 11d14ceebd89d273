// A node's icons, added once per process to the shared image lists.
#include "explorer/core/ExplorerImageLists.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/resources/IconIds.h"
#include "host/store/HostClassIds.h"

namespace {

// The kind of form an instance is: 0 table, 1 plot, 2 profile, 3 custom, 4 model help, -1 anything else.
int FormKind(IFInstance* instance) {
  if (!instance) return -1;
  CLSID classId;
  if (FAILED(instance->GetClassID(&classId))) return -1;
  const CLSID* kinds[] = {&CLSID_QVTableForm, &CLSID_QVPlotForm, &CLSID_QVProfileForm, &CLSID_QVCustomForm,
                          &CLSID_QVModelHelpForm};
  for (int kind = 0; kind < 5; ++kind) {
    if (classId == *kinds[kind]) return kind;
  }
  return -1;
}

}  // namespace

void CExplorerObject::LoadIcons(UINT openIconId, UINT normalIconId) {
  int kind = FormKind(m_pInstance);
  // The plot and profile forms show the plot icon in place of the form icon.
  if (openIconId == IDI_FORM && (kind == 1 || kind == 2)) openIconId = normalIconId = IDI_PLOT_FORM;
  ExplorerImageIndex open = CExplorerImageLists::AddIconResource(openIconId);
  m_nLargeOpenImage = open.large;
  m_nSmallOpenImage = open.small;
  ExplorerImageIndex normal = open;
  if (normalIconId != openIconId) normal = CExplorerImageLists::AddIconResource(normalIconId, false);
  m_nLargeImage = normal.large;
  m_nSmallImage = normal.small;
}
