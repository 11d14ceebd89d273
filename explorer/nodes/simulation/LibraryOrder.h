// The order in which the simulation's libraries are shown. The tree lists the
// libraries in the host's order, except that "Modeler" and then
// "SystemLibrary" (names compared without regard to case) always come last;
// the contents pane keeps the host's order. "syslib.dsl" (exact name) is
// never shown.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Whether a library of that name is shown at all.
bool IsShownLibrary(const std::string& name);
// The positions in names (the host's order) of the libraries the tree shows, in the tree's order.
std::vector<std::size_t> LibraryTreeOrder(const std::vector<std::string>& names);
