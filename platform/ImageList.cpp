#include "platform/ImageList.h"

bool CImageList::Create(int cx, int cy, UINT, int initial, int) {
  m_created = true;
  m_cx = cx;
  m_cy = cy;
  m_icons.clear();
  m_icons.reserve(initial > 0 ? initial : 0);
  for (int& overlay : m_overlays) overlay = -1;
  return true;
}

int CImageList::Add(HICON icon) {
  if (!m_created || !icon) return -1;
  m_icons.push_back(icon);
  return static_cast<int>(m_icons.size()) - 1;
}

HICON CImageList::GetIcon(int index) const {
  if (index < 0 || index >= GetImageCount()) return nullptr;
  return m_icons[index];
}

bool CImageList::SetOverlayImage(int imageIndex, int overlayIndex) {
  if (overlayIndex < 1 || overlayIndex > 15 || imageIndex < 0 || imageIndex >= GetImageCount()) return false;
  m_overlays[overlayIndex] = imageIndex;
  return true;
}

int CImageList::OverlayImage(int overlayIndex) const {
  if (overlayIndex < 1 || overlayIndex > 15) return -1;
  return m_overlays[overlayIndex];
}
