// A command-line session for fuzz targets that drive the Explorer: the sample
// simulation and its libraries copied afresh into a private folder for every
// input (so saves and exports change only the copy), settings in a private
// folder emptied for every input, and an Explorer open on the simulation.
// Everything the session prints goes nowhere.
#pragma once

#include <memory>
#include <string>

#include "app/headless/ConsoleUserInterface.h"
#include "app/headless/HeadlessSession.h"

class CExplorerFrame;

class FuzzSession {
 public:
  FuzzSession();
  ~FuzzSession();
  FuzzSession(const FuzzSession&) = delete;
  FuzzSession& operator=(const FuzzSession&) = delete;

  HeadlessSession& Session() { return *m_session; }
  ConsoleUserInterface& UserInterface() { return m_ui; }
  CExplorerFrame* Frame() { return m_frame; }
  std::ostream& Discard() { return *m_discard; }

 private:
  std::unique_ptr<std::ostream> m_discard;
  ConsoleUserInterface m_ui;
  std::unique_ptr<HeadlessSession> m_session;
  CExplorerFrame* m_frame = nullptr;
};

// Makes the private folders and moves into the work folder; once per process.
void PrepareFuzzFolders();
