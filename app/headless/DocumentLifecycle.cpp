#include "app/headless/DocumentLifecycle.h"

#include "explorer/packaging/ExplorerFileDialog.h"
#include "platform/UserInterface.h"
#include "workbench/document/WorkbenchApp.h"

namespace {

constexpr const char* kProgramName = "Vortan Simulation Explorer";

}  // namespace

bool CDocumentLifecycle::Do(UINT id) {
  switch (id) {
    case kNew: return New();
    case kOpen: return Open();
    case kSave: return Save();
    case kSaveAs: return SaveAs();
  }
  return false;
}

bool CDocumentLifecycle::New() {
  if (!MayDiscardChanges()) return false;
  m_app.Document().NewSimulation();
  return true;
}

bool CDocumentLifecycle::Open() {
  if (!MayDiscardChanges()) return false;
  const std::string path = AskForFile(true);
  return !path.empty() && OpenFile(path);
}

bool CDocumentLifecycle::OpenFile(const std::string& path) {
  FileProblem problem;
  if (m_app.OpenDocument(path, problem)) return true;
  // The simulation shown stays as it was; the person is told why the file was refused.
  AfxMessageBox(problem.Describe(), MB_OK | MB_ICONEXCLAMATION, "File load failure");
  return false;
}

bool CDocumentLifecycle::Save() {
  const std::string path = m_app.Document().GetPathName();
  return path.empty() ? SaveAs() : SaveTo(path);
}

bool CDocumentLifecycle::SaveAs() {
  const std::string path = AskForFile(false);
  return !path.empty() && SaveTo(path);
}

bool CDocumentLifecycle::SaveTo(const std::string& path) {
  FileProblem problem;
  if (m_app.Document().SaveAs(path, problem)) return true;
  AfxMessageBox("The simulation could not be saved.\n" + problem.Describe(), MB_OK | MB_ICONEXCLAMATION);
  return false;
}

bool CDocumentLifecycle::MayDiscardChanges() {
  CWorkbenchDocument& document = m_app.Document();
  if (!document.HasUnsavedChanges()) return true;
  const std::string name = document.GetTitle().empty() ? std::string("Untitled") : document.GetTitle();
  switch (AfxMessageBox("Save the changes to " + name + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES: return Save();
    case IDNO: return true;
  }
  return false;
}

std::string CDocumentLifecycle::AskForFile(bool open) {
  CWorkbenchDocument& document = m_app.Document();
  const std::string name = open ? std::string() : document.GetPathName();
  const DWORD flags = open ? OFN_HIDEREADONLY | OFN_FILEMUSTEXIST : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  CExplorerFileDialog dialog(open, m_app.GetSecondaryExtension(), name, flags, m_app.GetSecondaryFilter());
  if (CExplorerHelperFileDialog* inner = dialog.GetHelperDialog())
    inner->m_ofn.lpstrTitle = open ? "Open Simulation" : "Save Simulation As";
  return dialog.DoModal() == IDOK ? dialog.GetPathName() : std::string();
}

std::string CDocumentLifecycle::Title() {
  CWorkbenchDocument& document = m_app.Document();
  const std::string name = document.GetTitle().empty() ? std::string("Untitled") : document.GetTitle();
  return name + (document.HasUnsavedChanges() ? "*" : "") + " - " + kProgramName;
}
