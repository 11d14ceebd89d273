// One view the host opens on request: a form shown as a table, a history, a
// plot or a profile, or the variable finder below a block. The desktop
// program draws it, the command line prints it; both read it from here.
#pragma once

#include <string>

#include "workbench/views/FormContents.h"

enum class HostViewKind { Table, History, Plot, Profile, ProfileTable, Finder };

struct HostViewRequest {
  HostViewKind kind = HostViewKind::Table;
  std::string title;     // "LevelTrend - Plot", "Find in T101"
  CFormContents form;    // for the form views
  std::string start;     // the finder's starting block ("" for the whole flowsheet)
};

// "Table", "History", "Plot", "Profile", "Profile Table", "Find".
const char* HostViewKindText(HostViewKind kind);
