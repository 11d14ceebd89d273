// libFuzzer target for clipboard payloads: what another program (or another
// process of this one) put on the system clipboard, decoded from MIME data
// into the platform's formats and read by every payload reader of the
// Explorer. Any bytes must decode without a crash, a leak or a sanitizer
// report, and these must hold:
//   - a payload another process wrote never resolves to an object here;
//   - a payload resolves only to an object this process offered.
//
// The input is a byte choosing who claims to have written the data (bit 0:
// this process), then entries of a one-byte length, the MIME type, a
// two-byte little-endian length and the bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QMimeData>
#include <QString>

#include "app/clipboard/ClipboardMime.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/HostObjectHandles.h"
#include "host/model/IRModelType.h"
#include "platform/Services.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreType.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool AtEnd() const { return m_pos >= m_size; }
  std::uint8_t Byte() { return AtEnd() ? 0 : m_data[m_pos++]; }
  QByteArray Bytes(std::size_t count) {
    count = std::min(count, m_size - m_pos);
    QByteArray bytes(reinterpret_cast<const char*>(m_data + m_pos), static_cast<qsizetype>(count));
    m_pos += count;
    return bytes;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

// Host objects this process offered, so that a payload may name one of them.
struct OfferedObjects {
  CStore store;
  std::vector<CComPtr<IUnknown>> objects;
  std::shared_ptr<COleDataSource> offers = std::make_shared<COleDataSource>();

  OfferedObjects() {
    CStoreBuilder build(store);
    CStoreType& tank = build.Model(build.Simulation(), "Tank");
    CStoreType& flow = build.Type(build.Simulation(), StoreKind::Variable, "Flow");
    objects = {CComPtr<IUnknown>(static_cast<IFType*>(&tank)), CComPtr<IUnknown>(static_cast<IFType*>(&flow))};
    OfferHostObject(*offers, CF_EXPLORER_VARIABLE_TYPE, static_cast<IFType*>(&flow));
    OfferModelType(*offers, ComQuery<IRModelType>(static_cast<IFType*>(&tank)).Get(), false);
  }
};

OfferedObjects& Offered() {
  static OfferedObjects* offered = new OfferedObjects;  // lives as long as the process
  return *offered;
}

bool IsOffered(IUnknown* object) {
  if (!object) return true;
  for (const CComPtr<IUnknown>& offered : Offered().objects)
    if (IsSameObject(ComQuery<IUnknown>(object).Get(), offered.Get())) return true;
  return false;
}

const CLIPFORMAT* const kObjectFormats[] = {
    &CF_EXPLORER_VARIABLE_TYPE, &CF_EXPLORER_PORT_TYPE,       &CF_EXPLORER_PROCEDURE_TYPE,
    &CF_EXPLORER_PARAMETER_TYPE, &CF_EXPLORER_TASK,           &CF_EXPLORER_SCRIPT,
    &CF_EXPLORER_COMPONENT_LIST, &CF_EXPLORER_FORM_DEFINITION, &CF_EXPLORER_MODEL_ICON,
    &CF_EXPLORER_GLOBAL_STRUCTURE_TYPE, &CF_QELI_MODEL_TYPE};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  OfferedObjects& offered = Offered();
  InputReader input(data, size);
  const bool claimsThisProcess = (input.Byte() & 1) != 0;
  QMimeData mime;
  while (!input.AtEnd()) {
    const QString type = QString::fromLatin1(input.Bytes(input.Byte()));
    const std::size_t length = input.Byte() | (std::size_t{input.Byte()} << 8);
    mime.setData(type, input.Bytes(length));
  }
  if (claimsThisProcess)
    mime.setData(QString::fromLatin1(kProcessIdMimeType), QByteArray::number(static_cast<qulonglong>(GetCurrentProcessId())));

  const MimeContents contents = SourceFromMimeData(mime);
  if (!contents.data) return 0;
  const bool ours = contents.processId == GetCurrentProcessId();
  // The decoded data as a drag brings it, and as the clipboard holds it.
  COleDataObject dragged(contents.data);
  Clipboard::SetFromProcess(contents.data, ours ? GetCurrentProcessId() : GetCurrentProcessId() + 1);
  for (const CLIPFORMAT* format : kObjectFormats) {
    Require(IsOffered(ReadHostObject(dragged, *format).Get()));
    CComPtr<IUnknown> pasted = ReadHostObjectFromClipboard(*format);
    Require(IsOffered(pasted.Get()));
    Require(ours || !pasted);
  }
  if (const std::optional<ModelTypePayload> model = ReadModelType(dragged)) {
    Require(ours && IsOffered(model->modelType.Get()));
  }
  (void)dragged.GetGlobalData(CF_TEXT);
  Clipboard::Empty();
  (void)offered;
  return 0;
}
