// Where an Explorer opened at a group or torn group (by "Find Group" or "Find
// Equivalence") first stands: on the variable it was opened for, as a tree
// item below the group when groups show their variables, else as a row of the
// contents pane. What cannot be found is written to the host's message window.
#pragma once

class CExplorerContainerObject;
class IExplorerWindow;
struct tag_CorvaneViewContext;

void OpenDiagnosticsExplorerAt(IExplorerWindow& window, CExplorerContainerObject& root,
                               const tag_CorvaneViewContext& context);
