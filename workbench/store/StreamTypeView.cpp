// IQVStreamType: how the streams of a stream type are drawn.
#include "host/model/IQVStreamType.h"
#include "host/store/Status.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

constexpr DWORD kMaxLineStyle = 8;
constexpr DWORD kMaxColour = 16;

class CStreamTypeView : public CTypeView<IQVStreamType> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetDisplayRecord(QVStreamDisplayRecord* record) override {
    if (!record) return E_POINTER;
    *record = Type().DisplayRecord();
    return S_OK;
  }

  // Line styles 1 to 8 (low 16 bits) and colours 0 to 16; anything else is refused.
  HRESULT SetDisplayRecord(const QVStreamDisplayRecord& record) override {
    if (!Type().IsUsable()) return FE_STALE;
    if (Type().IsInReadOnlyLibrary() || Type().IsBuiltIn()) return FE_READONLY;
    const DWORD style = record.lineStyle & 0xFFFF;
    if (style < 1 || style > kMaxLineStyle || record.colour > kMaxColour) return E_INVALIDARG;
    Type().SetDisplayRecord(record);
    return S_OK;
  }
};

}  // namespace

CComPtr<IUnknown> MakeStreamTypeView(CStoreType* type) {
  return MakeView<CStreamTypeView>(type);
}
