#include "app/models/ImageListPictures.h"

#include <QPainter>
#include <QPixmapCache>

#include "app/icons/IconPictures.h"
#include "platform/ImageList.h"

QPixmap ImageListPicture(const CImageList* list, int index, int overlay, int size) {
  if (!list || index < 0 || index >= list->GetImageCount() || size <= 0) return {};
  HICON base = list->GetIcon(index);
  int overlayIndex = overlay > 0 && overlay < 16 ? list->OverlayImage(overlay) : -1;
  HICON mark = overlayIndex >= 0 && overlayIndex < list->GetImageCount() ? list->GetIcon(overlayIndex) : nullptr;
  if (!mark) return IconPicture(base, size);
  QString key = QStringLiteral("vortan-overlaid:%1:%2:%3")
                    .arg(reinterpret_cast<quintptr>(base))
                    .arg(reinterpret_cast<quintptr>(mark))
                    .arg(size);
  QPixmap composed;
  if (QPixmapCache::find(key, &composed)) return composed;
  composed = IconPicture(base, size);
  if (composed.isNull()) return composed;
  QPainter painter(&composed);
  painter.drawPixmap(0, 0, IconPicture(mark, size));
  painter.end();
  QPixmapCache::insert(key, composed);
  return composed;
}
