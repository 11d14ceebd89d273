#include "tests/app/AppTestSupport.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "explorer/window/ExplorerFrame.h"

#include <cstdlib>
#include <map>
#include <set>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/CustomDraw.h"
#include "platform/ListCtrl.h"
#include "platform/TreeCtrl.h"

QApplication& TestApplication() {
  static QApplication* application = [] {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);  // lives as long as the test program
  }();
  return *application;
}

void ProcessAll() {
  TestApplication();
  // Zero-timers and posted events may lead to messages and back: a few rounds settle them.
  for (int round = 0; round < 6; ++round) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    MessageQueue::Pump();
  }
  if (WindowPeerFactory* peers = WindowPeerFactory::Current()) peers->FlushAll();
}

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers) {
  QPointF local(position);
  QPointF global = widget->mapToGlobal(local);
  Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
  QMouseEvent event(type, local, global, button, buttons, modifiers);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

void ClickAt(QWidget* widget, QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  SendMouse(widget, QEvent::MouseButtonPress, position, button, modifiers);
  SendMouse(widget, QEvent::MouseButtonRelease, position, button, modifiers);
}

void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) PressKey(widget, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

int ColourCount(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  }
  return static_cast<int>(colours.size());
}

class PeerTestHost::ParentWindow : public CWnd {
 public:
  std::vector<Notification> notifications;
  std::map<int, LRESULT> answers;
  std::function<LRESULT(NMHDR*)>* customDraw = nullptr;

 protected:
  bool OnNotify(WPARAM, NMHDR* header, LRESULT* result) override {
    if (header->code == NM_CUSTOMDRAW) {
      *result = customDraw && *customDraw ? (*customDraw)(header) : CDRF_DODEFAULT;
      return true;
    }
    Notification record;
    record.code = header->code;
    switch (header->code) {
      case LVN_COLUMNCLICK:
      case LVN_BEGINDRAG:
      case LVN_BEGINRDRAG: {
        auto* list = reinterpret_cast<NMLISTVIEW*>(header);
        record.item = list->iItem;
        record.subItem = list->iSubItem;
        break;
      }
      case NM_CLICK:
      case NM_DBLCLK:
      case NM_RCLICK:
        if (dynamic_cast<CListCtrl*>(CWnd::FromHandle(header->hwndFrom))) {
          auto* click = reinterpret_cast<NMITEMACTIVATE*>(header);
          record.item = click->iItem;
          record.subItem = click->iSubItem;
        }
        break;
      case LVN_ENDLABELEDIT: {
        auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
        record.item = info->item.iItem;
        record.text = info->item.pszText ? info->item.pszText : "";
        break;
      }
      case TVN_ENDLABELEDIT: {
        auto* info = reinterpret_cast<NMTVDISPINFO*>(header);
        record.text = info->item.pszText ? info->item.pszText : "";
        break;
      }
      default:
        break;
    }
    notifications.push_back(record);
    auto answer = answers.find(header->code);
    *result = answer == answers.end() ? 0 : answer->second;
    return true;
  }
};

PeerTestHost::PeerTestHost(int width, int height) {
  TestApplication();
  m_host = std::make_unique<QWidget>();
  m_host->resize(width, height);
  m_parent = std::make_unique<ParentWindow>();
  m_parent->customDraw = &customDraw;
  m_parent->CreateEx(0, "TestParent", "", WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0);
  m_peers.AdoptTopLevel(*m_parent, *m_host, PeerUnits::Pixels);
  m_host->show();
}

PeerTestHost::~PeerTestHost() {
  if (m_parent && m_parent->m_hWnd) m_parent->DestroyWindow();
  m_parent.reset();
  m_host.reset();
  MessageQueue::Clear();
}

CWnd& PeerTestHost::Parent() { return *m_parent; }
const std::vector<PeerTestHost::Notification>& PeerTestHost::Notifications() const { return m_parent->notifications; }

std::vector<int> PeerTestHost::Codes() const {
  std::vector<int> codes;
  for (const Notification& n : m_parent->notifications) codes.push_back(n.code);
  return codes;
}

void PeerTestHost::ClearNotifications() { m_parent->notifications.clear(); }
void PeerTestHost::Answer(int code, LRESULT result) { m_parent->answers[code] = result; }

std::vector<CExplorerFrame*> ShownExplorers() {
  std::vector<CExplorerFrame*> shown;
  for (CExplorerFrame* frame : CExplorerFrame::ActiveExplorers())
    if (frame->IsVisibleFlag()) shown.push_back(frame);
  return shown;
}

QList<QMdiSubWindow*> ShownSubWindows(QMdiArea& area) {
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* sub : area.subWindowList())
    if (!sub->isHidden()) shown << sub;
  return shown;
}
