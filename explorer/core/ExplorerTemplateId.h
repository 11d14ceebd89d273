// The Explorer window's document template: its class identifier (the view
// class of an "explore" request) and its resource id.
#pragma once

#include "explorer/resources/MenuIds.h"
#include "platform/Guid.h"

inline const CLSID CLSID_ExplorerTemplate = GUID::FromString("{11024DC0-59B6-11D0-8D77-00C0DF469D39}");
