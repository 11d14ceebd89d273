#include "explorer/nodes/library/EOModelIcon.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/IconPictureImages.h"
#include "explorer/resources/IconIds.h"
#include "host/model/IQVStreamType.h"

namespace {

// The instance that stands for the model an icon belongs to.
CComPtr<IFInstance> ModelInstanceOf(IQVIcon* icon) {
  CComPtr<IRModelType> model;
  if (!icon || FAILED(icon->GetModelType(&model)) || !model) return nullptr;
  CComPtr<IFType> type = ComQuery<IFType>(model);
  if (!type) type = type_access::TypeOf(model);
  return type_access::InstanceOf(type);
}

}  // namespace

CEOModelIcon::CEOModelIcon(IQVIcon* icon, CExplorerContainerObject* ownerNode, CWnd* owner, int readOnly)
    : CExplorerObject(ForType{}, ModelInstanceOf(icon), owner, readOnly), m_pIcon(icon), m_pOwnerNode(ownerNode) {
  if (m_pIcon) {
    m_pIcon->GetName(m_strName);
    m_pIcon->GetModelType(&m_pModelType);
  }
  const ExplorerImageIndex picture = IconPictureImages(m_pIcon);
  if (picture.large >= 0 || picture.small >= 0) {
    m_nLargeImage = m_nLargeOpenImage = picture.large;
    m_nSmallImage = m_nSmallOpenImage = picture.small;
  } else {
    LoadIcons(IDI_MODEL, IDI_MODEL);  // an icon without a picture of its own
  }
}

int CEOModelIcon::operator==(CExplorerObject& other) {
  auto* icon = dynamic_cast<CEOModelIcon*>(&other);
  if (!icon || GetClassID() != other.GetClassID()) return 0;
  return m_strName == icon->m_strName && IsSameObject(m_pModelType, icon->m_pModelType);
}

CExplorerContainerObject* CEOModelIcon::GetOwnerNode() const {
  return CExplorerObject::IsLive(m_pOwnerNode) ? m_pOwnerNode : nullptr;
}

CComPtr<IQVIconCollection> CEOModelIcon::GetIconCollection() {
  if (CComPtr<IQVIconCollection> icons = ComQuery<IQVIconCollection>(m_pModelType)) return icons;
  return ComQuery<IQVIconCollection>(type_access::TypeOf(GetType()));
}

bool CEOModelIcon::OfferIcon(COleDataSource& data) {
  STGMEDIUM medium;
  if (!m_pIcon || FAILED(m_pIcon->GetStorage(&medium)) || !medium.IsValid()) return false;
  data.CacheData(CF_EXPLORER_MODEL_ICON, medium);
  return true;
}

DWORD CEOModelIcon::DoDragDrop() {
  COleDataSource data;
  if (!OfferIcon(data)) return DROPEFFECT_NONE;
  // The flowsheet makes a block of the model from the companion entry. Only
  // that entry travels: the model-type entry would make a drop on a model
  // copy the whole model.
  CExplorerContainerObject* model = GetOwnerNode();
  if (m_pModelType && !(model && model->GetStatusCode() == EO_STATUS_NOT_OK)) {
    COleDataSource entries;
    const bool streamType = ComQuery<IQVStreamType>(m_pModelType) != nullptr;
    if (OfferModelType(entries, m_pModelType, streamType)) {
      if (const STGMEDIUM* companion = entries.Find(CF_QELI_MODEL_TYPE)) data.CacheData(CF_QELI_MODEL_TYPE, *companion);
    }
  }
  // A drag that creates a block on the flowsheet may only copy.
  IExplorerWindow* window = GetOwnerWindow();
  const bool copyOnly = window && window->TakeCopyOnlyDrag();
  return data.DoDragDrop(copyOnly ? DROPEFFECT_COPY : DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

DWORD CEOModelIcon::OnDragOver(COleDataObject* data, DWORD keyState) {
  if (!data || !data->IsDataAvailable(CF_EXPLORER_FORM_DEFINITION)) return DROPEFFECT_NONE;
  if (keyState & MK_SHIFT) return DROPEFFECT_MOVE;
  if (keyState & MK_CONTROL) return DROPEFFECT_COPY;
  return DROPEFFECT_LINK;
}

int CEOModelIcon::OnDrop(COleDataObject* /*data*/, DWORD /*dropEffect*/) { return 0; }
