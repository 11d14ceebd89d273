// IQVTasks of a palette owner (the simulation, a library, a model): the task
// definitions it holds and their run state.
#include "host/model/IQVTask.h"
#include "host/model/IQVTasks.h"
#include "host/store/Status.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/TypeCompiler.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CTaskCollectionView : public CTypeView<IQVTasks> {
 public:
  using CTypeView::CTypeView;

  // The task's text must define a task of that name; a text with errors still
  // makes the task, listed as failing.
  HRESULT AddTask(const std::string& name, const std::string& text, IFType** task) override {
    if (task) *task = nullptr;
    CStorePalette* palette = Type().OwnedPalette();
    if (!palette || !Type().IsUsable()) return FE_STALE;
    if (palette->IsReadOnly()) return FE_READONLY;
    if (palette->Find(name)) return FE_NAMEEXISTS;
    CComPtr<CStoreType> made;
    CreateTypeFromText(*palette, name, text, StoreKind::Task, std::addressof(made));
    if (!made) return E_INVALIDARG;
    return task ? CComPtr<IFType>(made.Get()).CopyTo(task) : S_OK;
  }

  HRESULT FindTask(const std::string& name, IFType** task) override {
    if (!task) return E_POINTER;
    *task = nullptr;
    CStoreType* found = Find(name);
    if (!found) return FE_NOTFOUND;
    return CComPtr<IFType>(found).CopyTo(task);
  }

  HRESULT IsTaskInUse(const std::string& name, bool* inUse) override {
    if (!inUse) return E_POINTER;
    if (!Find(name)) return FE_NOTFOUND;
    *inUse = Type().OwnedPalette()->IsInUse(name);
    return S_OK;
  }

  HRESULT DeleteTask(const std::string& name) override {
    if (!Find(name)) return FE_NOTFOUND;
    CStorePalette* palette = Type().OwnedPalette();
    if (palette->IsReadOnly()) return FE_READONLY;
    return palette->Delete(name);
  }

  HRESULT GetTask(const std::string& name, IQVTask** task) override {
    if (!task) return E_POINTER;
    *task = nullptr;
    CStoreType* found = Find(name);
    if (!found) return FE_NOTFOUND;
    return found->QueryInterface(IID_IQVTask, reinterpret_cast<void**>(task));
  }

 private:
  CStoreType* Find(const std::string& name) const {
    CStorePalette* palette = Type().OwnedPalette();
    CStoreType* found = palette && Type().IsUsable() ? palette->Find(name) : nullptr;
    return found && found->Kind() == StoreKind::Task ? found : nullptr;
  }
};

}  // namespace

CComPtr<IUnknown> MakeTaskCollectionView(CStoreType* type) {
  return MakeView<CTaskCollectionView>(type);
}
