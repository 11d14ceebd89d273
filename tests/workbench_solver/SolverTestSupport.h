// Small flowsheets written out in a test: model texts compiled into a store,
// a flowsheet of blocks of them, and the flowsheet instantiated.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/simulation/FlowsheetInstantiation.h"
#include "workbench/solver/FlowsheetSolver.h"
#include "workbench/store/Builder.h"
#include "workbench/store/SolverOptions.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"

class SolverFlowsheet {
 public:
  // models: (name, text) pairs; flowsheet: the body of "Model Flowsheet ... End".
  SolverFlowsheet(const std::vector<std::pair<std::string, std::string>>& models, const std::string& flowsheet) {
    CStoreBuilder build(m_store);
    CStorePalette& palette = *m_store.SimulationPalette();
    palette.AddUsedLibrary(&build.SystemLibrary());
    build.MaterialPipe(palette);
    for (const auto& [name, text] : models) build.Compiled(palette, StoreKind::Model, name, text);
    build.Type(palette, StoreKind::Flowsheet, "Flowsheet", "Model Flowsheet\n" + flowsheet + "End\n");
    m_flowsheet = InstantiateFlowsheet(m_store, CFlowsheetValues{});
    for (const std::string& problem : m_flowsheet->Problems()) ADD_FAILURE() << problem;
  }

  CFlowsheet& Flowsheet() { return *m_flowsheet; }
  CStore& Store() { return m_store; }
  CSolverOptions& Options() { return m_store.SolverOptions(); }
  SolveOutcome Solve(int runMode = ZN_RUN_STEADY_STATE) { return SolveFlowsheet(*m_flowsheet, runMode, Options()); }
  double Value(const std::string& path) {
    const InstanceVariable* variable = m_flowsheet->FindVariable(path);
    EXPECT_TRUE(variable) << path;
    return variable ? variable->value : 0.0;
  }
  double Derivative(const std::string& path) {
    const InstanceVariable* variable = m_flowsheet->FindVariable(path);
    EXPECT_TRUE(variable) << path;
    return variable ? variable->derivative : 0.0;
  }

 private:
  CStore m_store;
  std::unique_ptr<CFlowsheet> m_flowsheet;
};

// "a; b; c" of a solve's messages, for failure output and searching.
inline std::string JoinedMessages(const SolveOutcome& outcome) {
  std::string text;
  for (const std::string& message : outcome.messages) text += message + "\n";
  return text;
}
