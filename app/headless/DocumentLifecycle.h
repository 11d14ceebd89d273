// The simulation's life in the program: New, Open (the Explorer's file
// dialog with the program's filters), Save, Save As, and the question
// "Save the changes to ...?" (Save / Discard / Cancel) before changes would
// be given up. Every prompt goes through the platform's user-interface
// provider, so the desktop and a script answer the same questions.
#pragma once

#include <string>

#include "platform/Types.h"

class CWorkbenchApp;

class CDocumentLifecycle {
 public:
  static constexpr UINT kNew = 57600;
  static constexpr UINT kOpen = 57601;
  static constexpr UINT kSave = 57603;
  static constexpr UINT kSaveAs = 57604;
  static bool IsFileCommand(UINT id) { return id == kNew || id == kOpen || id == kSave || id == kSaveAs; }

  explicit CDocumentLifecycle(CWorkbenchApp& app) : m_app(app) {}

  // Performs a file command; false when it did not happen (refused, cancelled or failed).
  bool Do(UINT id);
  bool New();
  // Asks for a file (after the question about unsaved changes) and opens it.
  bool Open();
  bool OpenFile(const std::string& path);
  // Saves to the simulation's file; one without a file yet is saved as a name asked for.
  bool Save();
  bool SaveAs();
  // Before the simulation would be given up: true when it may go (nothing
  // unsaved, saved now, or discarded); false when the person cancelled or the save failed.
  bool MayDiscardChanges();

  // The main window's title: the file's name, "*" when there are unsaved changes, then the program's name.
  std::string Title();

 private:
  bool SaveTo(const std::string& path);
  std::string AskForFile(bool open);

  CWorkbenchApp& m_app;
};
