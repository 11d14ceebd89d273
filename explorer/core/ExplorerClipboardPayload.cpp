#include "explorer/core/ExplorerClipboardPayload.h"

#include <memory>
#include <vector>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/HostObjectHandles.h"
#include "platform/Services.h"
#include "platform/Window.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutNumber(Bytes& bytes, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t GetNumber(const Bytes& bytes, std::size_t offset, int size) {
  std::uint64_t value = 0;
  for (int i = 0; i < size; ++i) value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
  return value;
}

void Offer(COleDataSource& data, CLIPFORMAT format, const Bytes& bytes) {
  auto stream = std::make_shared<CMemoryStream>(bytes);
  data.CacheStream(format, std::move(stream));
}

// The whole payload of format when it has exactly size bytes.
std::optional<Bytes> ReadPayload(const COleDataObject& data, CLIPFORMAT format, std::size_t size) {
  std::shared_ptr<CMemoryStream> stream = data.GetFileData(format);
  if (!stream || stream->Size() != size) return std::nullopt;
  return stream->Bytes();
}

// The model-type format's first eight bytes: any value will do; none is ever read back.
constexpr std::uint64_t kApplicationBytes = 0;

}  // namespace

bool OfferHostObject(COleDataSource& data, CLIPFORMAT format, IUnknown* object) {
  CHostObjectHandles::Handle handle = CHostObjectHandles::Register(object);
  if (handle == CHostObjectHandles::kNoHandle) return false;
  Bytes bytes;
  PutNumber(bytes, handle, 8);
  Offer(data, format, bytes);
  return true;
}

CComPtr<IUnknown> ReadHostObject(const COleDataObject& data, CLIPFORMAT format) {
  std::optional<Bytes> bytes = ReadPayload(data, format, kObjectPayloadSize);
  if (!bytes) return nullptr;
  return CHostObjectHandles::Resolve(GetNumber(*bytes, 0, 8));
}

bool ClipboardWrittenHere() {
  HWND owner = Clipboard::GetOwner();
  if (!owner || !Clipboard::Contents()) return false;
  DWORD processId = 0;
  GetWindowThreadProcessId(owner, &processId);
  return processId == GetCurrentProcessId();
}

CComPtr<IUnknown> ReadHostObjectFromClipboard(CLIPFORMAT format) {
  if (!ClipboardWrittenHere()) return nullptr;
  COleDataObject data;
  if (!data.AttachClipboard()) return nullptr;
  return ReadHostObject(data, format);
}

void MarkForMove(COleDataSource& data) {
  Bytes bytes;
  PutNumber(bytes, DROPEFFECT_MOVE, 4);
  Offer(data, CF_PREFERRED_DROP_EFFECT, bytes);
}

DWORD ClipboardPasteEffect(const COleDataObject& data) {
  if (!ClipboardWrittenHere()) return DROPEFFECT_COPY;
  std::optional<Bytes> bytes = ReadPayload(data, CF_PREFERRED_DROP_EFFECT, 4);
  return bytes && GetNumber(*bytes, 0, 4) == DROPEFFECT_MOVE ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

bool OfferModelType(COleDataSource& data, IRModelType* modelType, bool streamType) {
  CHostObjectHandles::Handle handle = CHostObjectHandles::Register(modelType);
  if (handle == CHostObjectHandles::kNoHandle) return false;
  Bytes bytes;
  PutNumber(bytes, kApplicationBytes, 8);
  PutNumber(bytes, handle, 8);
  PutNumber(bytes, streamType ? 1 : 0, 2);
  Bytes companion = bytes;
  PutNumber(bytes, GetCurrentProcessId(), 4);
  Offer(data, CF_EXPLORER_MODEL_TYPE, bytes);
  Offer(data, CF_QELI_MODEL_TYPE, companion);
  return true;
}

std::optional<ModelTypePayload> ReadModelType(const COleDataObject& data) {
  std::optional<Bytes> bytes = ReadPayload(data, CF_EXPLORER_MODEL_TYPE, kModelTypePayloadSize);
  if (!bytes) return std::nullopt;
  if (GetNumber(*bytes, 18, 4) != GetCurrentProcessId()) return std::nullopt;
  CComPtr<IRModelType> modelType = ComQuery<IRModelType>(CHostObjectHandles::Resolve(GetNumber(*bytes, 8, 8)));
  if (!modelType) return std::nullopt;
  return ModelTypePayload{modelType, GetNumber(*bytes, 16, 2) != 0};
}
