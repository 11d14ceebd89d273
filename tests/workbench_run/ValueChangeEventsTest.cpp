// The value-change event as a view uses it: asked of the root model, advised
// on "OnVariableChange", and safe when listeners leave during a fire.
#include <gtest/gtest.h>

#include <functional>

#include "host/com/ComObject.h"
#include "host/model/IQVEventSource.h"
#include "workbench/document/WorkbenchDocument.h"

namespace {

constexpr DISPID kEventId = 77;

class CEventListener : public CComObject<IDispatch> {
 public:
  int calls = 0;
  std::function<void()> onCall;

  HRESULT GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  HRESULT GetTypeInfo(UINT, IUnknown** info) override { return *info = nullptr, E_NOTIMPL; }
  HRESULT GetIDsOfNames(const std::string& name, DISPID* id) override {
    if (name != "OnVariableChange") return DISP_E_MEMBERNOTFOUND;
    *id = kEventId;
    return S_OK;
  }
  HRESULT Invoke(DISPID id, const std::vector<VARIANT>&, VARIANT*) override {
    if (id != kEventId) return DISP_E_MEMBERNOTFOUND;
    ++calls;
    if (onCall) onCall();
    return S_OK;
  }
};

CComPtr<IQVEventSource> EventSourceOf(CWorkbenchDocument& document) {
  CComPtr<IUnknown> root;
  EXPECT_TRUE(SUCCEEDED(document.GetRootModel(&root)));
  return ComQuery<IQVEventSource>(root);
}

}  // namespace

TEST(ValueChangeEvents, ListenersUnadvisedDuringAFireAreNotCalledAndNothingIsUsedAfterItIsGone) {
  CWorkbenchDocument document;
  CComPtr<IQVEventSource> source = EventSourceOf(document);
  ASSERT_TRUE(source);

  DWORD first = 0, second = 0, third = 0, unknown = 0;
  EXPECT_EQ(source->Advise("OnSomethingElse", MakeComObject<CEventListener>().Get(), &unknown), E_INVALIDARG);
  CComPtr<CEventListener> a = MakeComObject<CEventListener>();
  CComPtr<CEventListener> b = MakeComObject<CEventListener>();
  ASSERT_EQ(source->Advise("onvariablechange", a.Get(), &first), S_OK);
  ASSERT_EQ(source->Advise("OnVariableChange", b.Get(), &second), S_OK);
  {
    // Held only by the source: it unadvises itself from inside its own call.
    CComPtr<CEventListener> c = MakeComObject<CEventListener>();
    ASSERT_EQ(source->Advise("OnVariableChange", c.Get(), &third), S_OK);
    c->onCall = [&] { EXPECT_EQ(source->Unadvise(third), S_OK); };
  }
  // The first listener takes the second off before the second's turn.
  a->onCall = [&] { source->Unadvise(second); };

  document.Flowsheet().Events().Fire();
  EXPECT_EQ(a->calls, 1);
  EXPECT_EQ(b->calls, 0);
  EXPECT_EQ(document.Flowsheet().Events().ListenerCount(), 1);

  document.Flowsheet().Events().Fire();
  EXPECT_EQ(a->calls, 2);
  EXPECT_EQ(source->Unadvise(first), S_OK);
  EXPECT_EQ(source->Unadvise(first), E_INVALIDARG);
  document.Flowsheet().Events().Fire();
  EXPECT_EQ(a->calls, 2);
}

TEST(ValueChangeEvents, AFireAskedForByAListenerIsMadeOnceTheCurrentOneEnds) {
  CWorkbenchDocument document;
  CComPtr<IQVEventSource> source = EventSourceOf(document);
  CComPtr<CEventListener> listener = MakeComObject<CEventListener>();
  DWORD cookie = 0;
  ASSERT_EQ(source->Advise("OnVariableChange", listener.Get(), &cookie), S_OK);
  listener->onCall = [&] {
    if (listener->calls == 1) document.Flowsheet().Events().Fire();  // not re-entered: queued
    EXPECT_LE(listener->calls, 2);
  };
  document.Flowsheet().Events().Fire();
  EXPECT_EQ(listener->calls, 2);
}
