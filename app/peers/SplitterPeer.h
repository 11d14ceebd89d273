// The peer of a static splitter: the panes are placed where the splitter
// lays them out (side by side or one above the other, whatever its grid is
// now), the gaps between them are drawn as bars, and dragging a bar is the
// splitter's UserDragBar when the button is released.
#pragma once

#include <optional>
#include <vector>

#include "app/peers/WindowPeer.h"

class CSplitterWnd;

class SplitterPeer : public WindowPeer {
 public:
  SplitterPeer(WindowPeerFactory& factory, CSplitterWnd& splitter, QWidget* parentArea, PeerUnits units);

  void Sync() override;
  void ChildChanged(WindowPeer& child) override;

  struct Bar {
    int index = 0;       // the bar after column (or row) index
    bool vertical = true;  // a vertical bar between columns
    QRect rect;
  };
  // The bars between the panes as the splitter lays them out now.
  std::vector<Bar> Bars() const;
  // Where a bar is dragged to: the splitter takes the new size when it is let go.
  void DragBar(const Bar& bar, int position);

 private:
  CSplitterWnd* Splitter() const;
};
