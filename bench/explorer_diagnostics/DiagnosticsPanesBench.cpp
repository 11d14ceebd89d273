// The diagnostics panes at the sizes a large flowsheet gives: a decomposition
// of 100 000 groups listed page-wise, one page of 1 000 groups, one group's
// 10 000 variables with their values, and a live refresh of those 10 000
// rows. Each is set beside a baseline measured in the same run: making the
// same row texts (group rows), or reading and formatting the same values
// from the host (variable rows and the refresh).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "bench/TimePerItem.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerModule.h"
#include "explorer/nodes/diagnostics/QVEODecomposition.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/nodes/diagnostics/QVEOGroupOverflowHolder.h"
#include "explorer/nodes/diagnostics/QVEVariableDisplayHolder.h"
#include "host/com/ComObject.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "host/model/IQVEventSource.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVVariableLookup.h"
#include "host/store/Status.h"
#include "platform/ListCtrl.h"
#include "platform/TreeCtrl.h"
#include "platform/Window.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/diagnostics/DiagnosticsBuilder.h"
#include "workbench/document/WorkbenchApp.h"

namespace {

using explorer_test::ClearPanesAndNodes;

constexpr int kGroupsPerPage = 1000;

// A flowsheet variable whose properties are texts.
class BenchVariable : public CComObject<IQVVariable> {
 public:
  explicit BenchVariable(std::string value) : m_value(std::move(value)) {}
  HRESULT GetName(std::string& name) override {
    name.clear();
    return S_OK;
  }
  HRESULT GetPropertyText(const std::string& property, std::string& text) override {
    text = property == "Value" ? m_value : property == "Lower" ? "0" : property == "Upper" ? "1000" : "kg";
    return S_OK;
  }
  HRESULT GetPropertyReal(const std::string& property, double* value) override {
    *value = property == "Value" ? std::strtod(m_value.c_str(), nullptr) : property == "Lower" ? 0.0 : 1000.0;
    return S_OK;
  }
  HRESULT SetPropertyText(const std::string&, const std::string& text) override {
    m_value = text;
    return S_OK;
  }
  HRESULT GetAttributes(IQVVariableAttributes** attributes) override {
    *attributes = nullptr;
    return E_NOINTERFACE;
  }

 private:
  std::string m_value;
};

// The root model: the variables by path, and the listeners of value changes.
class BenchRootModel : public CComObject<IQVVariableLookup, IQVEventSource> {
 public:
  std::unordered_map<std::string, CComPtr<BenchVariable>> variables;
  HRESULT FindVariable(const std::string& path, IQVVariable** variable) override {
    auto it = variables.find(path);
    if (it == variables.end()) return FE_NOTFOUND;
    return CComPtr<IQVVariable>(it->second.Get()).CopyTo(variable);
  }
  HRESULT Advise(const std::string&, IDispatch*, DWORD* cookie) override {
    *cookie = 1;
    return S_OK;
  }
  HRESULT Unadvise(DWORD) override { return S_OK; }
};

class BenchApp : public CWorkbenchApp {
 public:
  class Document : public CWorkbenchDocument {
   public:
    HRESULT GetRootModel(IUnknown** root) override { return CComPtr<IUnknown>(rootModel->Identity()).CopyTo(root); }
    CComPtr<BenchRootModel> rootModel = MakeComObject<BenchRootModel>();
  };
  CRQVDocument* GetCurrentDocument() override { return &document; }
  Document document;
};

// One run of groups groups (group 1 with variables variables), kept for every benchmark of that size.
struct Run {
  Run(int groups, int variables) {
    CDiagnosticsBuilder builder;
    builder.Decomposition();
    std::vector<int> members;
    for (int i = 0; i < variables; ++i) {
      const std::string name = "B" + std::to_string(i / 100) + ".x" + std::to_string(i % 100);
      members.push_back(builder.Variable(name, 1));
      app.document.rootModel->variables[name] = MakeComObject<BenchVariable>(std::to_string(i * 0.5));
    }
    if (variables > 0) builder.Group(ZN_GROUP_NONLINEAR, {}, members, false);
    builder.Groups(groups - (variables > 0 ? 1 : 0), {groups / 2});
    app.document.PublishRunDiagnostics(builder.Build(), 0);
    app.document.m_ApplicationSettings.m_iGroupsPerPage = kGroupsPerPage;
    owner.Create("owner", "", WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0);
    tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 400), &owner, 1);
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(200, 0, 600, 400), &owner, 2);
    CComPtr<IZNDiagnostics> diagnostics;
    CComPtr<IEnum<IZNDecomposition>> all;
    app.document.GetDiagnostics(&diagnostics);
    diagnostics->EnumDecompositions(&all);
    all->Next(&decomposition);
    CComPtr<IEnum<IZNDecompGroup>> groupList;
    decomposition->EnumGroups(&groupList);
    groupList->Next(&firstGroup);
  }

  BenchApp app;
  CExplorerExclusionList exclusions{GUID_NULL, 0};
  CComPtr<IZNDecomposition> decomposition;
  CComPtr<IZNDecompGroup> firstGroup;
  CWnd owner;
  CTreeCtrl tree;
  CListCtrl list;
};

Run& RunOf(int groups, int variables) {
  // Kept to the end of the program: the window system's own statics go before a static of ours would.
  static auto* runs = new std::map<std::pair<int, int>, std::unique_ptr<Run>>;
  static const bool started = [] {
    setenv("VORTAN_CONFIG_DIR", "/tmp/vortan-bench-explorer-diagnostics", 1);
    ExplorerModule::Initialize();
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    return true;
  }();
  (void)started;
  std::unique_ptr<Run>& run = (*runs)[{groups, variables}];
  if (!run) run = std::make_unique<Run>(groups, variables);
  return *run;
}

// A decomposition of 100 000 groups in both panes at the default page size: the pages only.
void BM_DecompositionPages(benchmark::State& state) {
  Run& run = RunOf(static_cast<int>(state.range(0)), 0);
  for (auto _ : state) {
    auto* node = new CQVEODecomposition(run.decomposition, &run.exclusions, &run.owner);
    HTREEITEM item = node->ShowContents(run.tree, TVI_ROOT);
    node->ShowMoreContents(run.tree, item);
    node->ShowContents(run.list);
    benchmark::DoNotOptimize(run.list.GetItemCount());
    ClearPanesAndNodes(run.tree, run.list);
  }
  PerRow(state);
}
BENCHMARK(BM_DecompositionPages)->Arg(100000)->Unit(benchmark::kMicrosecond);

// One page of 1 000 groups in the contents pane.
void BM_GroupPageRows(benchmark::State& state) {
  Run& run = RunOf(100000, 0);
  const int last = static_cast<int>(state.range(0));
  for (auto _ : state) {
    CQVEOGroupOverflowHolder page(CGroupSource(run.decomposition.Get()), 1, last, &run.exclusions, &run.owner);
    page.ShowContents(run.list);
    benchmark::DoNotOptimize(run.list.GetItemCount());
    state.PauseTiming();
    page.ClearList(run.list);
    state.ResumeTiming();
  }
  PerRow(state);
}
BENCHMARK(BM_GroupPageRows)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Baseline: the same six texts per group, made from the same host objects.
void BM_GroupPageRowsBaseline(benchmark::State& state) {
  Run& run = RunOf(100000, 0);
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count) * 6);
    CComPtr<IEnum<IZNDecompGroup>> groups;
    run.decomposition->EnumGroups(&groups);
    for (int i = 0; i < count; ++i) {
      CComPtr<IZNDecompGroup> group;
      groups->Next(&group);
      int number = 0, equations = 0, variables = 0, nonZeros = 0;
      bool converged = false;
      group->GetNumber(&number);
      group->GetEquationCount(&equations);
      group->GetVariableCount(&variables);
      group->GetNonZeroCount(&nonZeros);
      group->IsConverged(&converged);
      char text[16];
      for (int value : {number, equations, variables, nonZeros}) {
        std::snprintf(text, sizeof text, "%d", value);
        texts.emplace_back(text);
      }
      texts.emplace_back("Explicit");
      texts.emplace_back(converged ? "Converged" : "UnConverged");
    }
    benchmark::DoNotOptimize(texts.data());
  }
  PerRow(state);
}
BENCHMARK(BM_GroupPageRowsBaseline)->Arg(1000)->Unit(benchmark::kMicrosecond);

// One group's variables in the contents pane, with their values from the host.
void BM_GroupVariableRows(benchmark::State& state) {
  Run& run = RunOf(10, static_cast<int>(state.range(0)));
  run.exclusions.SetShowVariablesInGroups(1, nullptr);
  for (auto _ : state) {
    CQVEOGroup group(run.firstGroup, &run.exclusions, &run.owner);
    group.ShowContents(run.list);
    benchmark::DoNotOptimize(run.list.GetItemCount());
    state.PauseTiming();
    group.ClearList(run.list);
    state.ResumeTiming();
  }
  PerRow(state);
}
BENCHMARK(BM_GroupVariableRows)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Baseline: each variable found by path and its nine texts read and formatted (the bound state from its
// value and bounds).
void BM_GroupVariableRowsBaseline(benchmark::State& state) {
  Run& run = RunOf(10, static_cast<int>(state.range(0)));
  BenchRootModel& root = *run.app.document.rootModel;
  for (auto _ : state) {
    std::vector<std::string> texts;
    CComPtr<IEnum<IZNDecompVariable>> variables;
    run.firstGroup->EnumVariables(&variables);
    for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable;) {
      std::string name;
      variable->GetName(name);
      CComPtr<IQVVariable> host;
      root.FindVariable(name, &host);
      texts.push_back(name);
      for (const char* property : {"Value", "Units", "Spec", "Description", "Lower", "Upper"}) {
        std::string text;
        host->GetPropertyText(property, text);
        texts.push_back(std::move(text));
      }
      int groupIndex = 0;
      variable->GetGroupIndex(&groupIndex);
      char group[32];
      std::snprintf(group, sizeof group, "Group %d", groupIndex);
      texts.emplace_back(group);
      double value = 0, lower = 0, upper = 0;
      host->GetPropertyReal("Value", &value);
      host->GetPropertyReal("Lower", &lower);
      host->GetPropertyReal("Upper", &upper);
      texts.emplace_back(value - lower < 1e-12 ? "Lower" : upper - value < 1e-12 ? "Upper" : " ");
    }
    benchmark::DoNotOptimize(texts.data());
  }
  PerRow(state);
}
BENCHMARK(BM_GroupVariableRowsBaseline)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A live refresh of the shown rows ("OnVariableChange").
void BM_LiveRefresh(benchmark::State& state) {
  Run& run = RunOf(10, static_cast<int>(state.range(0)));
  run.exclusions.SetShowVariablesInGroups(1, nullptr);
  CQVEOGroup group(run.firstGroup, &run.exclusions, &run.owner);
  group.ShowContents(run.list);
  for (auto _ : state) group.DisplayHolder().RefreshValues();
  group.ClearList(run.list);
  PerRow(state);
}
BENCHMARK(BM_LiveRefresh)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Baseline: each variable found by path and its value and bounds read and formatted.
void BM_LiveRefreshBaseline(benchmark::State& state) {
  Run& run = RunOf(10, static_cast<int>(state.range(0)));
  BenchRootModel& root = *run.app.document.rootModel;
  std::vector<std::string> names;
  CComPtr<IEnum<IZNDecompVariable>> variables;
  run.firstGroup->EnumVariables(&variables);
  for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable;) {
    names.emplace_back();
    variable->GetName(names.back());
  }
  std::vector<std::string> values(names.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      CComPtr<IQVVariable> host;
      root.FindVariable(names[i], &host);
      host->GetPropertyText("Value", values[i]);
      double value = 0, lower = 0, upper = 0;
      host->GetPropertyReal("Value", &value);
      host->GetPropertyReal("Lower", &lower);
      host->GetPropertyReal("Upper", &upper);
      benchmark::DoNotOptimize(value - lower + upper);
    }
    benchmark::DoNotOptimize(values.data());
  }
  PerRow(state);
}
BENCHMARK(BM_LiveRefreshBaseline)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
