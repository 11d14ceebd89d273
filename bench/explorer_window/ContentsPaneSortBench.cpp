// The Explorer's contents pane with many rows: a container fills it (rows
// made, then put in order by the default column) and the user sorts it by a
// text column and by an integer column. Each measure is set against a
// baseline in the same run: making the same row texts (and ordering them,
// where the pane orders too), or std::stable_sort of the same values with the
// same ordering. Each sort runs the other way round from the one before, so
// every pass moves rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/TimePerItem.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerModule.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerListView.h"
#include "platform/TextCompare.h"
#include "platform/Window.h"

namespace {

const GUID kRowClass = GUID::FromString("{5E5E0201-0000-4000-8000-0000000000C1}");
const GUID kFolderClass = GUID::FromString("{5E5E0202-0000-4000-8000-0000000000C2}");
constexpr int kNumberColumn = 1;

int Number(int i) { return static_cast<int>((static_cast<long long>(i) * 7919) % 1000003); }
std::string Label(int i) { return "Model" + std::to_string(Number(i)); }
bool NameLess(const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; }

class Row : public CExplorerObject {
 public:
  explicit Row(int i)
      : CExplorerObject(ForType{}, nullptr, IDI_BLOCK, IDI_BLOCK, nullptr, 0), m_name(Label(i)), m_number(Number(i)) {}
  const GUID& GetClassID() override { return kRowClass; }
  int GetClassName(std::string& name) override {
    name = "Model";
    return 1;
  }
  CExplorerObject* Clone() override { return nullptr; }
  int GetDisplayText(EOAspect aspect, std::string& text) override {
    if (aspect == EOAspectName) text = m_name;
    if (aspect == EOAspectType) text = std::to_string(m_number);
    return 1;
  }
  int GetSortVal(int column, int& value) override {
    value = column == kNumberColumn ? m_number : 0;
    return 1;
  }

 private:
  std::string m_name;
  int m_number;
};

// A folder of `rows` rows: names in the first column, numbers in the second.
class Folder : public CExplorerContainerObject {
 public:
  explicit Folder(int rows) : CExplorerContainerObject(ForType{}, nullptr, nullptr, nullptr, 0), m_rows(rows) {}
  const GUID& GetClassID() override { return kFolderClass; }
  int GetClassName(std::string& name) override {
    name = "Models";
    return 1;
  }
  CExplorerObject* Clone() override { return nullptr; }
  int IsEmpty() override { return m_rows == 0; }
  HTREEITEM ShowContents(CTreeCtrl&, HTREEITEM) override { return nullptr; }
  int ShowContents(CListCtrl& list) override {
    static const UINT titles[] = {IDS_NAME, IDS_TYPE};
    static const EOAspect aspects[] = {EOAspectType};
    InsertColumns(list, 2, titles);
    list.SetItemCount(m_rows);
    for (int i = 0; i < m_rows; ++i) AddListItem(list, new Row(i), aspects, 1);
    return 1;
  }
  int GetSortType(LISTSORTINFO& info) override {
    info.type = info.column == kNumberColumn ? LSI_INTEGER : LSI_TEXT;
    return 1;
  }

 private:
  int m_rows;
};

// A contents pane in a window of its own.
struct Pane {
  Pane() {
    ExplorerModule::Initialize();
    parent.Create("BenchFrame", "", WS_VISIBLE, CRect(0, 0, 900, 700), nullptr, 0);
    list.Create(CRect(0, 0, 900, 700), &parent, 1);
  }
  ~Pane() { list.ClearPane(); }
  CWnd parent;
  CExplorerListView list;
};

std::vector<std::string> MakeTexts(int rows, std::vector<std::string>& numbers) {
  std::vector<std::string> names;
  for (int i = 0; i < rows; ++i) {
    names.push_back(Label(i));
    numbers.push_back(std::to_string(Number(i)));
  }
  return names;
}

// ---- filling: the pane makes a node and a row per child, then orders them by name

void BM_BaselineMakeTextsAndOrder(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> numbers;
    std::vector<std::string> names = MakeTexts(rows, numbers);
    std::stable_sort(names.begin(), names.end(), NameLess);
    benchmark::DoNotOptimize(names.data());
  }
  PerRow(state);
}

void BM_FillPane(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Folder folder(rows);  // outlives the pane that shows it
  Pane pane;
  for (auto _ : state) {
    pane.list.SetContext(&folder);
    benchmark::DoNotOptimize(pane.list.GetItemCount());
    state.PauseTiming();
    pane.list.ClearPane();
    state.ResumeTiming();
  }
  PerRow(state);
}

// ---- sorting a filled pane by a column header

template <typename Value, typename Less>
void SortBackAndForth(benchmark::State& state, std::vector<Value> values, Less less) {
  bool ascending = false;  // the values start in ascending order, as the pane's rows do
  for (auto _ : state) {
    if (ascending) {
      std::stable_sort(values.begin(), values.end(), less);
    } else {
      std::stable_sort(values.begin(), values.end(), [&](const Value& a, const Value& b) { return less(b, a); });
    }
    ascending = !ascending;
  }
  PerRow(state);
}

void BM_BaselineSortTexts(benchmark::State& state) {
  std::vector<std::string> numbers;
  std::vector<std::string> names = MakeTexts(static_cast<int>(state.range(0)), numbers);
  std::stable_sort(names.begin(), names.end(), NameLess);
  SortBackAndForth(state, names, NameLess);
}

// The rows move with their texts, so the baseline moves each number with its text.
void BM_BaselineSortIntegers(benchmark::State& state) {
  using Keyed = std::pair<int, std::string>;
  std::vector<Keyed> values;
  for (int i = 0; i < state.range(0); ++i) values.emplace_back(Number(i), std::to_string(Number(i)));
  const auto less = [](const Keyed& a, const Keyed& b) { return a.first < b.first; };
  std::stable_sort(values.begin(), values.end(), less);
  SortBackAndForth(state, values, less);
}

void SortPane(benchmark::State& state, const std::string& column) {
  Folder folder(static_cast<int>(state.range(0)));
  Pane pane;
  pane.list.SetContext(&folder);
  pane.list.SetColumnSortInfo(column, 1);
  bool ascending = false;
  for (auto _ : state) {
    pane.list.SetColumnSortInfo(column, ascending);
    ascending = !ascending;
  }
  PerRow(state);
}

void BM_SortPaneByName(benchmark::State& state) { SortPane(state, "Name"); }
void BM_SortPaneByNumber(benchmark::State& state) { SortPane(state, "Type"); }

#define ROW_COUNTS ->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_BaselineMakeTextsAndOrder) ROW_COUNTS;
BENCHMARK(BM_FillPane) ROW_COUNTS;
BENCHMARK(BM_BaselineSortTexts) ROW_COUNTS;
BENCHMARK(BM_SortPaneByName) ROW_COUNTS;
BENCHMARK(BM_BaselineSortIntegers) ROW_COUNTS;
BENCHMARK(BM_SortPaneByNumber) ROW_COUNTS;

}  // namespace
