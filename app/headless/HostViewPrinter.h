// The host's views printed for the command line: a table form as
// tab-separated text, a history or plot as comma-separated values (time and
// each variable), a profile as its points in order, the finder's results.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "workbench/views/HostViews.h"

void PrintHostView(CHostViews& views, const HostViewRequest& view, std::ostream& out);
void PrintFoundVariables(const std::vector<FoundVariable>& found, std::ostream& out);
