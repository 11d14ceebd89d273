#include "explorer/nodes/library/QVEOTaskFolder.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/QVEOTask.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/Exporter.h"
#include "host/store/TypeFlags.h"

namespace {

constexpr const char* kTaskFolder = "TaskTypeFolder";

}  // namespace

const GUID& CQVEOTaskFolder::ClassID() { return CLSID_QVEOTaskFolder; }

CQVEOTaskFolder::CQVEOTaskFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly)
    : CQVEOTaskScriptFolder(instance, exclusionList, owner, readOnly, IDS_TASKS, IDI_OPEN_TASKS_FOLDER,
                            IDI_TASKS_FOLDER, CF_EXPLORER_TASK) {}

CExplorerObject* CQVEOTaskFolder::Clone() { return new CQVEOTaskFolder(m_pType, m_pExclusionList, m_pOwner, m_bReadOnly); }

int CQVEOTaskFolder::IsEmpty() { return CQVFolderTypeEnum(GetType(), kTaskFolder).Next() == nullptr; }

CExplorerObject* CQVEOTaskFolder::MakeAddEntry() { return new CQVEOAddTask(GetType(), GetOwner(), 0); }

void CQVEOTaskFolder::AddDefinitionRows(CListCtrl& list) {
  if (IsExcluded(CQVEOTask::ClassID())) return;
  CQVFolderTypeEnum tasks(GetType(), kTaskFolder);
  while (CComPtr<IFTypeDesc> desc = tasks.Next()) {
    CComPtr<IFInstance> task = type_access::InstanceOf(type_access::TypeOf(desc));
    if (task) AddRow(list, new CQVEOTask(task, GetOwner(), m_bReadOnly, EO_TASK_OF_PALETTE, nullptr));
  }
}

int CQVEOTaskFolder::CloneDefinition(IFType* definition, IFType* paletteOwner, int move) {
  return CQVExplorer::CloneType(definition, paletteOwner, move, nullptr);
}

HRESULT CQVEOTaskFolder::ExportDefinitions(std::string& text) {
  CComPtr<IFTypePalette> palette = type_access::PaletteOf(PaletteOwner());
  return palette ? QVExportTypes(palette, FT_TASK, text) : E_FAIL;
}
