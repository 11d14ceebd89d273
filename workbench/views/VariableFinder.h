// The variable finder: the variables whose path below a starting block
// matches a wildcard pattern ("*" any run of characters, "?" one
// character, letter case ignored). The pattern is matched against the path
// relative to the start ("Level", "Outlet.P"), so "*.P" finds every
// pressure of the start's ports and "*" everything below it. One pass over
// the flowsheet's variables, in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CFlowsheet;
class CUnitSets;

struct FoundVariable {
  std::string path;     // full path ("T101.Level")
  std::string unitPath; // the block that holds it ("T101"; "" for the top flowsheet)
  double value = 0.0;   // in unit
  std::string unit;
  std::string spec;     // "Free", "Fixed", ...
  std::string description;
};

// Whether text matches pattern ("*" and "?" wildcards, letter case ignored).
bool MatchesWildcard(std::string_view pattern, std::string_view text);

// The variables below start ("" for the whole flowsheet) whose relative path matches pattern;
// an empty pattern matches everything. Nothing when start names no unit.
std::vector<FoundVariable> FindVariables(const CFlowsheet& flowsheet, const CUnitSets& units, std::string_view start,
                                         std::string_view pattern);
