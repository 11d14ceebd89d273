// The owner-drawn colour combo of the stream-type page: item i is a swatch of
// palette colour i, drawn 2 pixels smaller on each side while selected.
#pragma once

#include <array>
#include <memory>

#include "explorer/dialogs/DrawBrush.h"
#include "explorer/dialogs/StreamDrawStyles.h"
#include "platform/Dialog.h"

class CDrawColorMenu : public CComboBox {
 public:
  CDrawColorMenu();
  ~CDrawColorMenu() override;

  void DrawItem(DRAWITEMSTRUCT* item) override;

 private:
  // Made on first use per colour and kept.
  const CDrawBrush& BrushFor(int index);

  std::array<std::unique_ptr<CDrawBrush>, kStreamColourCount> m_brushes;
};
