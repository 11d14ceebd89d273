#include "workbench/store/TypeViews.h"

#include "host/com/PersistStream.h"
#include "host/model/IQVDataSource.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVGlobalInstances.h"
#include "host/model/IQVEventSource.h"
#include "host/model/IQVVariableLookup.h"
#include "host/model/IQVVariableQueries.h"
#include "host/store/IFChildCollection.h"
#include "workbench/store/Store.h"
#include "host/model/IQVFormDef.h"
#include "host/model/IQVHierarchyForm.h"
#include "host/model/IQVHierarchyType.h"
#include "host/model/IQVIcon.h"
#include "host/model/IQVIconCollection.h"
#include "host/model/IQVInstanceCreation.h"
#include "host/model/IQVPhysicalQuantity.h"
#include "host/model/IQVPortType.h"
#include "host/model/IQVStreamType.h"
#include "host/model/IQVTask.h"
#include "host/model/IQVTasks.h"
#include "host/model/IRModel.h"
#include "host/model/IRModelType.h"
#include "host/store/IFRoot.h"
#include "host/store/IQVScriptOwner.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StoreType.h"

namespace {

using Maker = CComPtr<IUnknown> (*)(CStoreType*);

// The maker of the view of iid for a type of kind, or null when the kind does not offer it.
Maker ChooseView(REFIID iid, StoreKind kind) {
  const bool topLevel = kind == StoreKind::Simulation || kind == StoreKind::Library;
  if (iid == IID_IFRoot) return topLevel ? MakeRootView : nullptr;
  if (iid == IID_IRModelType) return IsModelLike(kind) ? MakeModelTypeView : nullptr;
  if (iid == IID_IQVFormContainer)
    return IsModelLike(kind) || kind == StoreKind::Simulation ? MakeFormContainerView : nullptr;
  if (iid == IID_IQVIconCollection)
    return kind == StoreKind::Model || kind == StoreKind::Controller || kind == StoreKind::Stream
               ? MakeIconCollectionView
               : nullptr;
  if (iid == IID_IQVTasks)
    return topLevel || kind == StoreKind::Model || kind == StoreKind::Controller || kind == StoreKind::Flowsheet
               ? MakeTaskCollectionView
               : nullptr;
  if (iid == IID_IQVScriptOwner) return OwnsPalette(kind) ? MakeScriptOwnerView : nullptr;
  if (iid == IID_IQVPortType) return kind == StoreKind::Port ? MakePortTypeView : nullptr;
  if (iid == IID_IQVStreamType) return kind == StoreKind::Stream ? MakeStreamTypeView : nullptr;
  if (iid == IID_IQVHierarchyType) return kind == StoreKind::Flowsheet ? MakeHierarchyTypeView : nullptr;
  if (iid == IID_IQVHierarchyForm) return kind == StoreKind::Flowsheet ? MakeHierarchyFormView : nullptr;
  if (iid == IID_IQVPhysicalQuantity)
    return kind == StoreKind::Variable || kind == StoreKind::Parameter ? MakePhysicalQuantityView : nullptr;
  if (iid == IID_IQVTask) return kind == StoreKind::Task ? MakeTaskStateView : nullptr;
  if (iid == IID_IQVFormDef || iid == IID_IQVDataSource) return kind == StoreKind::Form ? MakeFormDefView : nullptr;
  if (iid == IID_IQVIcon) return kind == StoreKind::Icon ? MakeIconView : nullptr;
  if (iid == IID_IQVPersistStream) return kind == StoreKind::Script ? MakeScriptStorageView : nullptr;
  return nullptr;
}

}  // namespace

HRESULT MakeTypeView(CStoreType* type, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  Maker maker = type ? ChooseView(iid, type->Kind()) : nullptr;
  if (!maker) return E_NOINTERFACE;
  CComPtr<IUnknown> view = maker(type);
  return view->QueryInterface(iid, out);
}

HRESULT MakeInstanceView(CStoreInstance* instance, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  // The simulation answers for its flowsheet with the flowsheet's own objects.
  if (iid == IID_IFChildCollection || iid == IID_IQVVariableLookup || iid == IID_IQVVariableQueries ||
      iid == IID_IQVGlobalInstances || iid == IID_IQVInstanceCreation || iid == IID_IQVEventSource) {
    CStoreType* type = instance ? instance->Type() : nullptr;
    CStore* store = type && instance->IsDefault() && type->Kind() == StoreKind::Simulation ? type->Store() : nullptr;
    if (store && store->FlowsheetInterfaces()) return store->FlowsheetInterfaces()->QueryInterface(iid, out);
  }
  // Asked for anything else (as callers probing an instance for IFType do), the
  // answer is known without looking at the instance's type.
  if (iid != IID_IFRoot && iid != IID_IRModel && iid != IID_IQVInstanceCreation) return E_NOINTERFACE;
  CStoreType* type = instance ? instance->Type() : nullptr;
  if (!type) return E_NOINTERFACE;
  const StoreKind kind = type->Kind();
  if (iid == IID_IFRoot && instance->IsDefault() &&
      (kind == StoreKind::Simulation || kind == StoreKind::Library))
    return MakeRootView(type)->QueryInterface(iid, out);
  if (iid == IID_IRModel && (IsModelLike(kind) || kind == StoreKind::Simulation))
    return MakeInstanceModelView(instance)->QueryInterface(iid, out);
  if (iid == IID_IQVInstanceCreation && instance->IsDefault() && kind == StoreKind::Simulation)
    return MakeInstanceCreationView(instance)->QueryInterface(iid, out);
  return E_NOINTERFACE;
}
