#include "tests/explorer_models/ModelsTestSupport.h"

#include "explorer/core/TypeAccess.h"
#include "platform/Ole.h"
#include "workbench/document/DocumentFiles.h"

namespace models_test {

ModelsTest::ModelsTest() {
  EXPECT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &owner, 1));
}

ModelsTest::~ModelsTest() {
  ClearList();
  Clipboard::Empty();
}

IFInstance* ModelsTest::SimulationTypeInstance(const std::string& name) {
  CComPtr<IFTypeDesc> desc = type_access::Find(type_access::PaletteOf(Store().SimulationType()), name);
  CComPtr<IFInstance> instance = type_access::InstanceOf(type_access::TypeOf(desc));
  return instance.Get();  // the store keeps the default instance alive
}

void ModelsTest::Show(CExplorerContainerObject& container) {
  ClearList();
  container.ShowContents(list);
}

CExplorerObject* ModelsTest::RowNode(int row) const {
  return reinterpret_cast<CExplorerObject*>(list.GetItemData(row));
}

CExplorerObject* ModelsTest::Row(const std::string& label) const {
  for (int row = 0; row < list.GetItemCount(); ++row)
    if (list.GetItemText(row, 0) == label) return RowNode(row);
  return nullptr;
}

int ModelsTest::RowOverlay(int row) const {
  CExplorerObject* node = RowNode(row);
  int state = 0;
  if (node) node->GetOverlay(state);
  return state;
}

void ModelsTest::ClearList() {
  for (int row = list.GetItemCount() - 1; row >= 0; --row) {
    CExplorerObject* node = RowNode(row);
    list.DeleteItem(row);
    if (CExplorerObject::IsLive(node)) delete node;
  }
  while (list.GetColumnCount() > 0) list.DeleteColumn(list.GetColumnCount() - 1);
}

void ModelsTest::PutOnClipboard(std::initializer_list<CLIPFORMAT> formats) {
  COleDataSource data;
  for (CLIPFORMAT format : formats) data.CacheGlobalData(format, {0});
  data.SetClipboard();
}

}  // namespace models_test
