#include "workbench/solver/Decomposition.h"

#include <btf.h>

#include <algorithm>
#include <memory>

#include "host/diagnostics/IZNDecompGroup.h"
#include "workbench/simulation/LargeArrays.h"
#include "workbench/solver/EquationSystem.h"

namespace {

// How far ahead memory that will be written or read in no order is asked for.
constexpr int kPlacesAhead = 16;

// At most this many names in one message about a structural problem.
constexpr int kNamesInMessage = 12;

std::string Count(std::size_t count, const char* word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

std::string NameList(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < static_cast<std::size_t>(kNamesInMessage); ++i)
    text += (i ? ", " : "") + names[i];
  if (names.size() > static_cast<std::size_t>(kNamesInMessage))
    text += " and " + std::to_string(names.size() - kNamesInMessage) + " more";
  return text;
}

// Marks with mark what the unmatched nodes of one side reach by alternating
// paths: along their entries (starts, targets) to the other side, and back
// along the matching. Nodes already marked are left as they are.
void MarkAlternating(const int* starts, const int* targets, const std::vector<int>& match,
                     const std::vector<int>& otherMatch, std::vector<std::uint8_t>& part,
                     std::vector<std::uint8_t>& otherPart, std::uint8_t mark) {
  std::vector<int> queue;
  for (std::size_t i = 0; i < match.size(); ++i)
    if (match[i] < 0 && !part[i]) {
      part[i] = mark;
      queue.push_back(static_cast<int>(i));
    }
  for (std::size_t at = 0; at < queue.size(); ++at) {
    const std::size_t i = static_cast<std::size_t>(queue[at]);
    for (int e = starts[i]; e < starts[i + 1]; ++e) {
      const std::size_t j = static_cast<std::size_t>(targets[e]);
      if (otherPart[j]) continue;
      otherPart[j] = mark;
      const int next = otherMatch[j];
      if (next >= 0 && !part[static_cast<std::size_t>(next)]) {
        part[static_cast<std::size_t>(next)] = mark;
        queue.push_back(next);
      }
    }
  }
}

// Strongly connected components of the graph on the active nodes (edges from
// a node to the nodes it needs), each emitted after everything it needs:
// Tarjan's algorithm without recursion.
class CComponents {
 public:
  CComponents(const std::vector<int>& edgeStart, const std::vector<int>& edges, const std::vector<std::uint8_t>& active)
      : m_edgeStart(edgeStart), m_edges(edges), m_active(active) {}

  // components receives node lists back to back; starts the offsets.
  void Run(std::vector<int>& components, std::vector<int>& starts) {
    const std::size_t n = m_active.size();
    m_index.assign(n, -1);
    m_low.assign(n, 0);
    m_onStack.assign(n, 0);
    components.clear();
    starts.assign(1, 0);
    int counter = 0;
    std::vector<std::pair<int, int>> frames;  // node, next edge
    for (std::size_t root = 0; root < n; ++root) {
      if (!m_active[root] || m_index[root] >= 0) continue;
      frames.emplace_back(static_cast<int>(root), m_edgeStart[root]);
      Open(static_cast<int>(root), counter);
      while (!frames.empty()) {
        auto& [node, next] = frames.back();
        const std::size_t v = static_cast<std::size_t>(node);
        if (next < m_edgeStart[v + 1]) {
          const std::size_t w = static_cast<std::size_t>(m_edges[static_cast<std::size_t>(next++)]);
          if (!m_active[w]) continue;
          if (m_index[w] < 0) {
            Open(static_cast<int>(w), counter);
            frames.emplace_back(static_cast<int>(w), m_edgeStart[w]);
          } else if (m_onStack[w]) {
            m_low[v] = std::min(m_low[v], m_index[w]);
          }
          continue;
        }
        if (m_low[v] == m_index[v]) {
          int w = -1;
          do {
            w = m_stack.back();
            m_stack.pop_back();
            m_onStack[static_cast<std::size_t>(w)] = 0;
            components.push_back(w);
          } while (w != node);
          starts.push_back(static_cast<int>(components.size()));
        }
        const int finished = node;
        frames.pop_back();
        if (!frames.empty()) {
          const std::size_t parent = static_cast<std::size_t>(frames.back().first);
          m_low[parent] = std::min(m_low[parent], m_low[static_cast<std::size_t>(finished)]);
        }
      }
    }
  }

 private:
  void Open(int node, int& counter) {
    m_index[static_cast<std::size_t>(node)] = m_low[static_cast<std::size_t>(node)] = counter++;
    m_stack.push_back(node);
    m_onStack[static_cast<std::size_t>(node)] = 1;
  }

  const std::vector<int>& m_edgeStart;
  const std::vector<int>& m_edges;
  const std::vector<std::uint8_t>& m_active;
  std::vector<int> m_index, m_low, m_stack;
  std::vector<std::uint8_t> m_onStack;
};

// Room for btf_order's permutations, block boundaries and work on n equations, left
// uncleared: it writes each before reading it.
struct BtfArrays {
  explicit BtfArrays(std::size_t n) : p(new int[n]), q(new int[n]), blocks(new int[n + 1]), work(new int[5 * n]) {
    AdviseLargePages(p.get(), n * sizeof(int));
    AdviseLargePages(q.get(), n * sizeof(int));
    AdviseLargePages(blocks.get(), (n + 1) * sizeof(int));
    AdviseLargePages(work.get(), 5 * n * sizeof(int));
  }
  std::unique_ptr<int[]> p, q, blocks, work;
};

}  // namespace

int CDecomposition::BlockTriangularOrder(int n, std::vector<int>& columnStarts, std::vector<int>& rows) {
  std::vector<int> p(static_cast<std::size_t>(n)), q(static_cast<std::size_t>(n)), r(static_cast<std::size_t>(n) + 1),
      work(5 * static_cast<std::size_t>(n) + 1);
  double done = 0;
  int matched = 0;
  return btf_order(n, columnStarts.data(), rows.data(), 0.0, &done, p.data(), q.data(), r.data(), &matched, work.data());
}

void CDecomposition::AddGroup(bool singular, const int* rows, int rowCount, const int* columns, int columnCount) {
  const int group = GroupCount();
  m_type.push_back(ZN_GROUP_NONLINEAR);
  m_singular.push_back(singular ? 1 : 0);
  for (int i = 0; i < rowCount; ++i) m_rows.push_back(rows[i]);
  m_rowStart.push_back(static_cast<int>(m_rows.size()));
  for (int i = 0; i < columnCount; ++i) {
    m_columns.push_back(columns[i]);
    m_columnGroup[static_cast<std::size_t>(columns[i])] = group;
  }
  m_columnStart.push_back(static_cast<int>(m_columns.size()));
  m_nonZeros.push_back(0);
}

CDecomposition CDecomposition::Make(const CEquationSystem& system, std::vector<std::string>& messages) {
  CDecomposition d;
  const int rowCount = system.RowCount(), columnCount = system.ColumnCount();
  AssignLarge(d.m_columnGroup, static_cast<std::size_t>(columnCount), -1);
  ReserveLarge(d.m_type, static_cast<std::size_t>(rowCount));
  ReserveLarge(d.m_singular, static_cast<std::size_t>(rowCount));
  ReserveLarge(d.m_rowStart, static_cast<std::size_t>(rowCount) + 1);
  ReserveLarge(d.m_columnStart, static_cast<std::size_t>(rowCount) + 1);
  ReserveLarge(d.m_rows, static_cast<std::size_t>(rowCount));
  ReserveLarge(d.m_columns, static_cast<std::size_t>(columnCount));
  ReserveLarge(d.m_nonZeros, static_cast<std::size_t>(rowCount));
  // btf takes non-const pointers but changes nothing.
  int* starts = const_cast<int*>(system.ColumnStarts().data());
  int* rows = const_cast<int*>(system.ColumnRows().data());

  // The square part with a full transversal, as rows and columns of the system.
  std::vector<int> wellRows, wellColumns;
  std::vector<int> overRows, overColumns, underRows, underColumns;
  bool full = false;
  BtfArrays btf(0);
  std::size_t blockCount = 0;
  if (rowCount == columnCount && rowCount > 0) {
    btf = BtfArrays(static_cast<std::size_t>(rowCount));
    double done = 0;
    int matched = 0;
    blockCount = static_cast<std::size_t>(btf_order(rowCount, starts, rows, 0.0, &done, btf.p.get(), btf.q.get(),
                                                    btf.blocks.get(), &matched, btf.work.get()));
    full = matched == rowCount;
  }
  if (!full && (rowCount > 0 || columnCount > 0)) {
    // Dulmage-Mendelsohn: from a maximum matching, what unmatched equations
    // reach by alternating paths is over-specified, what unmatched unknowns reach is under-specified.
    std::vector<int> rowMatch(static_cast<std::size_t>(rowCount), -1),
        columnMatch(static_cast<std::size_t>(columnCount), -1);
    if (rowCount > 0 && columnCount > 0) {
      std::vector<int> work(5 * static_cast<std::size_t>(columnCount));
      double done = 0;
      btf_maxtrans(rowCount, columnCount, starts,  rows, 0.0, &done, rowMatch.data(), work.data());
    }
    for (int r = 0; r < rowCount; ++r)
      if (rowMatch[static_cast<std::size_t>(r)] >= 0) columnMatch[static_cast<std::size_t>(rowMatch[static_cast<std::size_t>(r)])] = r;
    std::vector<std::uint8_t> rowPart(static_cast<std::size_t>(rowCount), 0), columnPart(static_cast<std::size_t>(columnCount), 0);
    MarkAlternating(system.RowStarts().data(), system.EntryColumns().data(), rowMatch, columnMatch, rowPart, columnPart, 1);
    MarkAlternating(starts, rows, columnMatch, rowMatch, columnPart, rowPart, 2);
    for (int r = 0; r < rowCount; ++r)
      (rowPart[static_cast<std::size_t>(r)] == 1 ? overRows : rowPart[static_cast<std::size_t>(r)] == 2 ? underRows : wellRows)
          .push_back(r);
    for (int c = 0; c < columnCount; ++c)
      (columnPart[static_cast<std::size_t>(c)] == 1 ? overColumns
       : columnPart[static_cast<std::size_t>(c)] == 2 ? underColumns
                                                       : wellColumns)
          .push_back(c);
    const auto rowNames = [&](const std::vector<int>& list) {
      std::vector<std::string> names;
      for (int r : list) names.push_back(system.EquationName(system.RowEquation(r)));
      return NameList(names);
    };
    const auto columnNames = [&](const std::vector<int>& list) {
      std::vector<std::string> names;
      for (int c : list) names.push_back(system.TermName(system.Members(c)[0]));
      return NameList(names);
    };
    if (!overRows.empty())
      messages.push_back("Over-specified: " + Count(overRows.size(), "equation") + " (" + rowNames(overRows) +
                         ") for " + Count(overColumns.size(), "unknown") +
                         (overColumns.empty() ? std::string() : " (" + columnNames(overColumns) + ")") +
                         "; free a fixed variable or remove an equation");
    if (!underColumns.empty())
      messages.push_back("Under-specified: " + Count(underColumns.size(), "unknown") + " (" +
                         columnNames(underColumns) + ") in " + Count(underRows.size(), "equation") +
                         (underRows.empty() ? std::string() : " (" + rowNames(underRows) + ")") +
                         "; fix a variable or add an equation");
    if (!overRows.empty()) d.AddGroup(true, overRows.data(), static_cast<int>(overRows.size()), overColumns.data(),
                                      static_cast<int>(overColumns.size()));
    // The rest has a full transversal: order it on its own.
    const std::size_t n = wellRows.size();
    if (n > 0) {
      std::vector<int> localColumn(static_cast<std::size_t>(columnCount), -1), localRow(static_cast<std::size_t>(rowCount), -1);
      for (std::size_t i = 0; i < n; ++i) {
        localColumn[static_cast<std::size_t>(wellColumns[i])] = static_cast<int>(i);
        localRow[static_cast<std::size_t>(wellRows[i])] = static_cast<int>(i);
      }
      std::vector<int> subStarts(n + 1, 0), subRows;
      for (std::size_t i = 0; i < n; ++i) {
        const int c = wellColumns[i];
        for (int k = starts[static_cast<std::size_t>(c)]; k < starts[static_cast<std::size_t>(c) + 1]; ++k)
          if (localRow[static_cast<std::size_t>(rows[static_cast<std::size_t>(k)])] >= 0)
            subRows.push_back(localRow[static_cast<std::size_t>(rows[static_cast<std::size_t>(k)])]);
        subStarts[i + 1] = static_cast<int>(subRows.size());
      }
      btf = BtfArrays(n);
      double done = 0;
      int matched = 0;
      blockCount = static_cast<std::size_t>(btf_order(static_cast<int>(n), subStarts.data(), subRows.data(), 0.0, &done,
                                                      btf.p.get(), btf.q.get(), btf.blocks.get(), &matched,
                                                      btf.work.get()));
      for (std::size_t k = 0; k < n; ++k) {
        btf.p[k] = wellRows[static_cast<std::size_t>(btf.p[k])];
        btf.q[k] = wellColumns[static_cast<std::size_t>(BTF_UNFLIP(btf.q[k]))];
      }
    } else {
      blockCount = 0;
    }
  }
  // BTF gives upper block triangular form: the last block needs no other, so groups run from the last.
  // In one pass over arrays sized up front, groups of one equation (most of them: there can be a
  // million) classified on the way.
  const std::size_t groupsBefore = d.m_type.size(), entriesBefore = d.m_rows.size();
  const std::size_t wellCount = blockCount ? static_cast<std::size_t>(btf.blocks[blockCount]) : 0;
  d.m_type.resize(groupsBefore + blockCount, ZN_GROUP_NONLINEAR);
  d.m_singular.resize(groupsBefore + blockCount, 0);
  d.m_nonZeros.resize(groupsBefore + blockCount, 0);
  d.m_rowStart.resize(groupsBefore + blockCount + 1);
  d.m_columnStart.resize(groupsBefore + blockCount + 1);
  d.m_rows.resize(entriesBefore + wellCount);
  d.m_columns.resize(entriesBefore + wellCount);
  const int* p = btf.p.get();
  const int* q = btf.q.get();
  int* groupRows = d.m_rows.data();
  int* groupColumns = d.m_columns.data();
  int* columnGroup = d.m_columnGroup.data();
  std::size_t at = entriesBefore, group = groupsBefore;
  for (std::size_t b = blockCount; b-- > 0; ++group) {
    const int first = btf.blocks[b], last = btf.blocks[b + 1];
    for (int k = first; k < last; ++k, ++at) {
      // Rows and columns come in no order: a later one's data is asked for ahead of use (blocks
      // are taken from the last, and most are of one equation, so k - kPlacesAhead comes later).
      if (k >= kPlacesAhead) {
        __builtin_prefetch(&columnGroup[q[k - kPlacesAhead]], 1);
        system.Prefetch(p[k - kPlacesAhead]);
      }
      groupRows[at] = p[k];
      groupColumns[at] = q[k];
      columnGroup[q[k]] = static_cast<int>(group);
    }
    d.m_rowStart[group + 1] = d.m_columnStart[group + 1] = static_cast<int>(at);
    if (last - first == 1) {
      d.m_nonZeros[group] = 1;  // its unknown among its entries once
      d.m_type[group] = system.IsLinearInColumn(p[first], q[first]) ? ZN_GROUP_EXPLICIT : ZN_GROUP_SINGLE_NONLINEAR;
    }
  }
  if (!underColumns.empty())
    d.AddGroup(true, underRows.data(), static_cast<int>(underRows.size()), underColumns.data(),
               static_cast<int>(underColumns.size()));
  std::vector<std::uint8_t> marks(static_cast<std::size_t>(columnCount), 0);
  for (int g = 0; g < d.GroupCount(); ++g)
    if (d.RowCount(g) > 1 || d.Singular(g)) d.Classify(system, g, marks);
  return d;
}

void CDecomposition::Classify(const CEquationSystem& system, int group, std::vector<std::uint8_t>& marks) {
  const int* rows = Rows(group);
  const int* columns = Columns(group);
  const int size = RowCount(group);
  for (int i = 0; i < ColumnCount(group); ++i) marks[static_cast<std::size_t>(columns[i])] = 1;
  int nonZeros = 0;
  bool linear = true;
  for (int i = 0; i < size; ++i) {
    const int r = rows[i];
    for (int e = system.RowStart(r); e < system.RowStart(r + 1); ++e)
      nonZeros += marks[static_cast<std::size_t>(system.EntryColumn(e))];
    if (linear && !system.IsLinearIn(r, marks, 1)) linear = false;
  }
  m_nonZeros[static_cast<std::size_t>(group)] = nonZeros;
  std::uint8_t& type = m_type[static_cast<std::size_t>(group)];
  if (Singular(group))
    type = linear ? ZN_GROUP_LINEAR : ZN_GROUP_NONLINEAR;
  else if (size == 1)
    type = linear ? ZN_GROUP_EXPLICIT : ZN_GROUP_SINGLE_NONLINEAR;
  else
    type = linear ? ZN_GROUP_LINEAR : size > kTearThreshold ? ZN_GROUP_TORN : ZN_GROUP_NONLINEAR;
  if (type == ZN_GROUP_TORN) Tear(system, group, marks);
  for (int i = 0; i < ColumnCount(group); ++i) marks[static_cast<std::size_t>(columns[i])] = 0;
}

void CDecomposition::Tear(const CEquationSystem& system, int group, std::vector<std::uint8_t>& marks) {
  const int size = RowCount(group);
  const int* rows = Rows(group);
  const int* columns = Columns(group);
  // Pair i is row i solved for column i; pair i needs pair j when row i uses column j.
  std::vector<int> edgeStart(static_cast<std::size_t>(size) + 1, 0), edges;
  {
    std::vector<std::pair<int, int>> byColumn;  // column, pair
    for (int i = 0; i < size; ++i) byColumn.emplace_back(columns[i], i);
    std::sort(byColumn.begin(), byColumn.end());
    const auto pairOf = [&](int column) {
      auto it = std::lower_bound(byColumn.begin(), byColumn.end(), std::make_pair(column, -1));
      return it != byColumn.end() && it->first == column ? it->second : -1;
    };
    for (int i = 0; i < size; ++i) {
      for (int e = system.RowStart(rows[i]); e < system.RowStart(rows[i] + 1); ++e) {
        const int j = pairOf(system.EntryColumn(e));
        if (j >= 0 && j != i) edges.push_back(j);
      }
      edgeStart[static_cast<std::size_t>(i) + 1] = static_cast<int>(edges.size());
    }
  }
  Torn torn;
  torn.group = group;
  std::vector<std::uint8_t> active(static_cast<std::size_t>(size), 1);
  std::vector<int> components, starts, needed(static_cast<std::size_t>(size), 0);
  CComponents graph(edgeStart, edges, active);
  std::vector<int> componentOf(static_cast<std::size_t>(size), -1);
  while (true) {
    graph.Run(components, starts);
    for (std::size_t k = 0; k + 1 < starts.size(); ++k)
      for (int m = starts[k]; m < starts[k + 1]; ++m)
        componentOf[static_cast<std::size_t>(components[static_cast<std::size_t>(m)])] = static_cast<int>(k);
    bool cyclic = false;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
      const int first = starts[k], last = starts[k + 1];
      if (last - first < 2) continue;
      cyclic = true;
      // Tear the unknown most equations of this cycle use.
      for (int m = first; m < last; ++m) needed[static_cast<std::size_t>(components[static_cast<std::size_t>(m)])] = 0;
      for (int m = first; m < last; ++m) {
        const int v = components[static_cast<std::size_t>(m)];
        for (int x = edgeStart[static_cast<std::size_t>(v)]; x < edgeStart[static_cast<std::size_t>(v) + 1]; ++x) {
          const int w = edges[static_cast<std::size_t>(x)];
          if (active[static_cast<std::size_t>(w)] && componentOf[static_cast<std::size_t>(w)] == static_cast<int>(k))
            ++needed[static_cast<std::size_t>(w)];
        }
      }
      int best = components[static_cast<std::size_t>(first)];
      for (int m = first; m < last; ++m) {
        const int v = components[static_cast<std::size_t>(m)];
        if (needed[static_cast<std::size_t>(v)] > needed[static_cast<std::size_t>(best)]) best = v;
      }
      active[static_cast<std::size_t>(best)] = 0;
      torn.tearColumns.push_back(columns[best]);
      torn.residualRows.push_back(rows[best]);
    }
    if (!cyclic) break;
  }
  // What is left is solved one equation at a time, in the order the components came out,
  // each linear or not in its own unknown alone (the group's other unknowns are known by its turn).
  for (int i = 0; i < size; ++i) marks[static_cast<std::size_t>(columns[i])] = 0;
  for (int v : components) {
    const int row = rows[v], column = columns[v];
    torn.subRows.push_back(row);
    torn.subColumns.push_back(column);
    marks[static_cast<std::size_t>(column)] = 1;
    torn.subTypes.push_back(system.IsLinearIn(row, marks, 1) ? ZN_GROUP_EXPLICIT : ZN_GROUP_SINGLE_NONLINEAR);
    marks[static_cast<std::size_t>(column)] = 0;
  }
  for (int i = 0; i < size; ++i) marks[static_cast<std::size_t>(columns[i])] = 1;
  m_torn.push_back(std::move(torn));  // in group order
}

const CDecomposition::Torn* CDecomposition::FindTorn(int group) const {
  const auto found = std::lower_bound(m_torn.begin(), m_torn.end(), group,
                                      [](const Torn& torn, int g) { return torn.group < g; });
  return found != m_torn.end() && found->group == group ? &*found : nullptr;
}

int CDecomposition::LargestGroup() const {
  int largest = 0;
  for (int g = 0; g < GroupCount(); ++g) largest = std::max(largest, RowCount(g));
  return largest;
}

std::size_t CDecomposition::Bytes() const {
  const auto ints = [](const std::vector<int>& v) { return v.capacity() * sizeof(int); };
  return m_type.capacity() + m_singular.capacity() + ints(m_rowStart) + ints(m_rows) + ints(m_columnStart) +
         ints(m_columns) + ints(m_nonZeros) + ints(m_columnGroup);
}
