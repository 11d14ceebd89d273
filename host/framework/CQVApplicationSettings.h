// Settings of the host application that explorer nodes read (the document's m_ApplicationSettings).
#pragma once

struct CQVApplicationSettings {
  // How many groups a decomposition shows per page before it pages them.
  int m_iGroupsPerPage = 1000;
  // What double-clicking does: 1 runs the script or activates the task; anything else edits it.
  int m_iScriptDoubleClick = 0;
  int m_iTaskDoubleClick = 0;
};
