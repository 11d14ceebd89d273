// Explorer core tests against the stand-in host: its application (with the
// simulation document, the store and the host services) and a builder.
#pragma once

#include "host/store/IFTypeTable.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace explorer_test {

class ExplorerStoreTest : public ExplorerCoreTest {
 protected:
  CWorkbenchApp app;
  CStoreBuilder build{app.Document().Store()};

  CStore& Store() { return app.Document().Store(); }
  CStorePalette& Simulation() { return *Store().SimulationPalette(); }
  IFType* SimulationType() { return Store().SimulationType(); }
  CWorkbenchDocument& Document() { return app.Document(); }
  // Opens the sample simulation in the document (fails the test when it does not load).
  void OpenSample() {
    FileProblem problem;
    ASSERT_TRUE(app.OpenDocument(DefaultSamplePath(""), problem)) << problem.Describe();
  }

  // The instance that stands for a type, as nodes hold it.
  static IFInstance* InstanceOf(CStoreType& type) { return type.DefaultInstance(); }
  static IFType* AsType(CStoreType& type) { return &type; }
  static std::string LatestText(CStoreType& type) { return type.Text(); }
  static std::string LatestText(CStorePalette& palette, const char* name) {
    CStoreType* type = palette.Find(name);
    return type ? type->Text() : "<missing>";
  }
};

}  // namespace explorer_test
