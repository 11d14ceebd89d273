// A contents pane of many rows drawn by the desktop program: filling a list
// control whose Qt peer shows it, drawing the first screen and scrolling to
// the last row, against filling the same control with no peer at all. The
// ratio of the two is what the peer costs; it stays small when the model
// reads only the rows on screen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include <QApplication>
#include <QPixmap>
#include <QTreeView>
#include <QWidget>

#include "app/peers/ListCtrlPeer.h"
#include "app/peers/WindowPeerFactory.h"
#include "platform/ListCtrl.h"

namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "app_bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication application(argc, argv);
  return application;
}

void Fill(CListCtrl& list, int rows) {
  list.InsertColumn(0, "Name", LVCFMT_LEFT, 160);
  list.InsertColumn(1, "Type", LVCFMT_LEFT, 100);
  for (int row = 0; row < rows; ++row) {
    list.InsertItem(row, "Model" + std::to_string(row));
    list.SetItemText(row, 1, "Model");
  }
}

struct Pane {
  CWnd parent;
  CListCtrl list;
  explicit Pane(bool drawn) {
    parent.CreateEx(0, "BenchParent", "", drawn ? WS_VISIBLE : 0, CRect(0, 0, 640, 480), nullptr, 0);
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 640, 480), &parent, 100);
  }
  ~Pane() { parent.DestroyWindow(); }
};

void BM_FillListWithoutPeer(benchmark::State& state) {
  Application();
  for (auto _ : state) {
    Pane pane(false);
    Fill(pane.list, static_cast<int>(state.range(0)));
    pane.list.EnsureVisible(pane.list.GetItemCount() - 1, FALSE);
    benchmark::DoNotOptimize(pane.list.GetItemCount());
  }
}

void BM_FillListDrawnByPeer(benchmark::State& state) {
  Application();
  for (auto _ : state) {
    WindowPeerFactory peers;
    QWidget host;
    host.resize(640, 480);
    Pane pane(true);
    peers.AdoptTopLevel(pane.parent, host, PeerUnits::Pixels);
    Fill(pane.list, static_cast<int>(state.range(0)));
    peers.FlushAll();
    auto* peer = dynamic_cast<ListCtrlPeer*>(peers.PeerOf(pane.list.m_hWnd));
    if (!peer) {
      state.SkipWithError("the list has no peer");
      break;
    }
    benchmark::DoNotOptimize(host.grab());  // the first screen
    pane.list.EnsureVisible(pane.list.GetItemCount() - 1, FALSE);
    QApplication::processEvents();
    benchmark::DoNotOptimize(host.grab());  // the last screen
  }
}

}  // namespace

BENCHMARK(BM_FillListWithoutPeer)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillListDrawnByPeer)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
