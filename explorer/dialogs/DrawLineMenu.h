// The owner-drawn line-style combo of the stream-type page: item i shows a
// black horizontal line of style i + 1 across a white field (silver while
// selected) outlined in white.
#pragma once

#include "platform/Dialog.h"

class CDrawLineMenu : public CComboBox {
 public:
  void DrawItem(DRAWITEMSTRUCT* item) override;
};
