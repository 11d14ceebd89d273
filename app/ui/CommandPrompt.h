// The status-bar text of a command: its string's text before the line feed
// ("Display the items in the contents pane as large icons"). Empty for a
// command without one.
#pragma once

#include <QString>

#include "platform/Types.h"

QString CommandPrompt(UINT command);
// The command's short name, after the line feed ("Large icons"); empty when it has none.
QString CommandTooltip(UINT command);
