#include "explorer/core/ExplorerModule.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObjectCatalogue.h"
#include "explorer/core/HostObjectHandles.h"
#include "explorer/resources/ExplorerResources.h"
#include "platform/Registry.h"

namespace {

// Reading each identifier registers its name, in a fixed order.
void RegisterNames() {
  const UINT messages[] = {
      EXPLORER_CONTEXT_CHANGED, EXPLORER_FOCUS_CHANGED, EXPLORER_EXPAND_CONTAINER, EXPLORER_CONTENTS_CHANGED,
      EXPLORER_DETAILS_CHANGED, EXPLORER_OBJECT_DELETED, EXPLORER_POSTOBJECT_DELETED, EXPLORER_OBJECT_ADDED,
      EXPLORER_OBJECT_MOVED, EXPLORER_OBJECT_RENAMED, EXPLORER_DECOMP_UPDATE, EXPLORER_GOTO_FIRST_UNCONVERGED,
      EXPLORER_SHOW_EQNORVARS, EXPLORER_REFRESH_TREEVIEW, WM_SHOW_CORVANEVIEW, WM_CORVANECM_RUN_STOPPED,
      WM_CORVANECM_MODEL_EDITED, WM_CORVANECM_CDB_LOCKOUT_STARTS, WM_CORVANECM_CDB_LOCKOUT_ENDS, WM_RUN_PAUSED_EVENT,
  };
  const CLIPFORMAT formats[] = {
      CF_MODELLING_LANGUAGE, CF_FULL_MODELLING_LANGUAGE, CF_NON_EMBEDDED_TEXT, CF_KTR_COPY_SELECTION,
      CF_FLOWSHEET_CONSTRAINTS, CF_EXPLORER_VARIABLE_TYPE, CF_EXPLORER_PORT_TYPE, CF_EXPLORER_PROCEDURE_TYPE,
      CF_EXPLORER_PARAMETER_TYPE, CF_EXPLORER_TASK, CF_EXPLORER_SCRIPT, CF_EXPLORER_COMPONENT_LIST,
      CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_MODEL_ICON, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE,
      CF_EXPLORER_MODEL_TYPE, CF_QELI_MODEL_TYPE, CF_PREFERRED_DROP_EFFECT,
  };
  (void)messages;
  (void)formats;
}

}  // namespace

const std::string& ExplorerModule::Initialize() {
  static const std::string problems = [] {
    RegisterExplorerResources();
    RegisterNames();
    return Registry::LoadLocalMachine(ExplorerObjectCatalogueText());
  }();
  return problems;
}

void ExplorerModule::Shutdown() { CHostObjectHandles::Clear(); }
