// The storage of a host object as one stream of bytes (a script's stored content).
#pragma once

#include "host/com/Unknown.h"
#include "platform/Ole.h"

// Identifier made up for this interface.
inline const IID IID_IQVPersistStream = GUID::FromString("{7E5A0002-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVPersistStream : IUnknown {
  static const IID& Iid() { return IID_IQVPersistStream; }

  // Replaces the object's content with the stream's bytes from its position to its end.
  virtual HRESULT Load(CMemoryStream& stream) = 0;
  // Writes the object's content at the stream's position.
  virtual HRESULT Save(CMemoryStream& stream) = 0;
};
