#include "app/peers/ScrollBarControlPeer.h"

#include <QScrollBar>

#include "platform/Scroll.h"

ScrollBarControlPeer::ScrollBarControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea,
                                           PeerUnits units)
    : DialogControlPeer(factory, item, units) {
  m_bar = new QScrollBar((item.GetStyle() & SBS_VERT) ? Qt::Vertical : Qt::Horizontal, parentArea);
  SetControlWidget(m_bar);
  QObject::connect(m_bar, &QAbstractSlider::actionTriggered, m_bar, [this](int action) { Scrolled(action); });
  QObject::connect(m_bar, &QAbstractSlider::sliderReleased, m_bar, [this] {
    int position = m_bar->sliderPosition();
    Act([position](CDialogItem& i) {
      i.UserScroll(SB_THUMBPOSITION, position);
      i.UserScroll(SB_ENDSCROLL);
    });
  });
}

void ScrollBarControlPeer::Scrolled(int action) {
  UINT request = SB_ENDSCROLL;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: request = SB_LINEDOWN; break;
    case QAbstractSlider::SliderSingleStepSub: request = SB_LINEUP; break;
    case QAbstractSlider::SliderPageStepAdd: request = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: request = SB_PAGEUP; break;
    case QAbstractSlider::SliderToMinimum: request = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: request = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove: request = SB_THUMBTRACK; break;
    default: return;
  }
  int position = m_bar->sliderPosition();
  Act([request, position](CDialogItem& i) { i.UserScroll(request, position); });
}

void ScrollBarControlPeer::SyncState(CDialogItem& item) {
  m_bar->setRange(item.ScrollMin(), item.ScrollMax());
  // The slider position too: Qt applies it after an action is handled.
  if (!m_bar->isSliderDown()) m_bar->setSliderPosition(item.GetScrollPos());
}
