// The sample simulation opened in an application with the host's views, and
// the forms of it the tests look at.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "host/framework/HostMessages.h"
#include "host/store/HostClassIds.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeViews.h"
#include "workbench/views/HostViews.h"

class SampleViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FileProblem problem;
    ASSERT_TRUE(app.OpenDocument(SamplePath(), problem)) << problem.Describe();
    views = std::make_unique<CHostViews>(app.Document());
  }

  CStoreType& Type(const std::string& name) {
    CStoreType* type = app.Document().Store().SimulationPalette()->Find(name);
    EXPECT_NE(type, nullptr) << name;
    return *type;
  }
  CStoreType& Form(const std::string& owner, const std::string& name) {
    CStoreType* form = (owner.empty() ? *app.Document().Store().SimulationType() : Type(owner)).FindForm(name);
    EXPECT_NE(form, nullptr) << owner << "." << name;
    return *form;
  }
  // What "Show as ..." on the form asks of the host.
  tag_CorvaneViewContext FormRequest(CStoreType& form, const std::string& mode) {
    tag_CorvaneViewContext context;
    context.viewClass = CLSID_QVFormView;
    context.text = mode;
    context.dataSource = MakeFormDefView(&form);
    return context;
  }
  const InstanceVariable& Variable(const std::string& path) {
    const InstanceVariable* variable = app.Document().Flowsheet().Current().FindVariable(path);
    EXPECT_NE(variable, nullptr) << path;
    return *variable;
  }

  ScriptedTestUi ui;
  CWorkbenchApp app;
  std::unique_ptr<CHostViews> views;
};
