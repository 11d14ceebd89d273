// The custom-modeling folder page: a grid of 14 folder rows with a scroll bar.
#pragma once

#include "platform/Dialog.h"

DialogTemplate FolderPropertiesPage();
