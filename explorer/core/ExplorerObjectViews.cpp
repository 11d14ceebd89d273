// Views a node opens through the host (SHOW_CORVANEVIEW to the main window),
// further Explorers, and in-place renaming in the pane that has the focus.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerPanes.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "host/framework/CorvaneViewContext.h"
#include "host/model/IQVDataSource.h"
#include "host/store/HostClassIds.h"
#include "host/store/IFNaming.h"
#include "host/store/IFType.h"

namespace {

// The library name and type name of the type an instance stands for.
bool TypeNames(IFInstance* typeInstance, std::string& libraryName, std::string& typeName) {
  CComPtr<IFType> type;
  if (!typeInstance || FAILED(typeInstance->GetType(&type)) || !type) return false;
  CComPtr<IFNaming> naming = ComQuery<IFNaming>(type);
  return naming && SUCCEEDED(naming->GetNames(libraryName, typeName));
}

CComPtr<IFTypeDesc> DescriptorOf(IFInstance* typeInstance) {
  CComPtr<IFType> type;
  CComPtr<IFTypeDesc> desc;
  if (typeInstance && SUCCEEDED(typeInstance->GetType(&type)) && type) type->GetTypeDesc(&desc);
  return desc;
}

bool DataSourceIsEmpty(IUnknown* dataSource) {
  CComPtr<IQVDataSource> source = ComQuery<IQVDataSource>(dataSource);
  bool empty = true;
  if (source) source->IsEmpty(&empty);
  return empty;
}

void ShowView(tag_CorvaneViewContext& context) {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_SHOW_CORVANEVIEW, 0, reinterpret_cast<LPARAM>(&context));
}

}  // namespace

void CExplorerObject::OpenView(REFCLSID viewClass, int byDescriptor, const std::string& text, IUnknown* dataSource,
                               const std::string& name, int noName) {
  tag_CorvaneViewContext context;
  context.viewClass = viewClass;
  context.text = text;
  context.dataSource = dataSource;
  if (viewClass == CLSID_QVTextEditorView) {
    context.optionWord = CORVANE_EDITOR_OPTIONS;
  } else if (viewClass == CLSID_QVFormView) {
    if (!DataSourceIsEmpty(dataSource) && !noName) context.libraryName = name;
  } else if (byDescriptor) {
    context.typeDesc = DescriptorOf(GetType());
  } else {
    TypeNames(GetType(), context.libraryName, context.typeName);
  }
  ShowView(context);
}

void CExplorerObject::Explore() {
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;
  TypeNames(GetType(), context.libraryName, context.typeName);
  context.text = GetClassID().ToString();
  ShowView(context);
}

int CExplorerObject::StartLabelEdit() {
  auto* panes = dynamic_cast<IExplorerPanes*>(GetOwner());
  if (!panes) return 1;
  if (panes->IsTreeView()) {
    if (CTreeCtrl* tree = panes->GetTreePaneControl()) {
      if (HTREEITEM caret = tree->GetSelectedItem()) tree->EditLabel(caret);
    }
  } else if (CListCtrl* list = panes->GetContentsPaneControl()) {
    int row = list->GetNextItem(-1, LVNI_SELECTED);
    if (row >= 0) list->EditLabel(row);
  }
  return 1;
}
