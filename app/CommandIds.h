// Commands the main window offers on its toolbar: the contents pane's view
// styles, Refresh and Options (handled by the Explorer window that is active).
#pragma once

#include "platform/Types.h"

constexpr UINT kCommandLargeIcons = 53503;
constexpr UINT kCommandSmallIcons = 53504;
constexpr UINT kCommandList = 53505;
constexpr UINT kCommandDetails = 53506;
constexpr UINT kCommandRefresh = 53507;
constexpr UINT kCommandOptions = 53508;

constexpr UINT kToolbarCommands[] = {kCommandLargeIcons, kCommandSmallIcons, kCommandList,
                                     kCommandDetails,    kCommandRefresh,    kCommandOptions};
