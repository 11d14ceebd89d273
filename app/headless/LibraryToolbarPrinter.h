// The Model Libraries toolbar as the command line shows it: each library the
// toolbar provider finds, its tabs in toolbar order with their models, and its
// stream types with their line styles.
#pragma once

#include <iosfwd>
#include <string>

// Prints every library, or only the one called library; false when there is no such library.
bool PrintLibraryToolbar(std::ostream& out, const std::string& library = {});
