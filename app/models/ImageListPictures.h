// Pictures of image-list entries: image `index` of a platform image list with
// overlay `overlay` (an item's overlay state, 0 for none) drawn over it.
#pragma once

#include <QPixmap>

class CImageList;

// A null pixmap when list is null or index names no image.
QPixmap ImageListPicture(const CImageList* list, int index, int overlay, int size);
