// "Create Model Initialization Script...": writes into a custom model a
// script that sets the model's variables to the current values of one block
// of that model (a pre-solve "PreSolve" or an EBSolve "EBSOLVE" script). The
// Explorer frames route the command here; the enabling decision is the same
// for the frame menu, a node's context menu and a script.
#pragma once

#include <string>

#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/com/ComPtr.h"

class CExplorerFrame;
class CExplorerObject;
class CRQVDocument;
struct IFType;
struct InitializationValues;

class CInitializationScriptCommand : public IExplorerFrameTools {
 public:
  // The one handler the frames share.
  static CInitializationScriptCommand& Instance();

  bool IsCommandEnabled(CExplorerFrame& frame, UINT id) override;
  void DoCommand(CExplorerFrame& frame, UINT id) override;

  // A non-hierarchy model of the custom-modeling types is selected and the
  // simulation has at least one block of it (the frame's model list).
  bool IsCreatModelInitializationEnabled(CExplorerFrame& frame);
  void OnToolsCreateinitializationscript(CExplorerFrame& frame);

  // The model's script of that name (case-insensitive); null when it has none.
  static CComPtr<IFType> FindScript(IFType* model, const std::string& name);
  // Stores text as the model's script name: an existing script of that name
  // takes the new text in place, else a new script is made. 1 when stored.
  static int SaveAddScript(CExplorerFrame& frame, CExplorerObject* typeNode, IFType* model, const std::string& name,
                           const std::string& text);
  // The values of the block's variables from the simulation: the first set
  // (every variable of the block; with units for the EBSolve kind) and the
  // second (the host's partial-derivative variables). False when the host offers no query.
  static bool ReadBlockVariables(CRQVDocument& document, const std::string& blockName, int scriptKind,
                                 InitializationValues& first, InitializationValues& second);
};
