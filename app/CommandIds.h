// Commands the main window offers on its toolbar: the contents pane's view
// styles, Refresh and Options (handled by the Explorer window that is active).
#pragma once

#include "explorer/resources/CommandIds.h"
#include "platform/Types.h"

constexpr UINT kToolbarCommands[] = {ID_VIEW_LARGE_ICONS, ID_VIEW_SMALL_ICONS, ID_VIEW_LIST,
                                     ID_VIEW_DETAILS,    ID_VIEW_REFRESH,    ID_VIEW_OPTIONS};
