// IQVIcon of an icon: its name, its definition as a stream, and its picture
// drawn from the definition's text.
#include "host/model/IQVIcon.h"
#include "host/model/IRModelType.h"
#include "host/store/Status.h"
#include "workbench/store/IconPicture.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CIconView : public CTypeView<IQVIcon> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetName(std::string& name) override {
    name = Type().Name();
    return S_OK;
  }

  HRESULT GetStorage(STGMEDIUM* medium) override {
    if (!medium) return E_POINTER;
    STGMEDIUM result;
    result.tymed = TYMED_ISTREAM;
    result.pstm = std::make_shared<CMemoryStream>();
    const std::string& text = Type().Text();
    result.pstm->Write(text.data(), text.size());
    result.pstm->Seek(0, CMemoryStream::Origin::Begin);
    *medium = std::move(result);
    return S_OK;
  }

  HRESULT Draw(CDC& dc, const CRect& rect, DWORD /*flags*/) override {
    if (rect.Width() <= 0 || rect.Height() <= 0) return E_INVALIDARG;
    DrawIcon(Shapes(), dc, rect);
    return S_OK;
  }

  HRESULT GetImages(IconImage& large, IconImage& small) override {
    const std::vector<IconShape> shapes = Shapes();
    large = RenderIcon(shapes, 32);
    small = RenderIcon(shapes, 16);
    return S_OK;
  }

  HRESULT GetModelType(IRModelType** type) override {
    if (!type) return E_POINTER;
    *type = nullptr;
    CStorePalette* palette = Type().HoldingPalette();
    CStoreType* model = palette ? palette->Owner() : nullptr;
    if (!model || !Type().IsUsable()) return FE_STALE;
    return model->QueryInterface(IID_IRModelType, reinterpret_cast<void**>(type));
  }

 private:
  std::vector<IconShape> Shapes() const { return IconShapesOrDefault(Type().Text(), Type().Name()); }
};

}  // namespace

CComPtr<IUnknown> MakeIconView(CStoreType* type) {
  return MakeView<CIconView>(type);
}
