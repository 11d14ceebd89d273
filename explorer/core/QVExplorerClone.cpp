// Copying a type into another palette under a free name, and moving it there
// when the source is deleted afterwards.
#include <cstdio>
#include <optional>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NamesakeSetAside.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Exporter.h"
#include "host/language/Parser.h"
#include "host/model/IQVTasks.h"
#include "host/services/IQVPhysicalProperties.h"
#include "platform/Services.h"

namespace {

constexpr const char* kLocationErrorsText = "There are compilation errors caused by the change of location.";
constexpr const char* kCopyFailedText =
    "The definition could not be copied; the messages window says why. Nothing was changed.";

// What every copy starts from: where it goes, what it says and what it is called.
struct CopyPlan {
  // Held for the whole copy: deleting a moved source must not free it under us.
  CComPtr<IFType> source;
  CComPtr<IFType> destination;
  CComPtr<IFTypePalette> palette;
  std::string text;
  std::string oldName;
  std::string newName;
  // On a move, the destination's definition of the same name, replaced once the copy exists.
  std::optional<CNamesakeSetAside> namesake;

  // The copy exists: the source may go.
  void Done(int move) {
    if (!move) return;
    if (namesake) namesake->Replace();
    CComPtr<IFTypeTable> table = type_access::TableOf(type_access::HoldingPaletteOf(source));
    if (table) table->DeleteType(oldName);
  }
};

bool PlanCopy(IFType* source, IFType* destination, bool fullText, int move, CopyPlan& plan) {
  plan.source = source;
  plan.destination = destination;
  plan.palette = type_access::PaletteOf(destination);
  if (!source || !plan.palette) return false;
  if (!CQVExplorer::ReadTypeText(source, fullText ? 1 : 0, plan.text)) return false;
  plan.oldName = type_access::NameOf(source);
  if (move) plan.namesake.emplace(plan.palette, plan.oldName, source);
  return CQVExplorer::GenerateName(plan.palette, plan.oldName, plan.newName) != 0;
}

// The type of name that palette itself holds: never a namesake seen through a used library.
CComPtr<IFTypeDesc> HeldType(IFTypePalette* palette, IFTypeDesc* desc, const std::string& name) {
  CComPtr<IFTypeDesc> held(desc);
  if (!held) held = type_access::Find(palette, name);
  if (!type_access::HeldBy(held, palette)) return nullptr;
  return held;
}

void ReportCopyErrors(const QVParseReport& report) {
  QVReportParserMessagesToOutput(report);
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (document) {
    char line[128];
    std::snprintf(line, sizeof line, "Copy completed with %d error(s), %d warning(s)\n", report.ErrorCount(),
                  report.WarningCount());
    document->OutputMessage(line, -1, 0);
    document->ShowOutputWindow(1);
  }
  CQVExplorer::ShowMessage(kLocationErrorsText, kExplorerCaption, MB_ICONEXCLAMATION);
}

// No copy was made: the parser says why in the messages window.
void ReportCopyFailure(const QVParseReport& report) {
  QVReportParserMessagesToOutput(report);
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->ShowOutputWindow(1);
  CQVExplorer::ShowMessage(kCopyFailedText, kExplorerCaption, MB_ICONEXCLAMATION);
}

void CustomModelingUpdated() {
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->SetCustomModelingUpdated(true);
}

using MakeEmptyType = int (*)(IFType* parent, const std::string& name, IFType** out, int message);

// A model-like copy: an empty type of the new name, the source's text under
// that name, compiled; the copy stays even when it has errors.
CComPtr<IFType> CopyByCompiling(const CopyPlan& plan, IFType* destination, MakeEmptyType make, int extended) {
  CComPtr<IFType> copy;
  if (!make(destination, plan.newName, &copy, 0) || !copy) return nullptr;
  if (!CQVExplorer::WriteTypeText(copy, kModellingLanguageFormat,
                                  CQVExplorer::ChangeNameinText(plan.text, plan.oldName, plan.newName))) {
    // An empty definition is no copy: take it away again, and leave the source where it is.
    if (CComPtr<IFTypeTable> table = type_access::TableOf(plan.palette)) table->DeleteType(plan.newName);
    return nullptr;
  }
  if (!CQVExplorer::Compile(copy, 0, extended))
    CQVExplorer::ShowMessage(kLocationErrorsText, kExplorerCaption, MB_ICONEXCLAMATION);
  return copy;
}

void HandOut(IFType* copy, IFTypeDesc** out) {
  if (out) *out = type_access::DescriptorOf(copy).Detach();
}

// Models and stream types are compiled extended, take over their default icon
// and form, and count as a change of the custom-modeling types; structure
// types take over only their default form.
int CloneCompiled(IFType* source, IFType* destination, int move, IFTypeDesc** out, MakeEmptyType make, bool model) {
  if (out) *out = nullptr;
  CopyPlan plan;
  if (!PlanCopy(source, destination, true, move, plan)) return 0;
  CComPtr<IFType> copy;
  {
    CWaitCursor wait;
    copy = CopyByCompiling(plan, destination, make, model ? 1 : 0);
  }
  if (!copy) return 0;
  HandOut(copy, out);
  QVExportPatchExportDataAfterRename(copy, plan.oldName, plan.newName);
  // The defaults are read from the source while it is still in its palette.
  if (model) CQVExplorer::CopyModelIconDefaults(source, copy);
  CQVExplorer::CopyModelFormDefaults(source, copy);
  plan.Done(move);
  if (model) CustomModelingUpdated();
  return 1;
}

}  // namespace

int CQVExplorer::CloneType(IFType* source, IFType* destination, int move, IFTypeDesc** out) {
  if (out) *out = nullptr;
  CopyPlan plan;
  if (!PlanCopy(source, destination, true, move, plan)) return 0;
  CComPtr<IFTypeDesc> desc;
  QVParseReport report;
  {
    CWaitCursor wait;
    std::string text = ChangeNameinText(plan.text, plan.oldName, plan.newName);
    report = QVNewType(plan.newName, destination, text, &desc, "", 0, 7, 100);
  }
  // Only a type made in the destination palette is the copy; when the host kept
  // nothing there, there is no copy to hand out and the source stays.
  CComPtr<IFTypeDesc> copy = HeldType(plan.palette, desc, plan.newName);
  if (!copy) {
    ReportCopyFailure(report);
    return 0;
  }
  if (report.HasErrors()) ReportCopyErrors(report);
  plan.Done(move);
  if (out) *out = copy.Detach();
  CustomModelingUpdated();
  return 1;
}

int CQVExplorer::CloneModel(IFType* source, IFType* destination, int move, IFTypeDesc** out, int streamType) {
  return CloneCompiled(source, destination, move, out, streamType ? &CreateStreamType : &CreateModel, true);
}

int CQVExplorer::CloneGlobalStructureType(IFType* source, IFType* destination, int move, IFTypeDesc** out) {
  return CloneCompiled(source, destination, move, out, &CreateStructureType, false);
}

int CQVExplorer::CloneScript(IFType* source, IFType* destination, int move) {
  CopyPlan plan;
  if (!PlanCopy(source, destination, false, move, plan)) return 0;
  CComPtr<IFType> copy;
  if (!CreateScript(destination, plan.newName, 0, &copy) || !copy) return 0;
  if (!WriteTypeText(copy, kNonEmbeddedTextFormat, plan.text)) {
    // A script without its text is no copy.
    if (CComPtr<IFTypeTable> table = type_access::TableOf(plan.palette)) table->DeleteType(plan.newName);
    return 0;
  }
  plan.Done(move);
  return 1;
}

int CQVExplorer::CloneFlowsheetTask(IFType* source, IFType* destination, int move) {
  CopyPlan plan;
  if (!PlanCopy(source, destination, true, move, plan)) return 0;
  CComPtr<IQVTasks> tasks = ComQuery<IQVTasks>(destination);
  CComPtr<IFType> task;
  if (!tasks || FAILED(tasks->AddTask(plan.newName, ChangeNameinText(plan.text, plan.oldName, plan.newName), &task))) {
    ShowMessage("Copy of flowsheet task failed.", kExplorerCaption, MB_ICONEXCLAMATION);
    return 0;
  }
  plan.Done(move);
  return 1;
}

int CQVExplorer::CloneComponentList(const std::string& name) {
  CRQVDocument* document = GetCurrentDocument();
  CComPtr<IQVPhysicalProperties> lists;
  if (!document || FAILED(document->GetProperties(&lists)) || !lists) return 0;
  auto known = [&lists](const std::string& candidate) {
    bool exists = false;
    return SUCCEEDED(lists->HasComponentList(candidate, &exists)) && exists;
  };
  CQVExplorerObjectNameDialog dialog(IDS_NAME_ITEM_COPY, nullptr);
  dialog.m_strName = name;
  for (;;) {
    if (dialog.DoModal() != IDOK) return 0;
    if (!known(dialog.m_strName)) break;
    DisplayMessage(IDS_COPY_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  }
  return SUCCEEDED(lists->CopyComponentList(name, dialog.m_strName)) ? 1 : 0;
}
