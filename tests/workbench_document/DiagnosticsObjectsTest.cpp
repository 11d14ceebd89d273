// The diagnostics objects the document hands out after a run: made only as an
// enumeration reaches them, one object per record while it lives, and the
// bound-state text a variable keeps for the explorer. What each object answers
// is read through the Explorer's diagnostics nodes in their own tests.
#include <gtest/gtest.h>

#include "host/diagnostics/IZNDecompVariable.h"
#include "workbench/diagnostics/DiagnosticsBuilder.h"
#include "workbench/document/WorkbenchApp.h"

namespace {

template <class T>
CComPtr<T> NextOf(IEnum<T>* items) {
  CComPtr<T> item;
  items->Next(&item);
  return item;
}

CComPtr<IZNDecomposition> FirstDecomposition(IZNDiagnostics* diagnostics) {
  CComPtr<IEnum<IZNDecomposition>> all;
  EXPECT_EQ(diagnostics->EnumDecompositions(&all), S_OK);
  return NextOf(all.Get());
}

class DiagnosticsObjectsTest : public ::testing::Test {
 protected:
  CComPtr<IZNDiagnostics> Publish(CDiagnosticsBuilder& builder) {
    app.Document().PublishRunDiagnostics(builder.Build(), 0);
    CComPtr<IZNDiagnostics> diagnostics;
    EXPECT_EQ(app.Document().GetDiagnostics(&diagnostics), S_OK);
    return diagnostics;
  }
  CWorkbenchApp app;
};

TEST_F(DiagnosticsObjectsTest, GroupsAreMadeOnlyWhenReachedAndOncePerRecord) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(100000);
  CComPtr<IZNDecomposition> decomposition = FirstDecomposition(Publish(builder));
  CComPtr<IEnum<IZNDecompGroup>> groups;
  ASSERT_EQ(decomposition->EnumGroups(&groups), S_OK);
  EXPECT_EQ(groups->Skip(99998), S_OK);
  CComPtr<IZNDecompGroup> group = NextOf(groups.Get());
  int number = 0;
  group->GetNumber(&number);
  EXPECT_EQ(number, 99999);
  EXPECT_EQ(groups->Skip(5), S_FALSE);

  // The same record reached again gives the same object while it lives.
  groups->Reset();
  groups->Skip(99998);
  EXPECT_EQ(NextOf(groups.Get()).Get(), group.Get());

  // A variable knows its decomposition and keeps the text the explorer caches on it.
  CComPtr<IEnum<IZNDecompVariable>> variables;
  group->EnumVariables(&variables);
  CComPtr<IZNDecompVariable> variable = NextOf(variables.Get());
  CComPtr<IZNDecomposition> found;
  variable->GetDecomposition(&found);
  EXPECT_EQ(found.Get(), decomposition.Get());
  variable->SetBoundState("Lower");
  variable = nullptr;
  variables->Reset();
  std::string state;
  NextOf(variables.Get())->GetBoundState(state);
  EXPECT_EQ(state, "Lower");
}

}  // namespace
