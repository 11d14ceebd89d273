// IQVPhysicalQuantity of variable and parameter types: the quantity their text names.
#include "host/model/IQVPhysicalQuantity.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CPhysicalQuantityView : public CTypeView<IQVPhysicalQuantity> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetQuantityName(std::string& name) override {
    name = Type().PhysicalQuantity();
    return S_OK;
  }
};

}  // namespace

CComPtr<IUnknown> MakePhysicalQuantityView(CStoreType* type) {
  return MakeView<CPhysicalQuantityView>(type);
}
