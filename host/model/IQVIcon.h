// One icon of a model. Its picture text is read and written through IDataObject
// ("MORROW Modelling Language"), asked by query.
#pragma once

#include <string>

#include "host/com/Unknown.h"
#include "platform/Draw.h"
#include "platform/Ole.h"
#include "platform/Resources.h"

struct IRModelType;

// Identifier made up for this interface.
inline const IID IID_IQVIcon = GUID::FromString("{7E5A0016-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVIcon : IUnknown {
  static const IID& Iid() { return IID_IQVIcon; }

  virtual HRESULT GetName(std::string& name) = 0;
  // The icon's whole definition as a stream: what is copied to the clipboard.
  virtual HRESULT GetStorage(STGMEDIUM* medium) = 0;
  // Draws the picture over rect. flags as given (the toolbar passes 511).
  virtual HRESULT Draw(CDC& dc, const CRect& rect, DWORD flags) = 0;
  // The picture at 32 by 32 and at 16 by 16 pixels.
  virtual HRESULT GetImages(IconImage& large, IconImage& small) = 0;
  // The model the icon belongs to.
  virtual HRESULT GetModelType(IRModelType** type) = 0;
};
