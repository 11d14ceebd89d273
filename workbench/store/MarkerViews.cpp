// Interfaces whose presence is the whole answer: port types answer
// IQVPortType, flowsheets IQVHierarchyForm (their forms open rather than edit).
#include "host/model/IQVHierarchyForm.h"
#include "host/model/IQVPortType.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CPortTypeView : public CTypeView<IQVPortType> {
 public:
  using CTypeView::CTypeView;
};

class CHierarchyFormView : public CTypeView<IQVHierarchyForm> {
 public:
  using CTypeView::CTypeView;
};

}  // namespace

CComPtr<IUnknown> MakePortTypeView(CStoreType* type) {
  return MakeView<CPortTypeView>(type);
}

CComPtr<IUnknown> MakeHierarchyFormView(CStoreType* type) {
  return MakeView<CHierarchyFormView>(type);
}
