// The type table of a palette (IFTypeTable): its own types by name, the
// in-use test and deletion, and its folders. The palette keeps one view and
// hands it out on every request; the view only links back to the palette, so
// a view kept after its palette is gone answers FE_STALE.
#pragma once

#include "host/com/ComObject.h"
#include "host/store/IFTypeTable.h"
#include "workbench/store/BackLink.h"

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
  CBackLink<CStorePalette> m_palette;
};
