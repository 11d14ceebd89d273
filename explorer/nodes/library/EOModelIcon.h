// A node for one icon of a model: it shows the icon's own picture, carries the
// icon on the clipboard and in drags ("Explorer Model Icon Format", and for
// drags onto the flowsheet also the model in "QELI Model Type Format"), and
// tells what a form definition dragged over it would do.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/model/IQVIcon.h"
#include "host/model/IQVIconCollection.h"

class CEOModelIcon : public CExplorerObject, public IExplorerIconNode {
 public:
  // icon: the icon; ownerNode: the model node that lists it (may be null).
  CEOModelIcon(IQVIcon* icon, CExplorerContainerObject* ownerNode, CWnd* owner, int readOnly);

  int operator==(CExplorerObject& other) override;
  DWORD DoDragDrop() override;
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;
  IRModelType* GetIconModelType() override { return m_pModelType; }

  IQVIcon* GetIcon() const { return m_pIcon; }
  const std::string& GetIconName() const { return m_strName; }
  // The model's icon collection (null when the model is gone).
  CComPtr<IQVIconCollection> GetIconCollection();
  // The model node that lists this icon while it still exists.
  CExplorerContainerObject* GetOwnerNode() const;

 protected:
  // Puts the icon's definition into data; false when the icon has none.
  bool OfferIcon(COleDataSource& data);

  CComPtr<IQVIcon> m_pIcon;
  CComPtr<IRModelType> m_pModelType;
  CExplorerContainerObject* m_pOwnerNode;  // not owned; checked for life before use
  std::string m_strName;
};
