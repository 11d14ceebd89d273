// The names the solver-diagnostics views give run modes and group types, from
// the string table.
#pragma once

#include <string>

// "Steady state" ... "Re-initialization" for ZN_RUN_* (empty for others).
std::string RunModeName(int mode);
// "Linear" ... "Single non-linear" for ZN_GROUP_* (empty for others).
std::string GroupTypeName(int type);
