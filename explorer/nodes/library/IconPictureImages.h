// The images of a model icon's own picture in the Explorer's image lists.
// Equal pictures share one icon handle and one pair of images, so showing the
// same icons again (every refresh makes new nodes) does not grow the lists.
#pragma once

#include "explorer/core/ExplorerImageLists.h"

struct IQVIcon;

// The large and small images of icon's picture; -1 each when it has none.
ExplorerImageIndex IconPictureImages(IQVIcon* icon);
// How many distinct pictures were added so far.
std::size_t IconPictureCount();
