#include "app/peers/SheetPeer.h"

#include <QFrame>
#include <QTabBar>

#include "platform/PropertySheet.h"

namespace {

// Margin around the tabs and pages, in dialog units.
constexpr int kMargin = 7;

}  // namespace

SheetPeer::SheetPeer(WindowPeerFactory& factory, CPropertySheet& sheet, QWidget* host)
    : WindowPeer(factory, sheet, PeerUnits::DialogUnits) {
  auto* surface = new QWidget(host);
  surface->setAutoFillBackground(true);
  SetWidget(surface);
  m_pageFrame = new QFrame(surface);
  m_pageFrame->setFrameShape(QFrame::StyledPanel);
  m_pageFrame->lower();
  m_tabs = new QTabBar(surface);
  m_tabs->setDrawBase(false);
  QObject::connect(m_tabs, &QTabBar::tabBarClicked, m_tabs, [this](int index) {
    if (CPropertySheet* sheet = Sheet(); sheet && index >= 0) sheet->SetActivePage(index);
    SyncTabs();
  });
}

CPropertySheet* SheetPeer::Sheet() const { return dynamic_cast<CPropertySheet*>(Window()); }

void SheetPeer::Sync() {
  WindowPeer::Sync();
  SyncTabs();
}

void SheetPeer::ChildChanged(WindowPeer&) { SyncTabs(); }

void SheetPeer::SyncTabs() {
  CPropertySheet* sheet = Sheet();
  if (!sheet || !m_tabs) return;
  const QSignalBlocker blocker(m_tabs);
  while (m_tabs->count() > sheet->GetPageCount()) m_tabs->removeTab(m_tabs->count() - 1);
  for (int i = 0; i < sheet->GetPageCount(); ++i) {
    QString title = QString::fromStdString(sheet->GetPage(i)->Title());
    if (i >= m_tabs->count()) m_tabs->addTab(title);
    else if (m_tabs->tabText(i) != title) m_tabs->setTabText(i, title);
  }
  if (m_tabs->currentIndex() != sheet->GetActiveIndex()) m_tabs->setCurrentIndex(sheet->GetActiveIndex());
  // The tabs stand on the active page's top edge; the frame goes round the page.
  CPropertyPage* page = sheet->GetActivePage();
  if (!page || !page->IsCreated()) return;
  QRect pageRect = ChildWidgetRect(*page, PeerUnits::DialogUnits);
  QRect margin = DialogUnitsToPixels(CRect(0, 0, kMargin, kMargin));
  int tabsHeight = m_tabs->sizeHint().height();
  m_tabs->setGeometry(pageRect.left(), std::max(pageRect.top() - tabsHeight, 0), pageRect.width(), tabsHeight);
  m_pageFrame->setGeometry(pageRect.adjusted(-margin.width() / 2, 0, margin.width() / 2, margin.height() / 2));
}
