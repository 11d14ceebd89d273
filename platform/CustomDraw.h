// The custom-draw conversation of the common controls. Before a control draws,
// it sends NM_CUSTOMDRAW stage by stage: the whole paint (CDDS_PREPAINT), each
// item (CDDS_ITEMPREPAINT), and each sub-item (CDDS_ITEMPREPAINT | CDDS_SUBITEM)
// when the owner asked for them. The owner's answer (CDRF_...) says which
// later stages it wants and whether it changed the colours or the font.
#pragma once

#include "platform/Notify.h"

// Draw stages.
constexpr DWORD CDDS_PREPAINT = 0x00000001;
constexpr DWORD CDDS_POSTPAINT = 0x00000002;
constexpr DWORD CDDS_PREERASE = 0x00000003;
constexpr DWORD CDDS_POSTERASE = 0x00000004;
constexpr DWORD CDDS_ITEM = 0x00010000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
constexpr DWORD CDDS_SUBITEM = 0x00020000;

// Answers.
constexpr LRESULT CDRF_DODEFAULT = 0x00000000;
constexpr LRESULT CDRF_NEWFONT = 0x00000002;
constexpr LRESULT CDRF_SKIPDEFAULT = 0x00000004;
constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x00000010;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x00000020;
constexpr LRESULT CDRF_NOTIFYSUBITEMDRAW = 0x00000020;  // the same bit, answered at the item stage
constexpr LRESULT CDRF_NOTIFYPOSTERASE = 0x00000040;

// Item states while drawing.
constexpr UINT CDIS_SELECTED = 0x0001;
constexpr UINT CDIS_GRAYED = 0x0002;
constexpr UINT CDIS_DISABLED = 0x0004;
constexpr UINT CDIS_CHECKED = 0x0008;
constexpr UINT CDIS_FOCUS = 0x0010;
constexpr UINT CDIS_DEFAULT = 0x0020;
constexpr UINT CDIS_HOT = 0x0040;

struct NMCUSTOMDRAW {
  NMHDR hdr;
  DWORD dwDrawStage = 0;
  CRect rc;                 // what is being drawn, in the control's client coordinates
  std::uintptr_t dwItemSpec = 0;  // the item (a row index for a list)
  UINT uItemState = 0;      // CDIS_ bits
  LPARAM lItemlParam = 0;   // the item's data
};
