// A port type. Made from an instance it also holds the port-type interface of
// the instance's type, which the flowsheet asks for.
#pragma once

#include "explorer/nodes/library/TypeLeaf.h"
#include "host/model/IQVPortType.h"

class CQVEOPortType : public CQVEOTypeLeaf {
 public:
  CQVEOPortType(IFInstance* instance, CWnd* owner, int readOnly);
  CQVEOPortType(IFTypeDesc* desc, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;

  // Null for a node made from a descriptor.
  IQVPortType* GetPortType() const { return m_pPortType; }

 private:
  CComPtr<IQVPortType> m_pPortType;
};
