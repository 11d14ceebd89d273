// The type table of a palette (IFTypeTable): its own types by name, the
// in-use test and deletion, and its folders. A view that holds the palette.
#pragma once

#include "host/com/ComObject.h"
#include "host/store/IFTypeTable.h"

class CStorePalette;

class CTypeTableView : public CComObject<IFTypeTable> {
 public:
  explicit CTypeTableView(CStorePalette* palette);
  ~CTypeTableView() override;

  HRESULT FindType(const std::string& name, IFTypeDesc** desc) override;
  HRESULT IsTypeInUse(const std::string& name, bool* inUse) override;
  // FE_READONLY in a read-only library; FE_INUSE, FE_NOTFOUND.
  HRESULT DeleteType(const std::string& name) override;
  HRESULT GetFolderCollection(IFFolderCollection** folders) override;

 private:
  CComPtr<CStorePalette> m_palette;
};
