// IQVTask: whether a task may run and runs. A task whose text compiled
// without errors can be activated; activating one that cannot is refused.
#include "host/model/IQVTask.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CTaskStateView : public CTypeView<IQVTask> {
 public:
  using CTypeView::CTypeView;

  HRESULT IsActive(bool* active) override {
    if (!active) return E_POINTER;
    *active = Type().IsTaskActive();
    return S_OK;
  }

  HRESULT IsActivatable(bool* activatable) override {
    if (!activatable) return E_POINTER;
    *activatable = Type().IsTaskActivatable();
    return S_OK;
  }

  HRESULT SetActive(bool active) override { return Type().SetTaskActive(active); }
};

}  // namespace

CComPtr<IUnknown> MakeTaskStateView(CStoreType* type) {
  return MakeView<CTaskStateView>(type);
}
