// A container fills the contents pane with one node per child and clears it
// again: making the nodes (each with its icons from the shared cache and its
// place in the live set), adding their rows with two aspect columns, sorting
// them through the nodes, and deleting rows and nodes. Each measure is set
// against making the same row texts in plain vectors (the baseline); the
// per-row figures must stay flat as the row count grows tenfold.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/TimePerItem.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerModule.h"
#include "explorer/core/ListSortInfo.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/ListCtrl.h"

namespace {

const GUID kRowClass = GUID::FromString("{5E5E0101-0000-4000-8000-0000000000B1}");
const GUID kFolderClass = GUID::FromString("{5E5E0102-0000-4000-8000-0000000000B2}");

std::string Label(int i) { return "Model" + std::to_string((i * 7919) % 1000003); }

class Row : public CExplorerObject {
 public:
  explicit Row(int i) : CExplorerObject(ForType{}, nullptr, IDI_BLOCK, IDI_BLOCK, nullptr, 0), m_name(Label(i)) {}
  const GUID& GetClassID() override { return kRowClass; }
  int GetClassName(std::string& name) override {
    name = "Model";
    return 1;
  }
  CExplorerObject* Clone() override { return nullptr; }
  int GetDisplayText(EOAspect aspect, std::string& text) override {
    if (aspect == EOAspectName) text = m_name;
    if (aspect == EOAspectType) text = "Model";
    if (aspect == EOAspectStatus) text = "OK";
    return 1;
  }

 private:
  std::string m_name;
};

class Folder : public CExplorerContainerObject {
 public:
  Folder() : CExplorerContainerObject(ForType{}, nullptr, nullptr, nullptr, 0) {}
  const GUID& GetClassID() override { return kFolderClass; }
  int GetClassName(std::string& name) override {
    name = "Models";
    return 1;
  }
  CExplorerObject* Clone() override { return nullptr; }
  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl&) override { return 0; }
  HTREEITEM ShowContents(CTreeCtrl&, HTREEITEM) override { return nullptr; }
};

void BM_BaselineTexts(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> names, types, statuses;
    for (int i = 0; i < rows; ++i) {
      names.push_back(Label(i));
      types.push_back("Model");
      statuses.push_back("OK");
    }
    benchmark::DoNotOptimize(names.data());
  }
  PerRow(state);
}

void Fill(Folder& folder, CListCtrl& list, int rows) {
  static const UINT titles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};
  static const EOAspect aspects[] = {EOAspectType, EOAspectStatus};
  folder.InsertColumns(list, 3, titles);
  list.SetItemCount(rows);
  for (int i = 0; i < rows; ++i) CExplorerObject::AddListItem(list, new Row(i), aspects, 2);
}

void BM_FillAndClearWithNodes(benchmark::State& state) {
  ExplorerModule::Initialize();
  const int rows = static_cast<int>(state.range(0));
  Folder folder;
  for (auto _ : state) {
    CListCtrl list;
    Fill(folder, list, rows);
    folder.ClearList(list);
    benchmark::DoNotOptimize(list.GetItemCount());
  }
  PerRow(state);
}

void BM_FillSortByNameAndClear(benchmark::State& state) {
  ExplorerModule::Initialize();
  const int rows = static_cast<int>(state.range(0));
  Folder folder;
  for (auto _ : state) {
    CListCtrl list;
    Fill(folder, list, rows);
    LISTSORTINFO info{0, LSI_TEXT, 1};
    list.SortItems(&CompareExplorerItems, reinterpret_cast<LPARAM>(&info));
    folder.ClearList(list);
  }
  PerRow(state);
}

BENCHMARK(BM_BaselineTexts)->Arg(10000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAndClearWithNodes)->Arg(10000)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillSortByNameAndClear)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
