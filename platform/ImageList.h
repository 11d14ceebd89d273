// Image lists: icons by index, with overlay images registered by overlay index
// (1..15). Items of tree and list controls name an image by index and carry an
// overlay index in their state bits (mask 0xF00).
#pragma once

#include <vector>

#include "platform/Resources.h"
#include "platform/Types.h"

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLORDDB = 0x00FE;

constexpr UINT INDEXTOOVERLAYMASK(UINT i) { return i << 8; }
constexpr UINT TVIS_OVERLAYMASK = 0x0F00;
constexpr UINT LVIS_OVERLAYMASK = 0x0F00;

// An item image asked of the owner when drawn (display-info notification), and no image.
constexpr int I_IMAGECALLBACK = -1;
constexpr int I_IMAGENONE = -2;

class CImageList {
 public:
  CImageList() = default;
  bool Create(int cx, int cy, UINT flags, int initial, int grow);
  bool IsCreated() const { return m_created; }
  int Width() const { return m_cx; }
  int Height() const { return m_cy; }

  // Adds icon; returns its index, -1 for a null icon.
  int Add(HICON icon);
  int GetImageCount() const { return static_cast<int>(m_icons.size()); }
  HICON GetIcon(int index) const;
  // Makes image index the picture of overlay overlayIndex (1..15).
  bool SetOverlayImage(int imageIndex, int overlayIndex);
  // The image index registered for overlay overlayIndex, or -1.
  int OverlayImage(int overlayIndex) const;

 private:
  bool m_created = false;
  int m_cx = 0;
  int m_cy = 0;
  std::vector<HICON> m_icons;
  int m_overlays[16] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};
