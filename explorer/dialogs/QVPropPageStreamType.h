// The Stream Properties page of a stream type: how its streams are drawn on
// the flowsheet (line style, colour, whether their labels are hidden). Apply
// and OK write the choice back into the type's stream display record.
#pragma once

#include "explorer/dialogs/DrawColorMenu.h"
#include "explorer/dialogs/DrawLineMenu.h"
#include "host/com/ComPtr.h"
#include "host/model/IQVStreamType.h"
#include "platform/PropertySheet.h"

// The style word the page writes: the style number in the low 16 bits, marked with this.
constexpr DWORD kStreamLineStyleMark = 0xF0000;

class CQVPropPageStreamType : public CPropertyPage {
 public:
  // streamType: the stream type, or its instance; a page on anything else shows and writes nothing.
  explicit CQVPropPageStreamType(IUnknown* streamType);

  CDrawLineMenu m_LineMenu;
  CDrawColorMenu m_ColorMenu;

  bool OnInitDialog() override;
  bool OnApply() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  bool OnControlCommand(int id, UINT code) override;

 private:
  CComPtr<IQVStreamType> m_pStreamType;
  // The record as read; fields the page cannot show are written back unchanged.
  QVStreamDisplayRecord m_record;
  bool m_bRecordRead = false;
};
