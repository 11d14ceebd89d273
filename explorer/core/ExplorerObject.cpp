#include "explorer/core/ExplorerObject.h"

#include <unordered_set>

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/core/NodePool.h"
#include "explorer/core/QVExplorer.h"
#include "host/store/IFNaming.h"
#include "host/store/IFType.h"
#include "host/store/IFValidity.h"
#include "host/store/MwInstance.h"

namespace {

// Nodes that do not live in a slot of the node pool (on the stack, inside
// other objects, or every node in a sanitizer build).
std::unordered_set<const CExplorerObject*>& LiveNodesOutsidePool() {
  static std::unordered_set<const CExplorerObject*> nodes;
  return nodes;
}

// The type behind a descriptor as the instance that stands for it, when the
// store still calls that type usable.
CComPtr<IFInstance> InstanceOfDescribedType(IFTypeDesc* desc) {
  CComPtr<IFType> type;
  if (FAILED(desc->GetType(&type)) || !type) return nullptr;
  CComPtr<IFNaming> naming = ComQuery<IFNaming>(type);
  if (!naming) return nullptr;
  bool usable = false;
  if (FAILED(naming->IsUsable(&usable)) || !usable) return nullptr;
  MwInstance path(type, 0, 1);
  CComPtr<IFInstance> instance;
  if (FAILED(path.QueryInstance(&instance))) return nullptr;
  return instance;
}

// The descriptor and identity of the type an instance stands for.
bool DescribeType(IFInstance* typeInstance, CComPtr<IFTypeDesc>& desc, DWORD& identity) {
  CComPtr<IFType> type;
  if (FAILED(typeInstance->GetType(&type)) || !type) return false;
  if (FAILED(type->GetTypeDesc(&desc)) || !desc) return false;
  return SUCCEEDED(type->GetIdentity(&identity));
}

}  // namespace

CExplorerObject::CExplorerObject(IFInstance* type, IFTypeDesc* typeDesc, IFInstance* instance, CWnd* owner,
                                 int readOnly)
    : m_pType(type),
      m_pOwner(owner),
      m_pTypeDesc(typeDesc),
      m_pInstance(instance),
      m_bReadOnly(readOnly),
      m_hOwner(owner ? owner->GetSafeHwnd() : nullptr),
      m_madeForType(type != nullptr || typeDesc != nullptr),
      m_pTypeIdentity(ComQuery<IUnknown>(typeDesc)) {
  if (!node_pool::MarkLive(this, true)) LiveNodesOutsidePool().insert(this);
}

CExplorerObject::CExplorerObject(ForType, IFInstance* type, CWnd* owner, int readOnly)
    : CExplorerObject(type, nullptr, nullptr, owner, readOnly) {}

CExplorerObject::CExplorerObject(ForType, IFInstance* type, UINT openIconId, UINT normalIconId, CWnd* owner,
                                 int readOnly)
    : CExplorerObject(type, nullptr, nullptr, owner, readOnly) {
  LoadIcons(openIconId, normalIconId);
}

CExplorerObject::CExplorerObject(IFTypeDesc* typeDesc, UINT openIconId, UINT normalIconId, CWnd* owner,
                                 int readOnly)
    : CExplorerObject(nullptr, typeDesc, nullptr, owner, readOnly) {
  LoadIcons(openIconId, normalIconId);
}

CExplorerObject::CExplorerObject(ForInstance, IFInstance* instance, CWnd* owner, int readOnly)
    : CExplorerObject(nullptr, nullptr, instance, owner, readOnly) {}

CExplorerObject::CExplorerObject(ForInstance, IFInstance* instance, UINT openIconId, UINT normalIconId,
                                 CWnd* owner, int readOnly)
    : CExplorerObject(nullptr, nullptr, instance, owner, readOnly) {
  LoadIcons(openIconId, normalIconId);
}

CExplorerObject::~CExplorerObject() {
  if (!node_pool::MarkLive(this, false)) LiveNodesOutsidePool().erase(this);
}

void* CExplorerObject::operator new(std::size_t size) { return node_pool::Allocate(size); }

void CExplorerObject::operator delete(void* p, std::size_t size) noexcept { node_pool::Free(p, size); }

bool CExplorerObject::IsLive(const CExplorerObject* node) {
  if (!node) return false;
  const int inPool = node_pool::SlotState(node);
  return inPool >= 0 ? inPool == 1 : LiveNodesOutsidePool().count(node) != 0;
}

std::size_t CExplorerObject::LiveCount() { return node_pool::LiveSlots() + LiveNodesOutsidePool().size(); }

CWnd* CExplorerObject::GetOwner() const {
  // A window that is gone has no receiver any more: then there is no owner.
  if (m_hOwner) return CWnd::FromHandle(m_hOwner);
  return m_pOwner;
}

IExplorerWindow* CExplorerObject::GetOwnerWindow() const { return dynamic_cast<IExplorerWindow*>(GetOwner()); }

LRESULT CExplorerObject::SendToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* owner = GetOwner();
  return owner ? owner->SendMessage(message, wParam, lParam) : 0;
}

void CExplorerObject::PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
  if (CWnd* owner = GetOwner()) owner->PostMessage(message, wParam, lParam);
}

void CExplorerObject::GetStatus() {}

IFInstance* CExplorerObject::GetType() {
  if (m_pType) {
    if (CComPtr<IFValidity> validity = ComQuery<IFValidity>(m_pType)) {
      bool valid = true;
      if (SUCCEEDED(validity->IsValid(&valid)) && !valid) m_pType.Release();
    }
    if (m_pType && !m_pTypeIdentity) RememberTypeIdentity();
    return m_pType;
  }
  if (m_pTypeDesc) m_pType = InstanceOfDescribedType(m_pTypeDesc);
  return m_pType;
}

void CExplorerObject::RememberTypeIdentity() {
  CComPtr<IFTypeDesc> desc;
  DWORD identity = 0;
  if (DescribeType(m_pType, desc, identity)) m_pTypeIdentity = ComQuery<IUnknown>(desc);
}

IFInstance* CExplorerObject::GetInstance() { return m_pInstance; }

int CExplorerObject::operator==(CExplorerObject& other) {
  if (GetClassID() != other.GetClassID()) return 0;
  IFInstance* type = GetType();
  IFInstance* otherType = other.GetType();
  if (type && otherType) {
    CComPtr<IFTypeDesc> desc, otherDesc;
    DWORD identity = 0, otherIdentity = 0;
    if (!DescribeType(type, desc, identity) || !DescribeType(otherType, otherDesc, otherIdentity)) return 0;
    return IsSameObject(desc, otherDesc) && identity == otherIdentity;
  }
  if (type || otherType) return 0;
  // A node whose type is gone still stands for that type: it equals the nodes
  // made for the same one (its items in every pane go together), and no other.
  if (MadeForType() || other.MadeForType()) {
    if (this == &other) return 1;
    return m_pTypeIdentity && other.m_pTypeIdentity && IsSameObject(m_pTypeIdentity, other.m_pTypeIdentity);
  }
  return IsSameObject(m_pInstance, other.m_pInstance);
}

int CExplorerObject::SelfDestruct(int confirm) { return DeleteType(confirm); }

int CExplorerObject::GetImage(int large, int open) {
  if (large) return open ? m_nLargeOpenImage : m_nLargeImage;
  return open ? m_nSmallOpenImage : m_nSmallImage;
}

int CExplorerObject::BuildContextMenu(CMenu& /*menu*/) { return 0; }

void CExplorerObject::DoCommand(UINT /*id*/) {}

void CExplorerObject::DoDefaultAction() {
  if (CQVExplorer::RefuseWhileFileLoadFailed()) return;
  DoCommand(ID_EXPLORER_DEFAULT_ACTION);
}

int CExplorerObject::CanDoCommand(UINT /*id*/) { return 0; }

void CExplorerObject::SetCommandState(CCmdUI* /*ui*/) {}

DWORD CExplorerObject::DoDragDrop() { return 0; }

DWORD CExplorerObject::OnDragOver(COleDataObject* /*data*/, DWORD /*keyState*/) { return 0; }

int CExplorerObject::OnDrop(COleDataObject* /*data*/, DWORD /*dropEffect*/) { return 0; }

int CExplorerObject::GetDisplayText(EOAspect /*aspect*/, std::string& /*text*/) { return 0; }

int CExplorerObject::IsContainer() { return 0; }

int CExplorerObject::IsValid() { return GetType() != nullptr; }

int CExplorerObject::GetOverlay(int& state) {
  state = 0;
  return 0;
}

int CExplorerObject::IsLibraryObject() { return m_bReadOnly; }

void CExplorerObject::OnSelect() {}

int CExplorerObject::GetSortVal(int /*column*/, double& /*value*/) { return 0; }

int CExplorerObject::GetSortVal(int /*column*/, int& /*value*/) { return 0; }

int CExplorerObject::GetSortVal(int column, std::string& value) {
  if (column < 0 || column > 2) return 0;
  return GetDisplayText(static_cast<EOAspect>(column), value);
}

int CExplorerObject::DontEditLabel() { return 1; }

int CExplorerObject::EditLabel(std::string /*newName*/) { return 0; }
