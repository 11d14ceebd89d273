// The simulation's life in the program: New, Open (the Explorer's file
// dialog with the program's filters), Save, Save As, and the question
// "Save the changes to ...?" (Save / Discard / Cancel) before changes would
// be given up. Every prompt goes through the platform's user-interface
// provider, so the desktop and a script answer the same questions.
#pragma once

#include <string>

#include "explorer/resources/CommandIds.h"
#include "platform/Types.h"

class CWorkbenchApp;

class CDocumentLifecycle {
 public:
  static constexpr UINT kNew = ID_FILE_NEW;
  static constexpr UINT kOpen = ID_FILE_OPEN;
  static constexpr UINT kSave = ID_FILE_SAVE;
  static constexpr UINT kSaveAs = ID_FILE_SAVE_AS;
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
