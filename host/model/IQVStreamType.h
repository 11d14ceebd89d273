// A stream type and how its streams are drawn. Asked by query from a type; a
// type that answers it is a stream type.
#pragma once

#include "host/com/Unknown.h"

// How the streams of a type are drawn on the flowsheet.
struct QVStreamDisplayRecord {
  DWORD lineStyle = 1;     // low 16 bits: style number 1-8; the editors store (style | 0xF0000)
  DWORD colour = 0;        // palette index 0-16
  bool hideLabels = false;
};

inline const IID IID_IQVStreamType = GUID::FromString("{B0DFFFE8-908C-11CE-A964-0000C08C668E}");

struct IQVStreamType : IUnknown {
  static const IID& Iid() { return IID_IQVStreamType; }

  virtual HRESULT GetDisplayRecord(QVStreamDisplayRecord* record) = 0;
  virtual HRESULT SetDisplayRecord(const QVStreamDisplayRecord& record) = 0;
};
