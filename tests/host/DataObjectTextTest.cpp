#include <gtest/gtest.h>

#include "host/com/DataObject.h"
#include "host/com/ComObject.h"

namespace {

// A data object that answers with a medium given by the test.
class FixedData : public CComObject<IDataObject> {
 public:
  STGMEDIUM medium;
  HRESULT GetData(CLIPFORMAT, STGMEDIUM* out) override {
    if (medium.IsEmpty()) return E_FAIL;
    *out = medium;
    return S_OK;
  }
  HRESULT SetData(CLIPFORMAT, const STGMEDIUM&) override { return E_NOTIMPL; }
  HRESULT QueryGetData(CLIPFORMAT) override { return medium.IsEmpty() ? S_FALSE : S_OK; }
};

TEST(DataObjectTextTest, TerminatorsAreDroppedAndBytesAreRead) {
  CComPtr<FixedData> data = MakeComObject<FixedData>();
  data->medium.tymed = TYMED_HGLOBAL;
  data->medium.hGlobal = {'B', 'O', 'O', 'L', 'E', 'A', 'N', ' ', 'V', 'B', '\n', '\0', '\0'};
  std::string text;
  ASSERT_EQ(ReadDataObjectText(data, "Non-embedded Text", text), S_OK);
  EXPECT_EQ(text, "BOOLEAN VB\n");
}

TEST(DataObjectTextTest, FailuresLeaveTheTextAlone) {
  CComPtr<FixedData> data = MakeComObject<FixedData>();
  std::string text = "unchanged";
  EXPECT_TRUE(FAILED(ReadDataObjectText(data, "Non-embedded Text", text)));
  data->medium.tymed = TYMED_ISTREAM;  // a stream medium without a stream
  EXPECT_TRUE(FAILED(ReadDataObjectText(data, "Non-embedded Text", text)));
  EXPECT_EQ(ReadDataObjectText(nullptr, "Non-embedded Text", text), E_POINTER);
  EXPECT_EQ(WriteDataObjectText(nullptr, "Non-embedded Text", "x"), E_POINTER);
  EXPECT_EQ(text, "unchanged");
}

}  // namespace
