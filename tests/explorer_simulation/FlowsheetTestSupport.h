// What the flowsheet tests share: the sample simulation in the stand-in host
// with the desktop's main window, Explorer windows opened on it as a user
// opens them, and readers of what a person sees in them (tree labels, rows,
// context menus without their accelerator texts).
#pragma once

#include <string>
#include <vector>

#include "explorer/window/ExplorerFrame.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"

namespace simulation_test {

class FlowsheetExplorerTest : public SampleSimulationTest {
 protected:
  void SetUp() override;
  ~FlowsheetExplorerTest() override;

  // A new Explorer on the simulation; fails the test when none opens.
  CExplorerFrame* OpenExplorer();
  // Clicks the tree item at path ("Simulation/Flowsheet/Blocks") and gives its node.
  CExplorerObject* Select(CExplorerFrame* frame, const std::string& path);
  // The labels below the tree item at path; the texts of a contents-pane column.
  Strings TreeBelow(CExplorerFrame* frame, const std::string& path);
  Strings Rows(CExplorerFrame* frame, int column = 0);
  // The node's context menu: item texts without '&' and accelerators, "-" for
  // separators, popup items indented by two blanks.
  static Strings Menu(CExplorerObject& node);
  static bool Has(const Strings& items, const std::string& item);
  // A unit of the flowsheet by its path below it ("Train2.T201").
  CComPtr<IFInstance> Unit(const std::string& path);
};

}  // namespace simulation_test
