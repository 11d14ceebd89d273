// A PATH of the command line: the labels from the Explorer's top item down,
// joined by "/". A "/" inside a label is written "\/"; any other backslash
// stands for itself.
#pragma once

#include <string>
#include <vector>

// The labels of path. Empty labels (a leading, trailing or doubled "/") are dropped.
std::vector<std::string> SplitExplorerPath(const std::string& path);
// The labels written back as a PATH, "/" inside a label escaped.
std::string JoinExplorerPath(const std::vector<std::string>& labels);
