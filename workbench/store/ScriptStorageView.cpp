// IQVPersistStream of a script: its stored content is its plain text.
#include "host/com/PersistStream.h"
#include "host/store/Status.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CScriptStorageView : public CTypeView<IQVPersistStream> {
 public:
  using CTypeView::CTypeView;

  HRESULT Load(CMemoryStream& stream) override {
    if (!Type().IsUsable()) return FE_STALE;
    if (Type().IsInReadOnlyLibrary() || Type().IsBuiltIn()) return FE_READONLY;
    std::string text(stream.Size() - stream.Position(), '\0');
    text.resize(stream.Read(text.data(), text.size()));
    while (!text.empty() && text.back() == '\0') text.pop_back();
    Type().SetText(std::move(text));
    return S_OK;
  }

  HRESULT Save(CMemoryStream& stream) override {
    const std::string& text = Type().Text();
    stream.Write(text.data(), text.size());
    return S_OK;
  }
};

}  // namespace

CComPtr<IUnknown> MakeScriptStorageView(CStoreType* type) {
  return MakeView<CScriptStorageView>(type);
}
