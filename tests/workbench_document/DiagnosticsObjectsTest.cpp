// The diagnostics objects the document hands out after a run: absent before
// one, made only as an enumeration reaches them, one object per record while
// it lives, torn groups with their statistics, and the bound-state text a
// variable keeps for the explorer.
#include <gtest/gtest.h>

#include "host/diagnostics/IZNDecompEquation.h"
#include "host/diagnostics/IZNDecompEquivalence.h"
#include "host/diagnostics/IZNDecompStatistics.h"
#include "host/diagnostics/IZNDecompVariable.h"
#include "host/store/Status.h"
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

TEST_F(DiagnosticsObjectsTest, NoDiagnosticsBeforeARunAndTheSolverOptionsAfterOne) {
  CComPtr<IZNDiagnostics> none;
  EXPECT_EQ(app.Document().GetDiagnostics(&none), FE_NOTFOUND);
  EXPECT_EQ(none.Get(), nullptr);

  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(3, {2});
  CComPtr<IZNDiagnostics> diagnostics = Publish(builder);
  bool present = false;
  EXPECT_EQ(diagnostics->IsPresent(&present), S_OK);
  EXPECT_TRUE(present);
  CComPtr<IQVSolverOptions> options, store;
  EXPECT_EQ(diagnostics->GetOptions(&options), S_OK);
  app.Document().GetSolver(&store);
  EXPECT_TRUE(IsSameObject(options, store));

  CComPtr<IZNDecomposition> decomposition = FirstDecomposition(diagnostics);
  bool converged = true;
  int groups = 0, position = 0;
  decomposition->IsConverged(&converged);
  decomposition->GetGroupCount(&groups);
  CComPtr<IZNDecompStatistics> statistics;
  decomposition->GetStatistics(&statistics);
  statistics->GetFirstUnconvergedPosition(&position);
  EXPECT_FALSE(converged);
  EXPECT_EQ(groups, 3);
  EXPECT_EQ(position, 2);
}

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

TEST_F(DiagnosticsObjectsTest, TornGroupsEquationsAndEquivalencesAnswerFromTheirRecords) {
  CDiagnosticsBuilder builder;
  builder.Decomposition(ZN_RUN_DYNAMIC).Groups(1);
  builder.TornGroup(4, 2, {3});
  builder.Residual(0, -2.5, "x = -2.5");
  builder.Equivalence({0}, -1.0, 10.0, 2.0);
  CComPtr<IZNDiagnostics> diagnostics = Publish(builder);
  CComPtr<IZNDecomposition> decomposition = FirstDecomposition(diagnostics);
  int torn = 0, explicitGroups = 0, mode = 0;
  decomposition->GetTornGroupCount(&torn);
  decomposition->GetExplicitGroupCount(&explicitGroups);
  decomposition->GetRunMode(&mode);
  EXPECT_EQ(torn, 1);
  EXPECT_EQ(explicitGroups, 1);
  EXPECT_EQ(mode, ZN_RUN_DYNAMIC);

  CComPtr<IEnum<IZNDecompGroup>> groups;
  decomposition->EnumGroups(&groups);
  CComPtr<IZNDecompGroup> first = NextOf(groups.Get());
  CComPtr<IZNDecompGroup> tornGroup = NextOf(groups.Get());
  int size = 0, members = 0, subGroups = 0;
  EXPECT_EQ(first->GetTornSize(&size), E_FAIL);
  tornGroup->GetTornSize(&size);
  tornGroup->GetMemberCount(&members);
  tornGroup->GetSubGroupCount(&subGroups);
  EXPECT_EQ(size, 2);
  EXPECT_EQ(members, 4);
  EXPECT_EQ(subGroups, 4);
  CComPtr<IZNDecompStatistics> statistics;
  ASSERT_EQ(tornGroup->GetStatistics(&statistics), S_OK);
  CComPtr<IZNDecompGroup> failing;
  EXPECT_EQ(statistics->GetFirstUnconvergedGroup(&failing), S_OK);
  int number = 0;
  failing->GetNumber(&number);
  EXPECT_EQ(number, 3);

  CComPtr<IEnum<IZNDecompEquation>> equations;
  first->EnumEquations(&equations);
  CComPtr<IZNDecompEquation> equation = NextOf(equations.Get());
  double residual = 0;
  std::string text, longText;
  EXPECT_EQ(equation->GetResidual(&residual), S_OK);
  equation->GetResidualText(text);
  equation->GetLongResidualText(longText);
  EXPECT_EQ(residual, -2.5);
  EXPECT_EQ(text, "-2.5");
  EXPECT_EQ(longText, "x = -2.5");

  int count = 0;
  diagnostics->GetEquivalenceCount(&count);
  EXPECT_EQ(count, 1);
  CComPtr<IEnum<IZNDecompEquivalence>> equivalences;
  diagnostics->EnumEquivalences(&equivalences);
  CComPtr<IZNDecompEquivalence> equivalence = NextOf(equivalences.Get());
  CComPtr<IEnum<IZNDecompVariable>> members2;
  equivalence->EnumVariables(&members2);
  std::string name;
  NextOf(members2.Get())->GetName(name);
  EXPECT_EQ(name, "v1");
}

}  // namespace
