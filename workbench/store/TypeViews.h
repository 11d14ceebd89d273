// Makers of the view objects that answer a type's kind-specific interfaces
// (one file each), and the choice of view by interface and kind.
#pragma once

#include "host/com/ComPtr.h"

class CStoreType;
class CStoreInstance;

// The view of type for iid when the type's kind offers it; E_NOINTERFACE otherwise.
HRESULT MakeTypeView(CStoreType* type, REFIID iid, void** out);
// The view of an instance for iid (IFRoot of the simulation and libraries,
// IRModel of model-like instances); E_NOINTERFACE otherwise.
HRESULT MakeInstanceView(CStoreInstance* instance, REFIID iid, void** out);

CComPtr<IUnknown> MakeRootView(CStoreType* type);
CComPtr<IUnknown> MakeModelTypeView(CStoreType* type);
CComPtr<IUnknown> MakeFormContainerView(CStoreType* type);
CComPtr<IUnknown> MakeIconCollectionView(CStoreType* type);
CComPtr<IUnknown> MakeTaskCollectionView(CStoreType* type);
CComPtr<IUnknown> MakeScriptOwnerView(CStoreType* type);
CComPtr<IUnknown> MakePortTypeView(CStoreType* type);
CComPtr<IUnknown> MakeHierarchyFormView(CStoreType* type);
CComPtr<IUnknown> MakeStreamTypeView(CStoreType* type);
CComPtr<IUnknown> MakeHierarchyTypeView(CStoreType* type);
CComPtr<IUnknown> MakePhysicalQuantityView(CStoreType* type);
CComPtr<IUnknown> MakeTaskStateView(CStoreType* type);
CComPtr<IUnknown> MakeFormDefView(CStoreType* type);
CComPtr<IUnknown> MakeIconView(CStoreType* type);
CComPtr<IUnknown> MakeScriptStorageView(CStoreType* type);
CComPtr<IUnknown> MakeInstanceModelView(CStoreInstance* instance);
// IQVInstanceCreation of the simulation's own instance.
CComPtr<IUnknown> MakeInstanceCreationView(CStoreInstance* simulation);
