// Data of a host object in clipboard formats: a type's modelling-language text,
// a script's plain text, an icon's picture, the flowsheet's constraints.
#pragma once

#include <string>

#include "host/com/Unknown.h"
#include "platform/Ole.h"

// Identifier made up for this interface.
inline const IID IID_IDataObject = GUID::FromString("{7E5A0001-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IDataObject : IUnknown {
  static const IID& Iid() { return IID_IDataObject; }

  // The data in format, as a stream (TYMED_ISTREAM) positioned at its start.
  virtual HRESULT GetData(CLIPFORMAT format, STGMEDIUM* medium) = 0;
  // Replaces the data in format with the medium's contents (bytes or stream).
  virtual HRESULT SetData(CLIPFORMAT format, const STGMEDIUM& medium) = 0;
  // S_OK when the object offers format, S_FALSE when it does not.
  virtual HRESULT QueryGetData(CLIPFORMAT format) = 0;
};

// The whole text of format (a registered format name) with trailing zero
// bytes dropped; text is untouched on failure.
HRESULT ReadDataObjectText(IDataObject* data, const std::string& formatName, std::string& text);
// Sets format to text, handed over as a stream without a terminator.
HRESULT WriteDataObjectText(IDataObject* data, const std::string& formatName, const std::string& text);
