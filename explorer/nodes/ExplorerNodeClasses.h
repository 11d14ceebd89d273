// Start-up registration of the node classes an Explorer window makes itself
// rather than through CQVExplorer::Manufacture: user folders, the
// diagnostics roots (groups, torn groups, equivalences) and where an Explorer
// opened at a group first stands. The module's entry
// point (ADInitDll), which the desktop program, the command line and every
// test and benchmark that opens an Explorer call at start-up, calls it; a window asked for such a node
// without it makes none and says why on standard error.
#pragma once

// Safe to call again.
void RegisterExplorerNodeClasses();
