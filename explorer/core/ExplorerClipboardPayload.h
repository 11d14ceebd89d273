// Clipboard and drag payloads that name a host object of this process. The
// object formats hold one 8-byte handle (HostObjectHandles.h) in a stream; the
// model-type format holds, in this order, 8 bytes from the application, the
// 8-byte handle of the model-type interface, a 2-byte stream-type mark and the
// 4-byte id of the writing process, and its companion for the application's
// other windows the first three fields. All numbers are little-endian.
//
// A reader gets nothing for a payload of the wrong length, a payload another
// process wrote (the clipboard's owner window belongs to another process, or
// the stored process id is not ours), or a handle that no longer resolves.
#pragma once

#include <cstddef>
#include <optional>

#include "host/com/ComPtr.h"
#include "host/model/IRModelType.h"
#include "platform/Ole.h"

constexpr std::size_t kObjectPayloadSize = 8;
constexpr std::size_t kModelTypePayloadSize = 22;
constexpr std::size_t kQeliModelTypePayloadSize = 18;

// Offers object in format (stream medium); false when object is null.
bool OfferHostObject(COleDataSource& data, CLIPFORMAT format, IUnknown* object);
// The object carried in format, or null.
CComPtr<IUnknown> ReadHostObject(const COleDataObject& data, CLIPFORMAT format);
template <class Q>
CComPtr<Q> ReadHostObjectAs(const COleDataObject& data, CLIPFORMAT format) {
  CComPtr<IUnknown> object = ReadHostObject(data, format);
  return ComQuery<Q>(object);
}

// True when the clipboard holds data this process wrote (an empty clipboard is not).
bool ClipboardWrittenHere();
// The object carried in format on the clipboard; null when another process wrote it.
CComPtr<IUnknown> ReadHostObjectFromClipboard(CLIPFORMAT format);

// Cut: what data offers moves when it is pasted. Nothing is taken away before
// that, so a cut that is never pasted loses nothing.
void MarkForMove(COleDataSource& data);
// How a paste from the clipboard takes data: a move for what was cut here, else a copy.
DWORD ClipboardPasteEffect(const COleDataObject& data);

struct ModelTypePayload {
  CComPtr<IRModelType> modelType;
  bool streamType = false;
};
// Offers a block, stream or controller type in the model-type format and its companion.
bool OfferModelType(COleDataSource& data, IRModelType* modelType, bool streamType);
// The model type carried in the model-type format, or nothing.
std::optional<ModelTypePayload> ReadModelType(const COleDataObject& data);
