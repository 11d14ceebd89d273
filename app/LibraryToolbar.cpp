#include "app/LibraryToolbar.h"

#include <functional>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/peers/DrawReplay.h"
#include "explorer/dialogs/StreamDrawStyles.h"
#include "explorer/libtoolbar/InvLibTBExplorer.h"
#include "workbench/document/WorkbenchApp.h"

namespace {

constexpr int kModelPicture = 32;
constexpr int kStreamPictureWidth = 48;
constexpr int kStreamPictureHeight = 16;
constexpr COLORREF kPictureBackground = RGB(255, 255, 255);
// A tab the folder's owner hid from the toolbar.
constexpr const char* kHiddenTab = "#$";
constexpr int kTreeItemRole = Qt::UserRole + 1;

// A palette row list whose drags are the hidden Explorer's.
class PaletteList : public QListWidget {
 public:
  explicit PaletteList(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
  }
  std::function<void(int row)> onDrag;

 protected:
  void startDrag(Qt::DropActions) override {
    if (onDrag && currentRow() >= 0) onDrag(currentRow());
  }
};

QPixmap Picture(const CDC& drawing, int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  ReplayDrawing(painter, drawing);
  return pixmap;
}

// A stream type's line: the style number minus one in bits 8-15 of code, the colour in bits 0-7 (-1: unknown).
QPixmap StreamLine(int code) {
  const int style = code < 0 ? 1 : ((code >> 8) & 0xFF) + 1;
  const int colour = code < 0 ? kPaletteBlack : code & 0xFF;
  const StreamLineStyle line = StreamLineStyleOf(style);
  CDC dc;
  dc.SelectObject(CPen(line.penStyle, line.width, StreamPaletteColour(colour)));
  dc.MoveTo(2, kStreamPictureHeight / 2);
  dc.LineTo(kStreamPictureWidth - 2, kStreamPictureHeight / 2);
  return Picture(dc, kStreamPictureWidth, kStreamPictureHeight);
}

HTREEITEM ItemOfRow(QListWidget& list, int row) {
  QListWidgetItem* entry = list.item(row);
  return entry ? reinterpret_cast<HTREEITEM>(entry->data(kTreeItemRole).value<quintptr>()) : nullptr;
}

}  // namespace

LibraryToolbar::LibraryToolbar(CWorkbenchApp& app, QWidget* parent) : QDockWidget("Model Libraries", parent), m_app(app) {
  setObjectName("ModelLibraries");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  m_libraries = new QComboBox(body);
  m_tabs = new QTabBar(body);
  m_tabs->setExpanding(false);
  auto* models = new PaletteList(body);
  models->setViewMode(QListView::IconMode);
  models->setIconSize(QSize(kModelPicture, kModelPicture));
  models->setResizeMode(QListView::Adjust);
  models->setMovement(QListView::Static);
  models->setWordWrap(true);
  models->onDrag = [this, models](int row) { StartDrag(*models, row); };
  m_models = models;
  auto* streams = new PaletteList(body);
  streams->setIconSize(QSize(kStreamPictureWidth, kStreamPictureHeight));
  streams->setMaximumHeight(110);
  streams->onDrag = [this, streams](int row) { StartDrag(*streams, row); };
  m_streams = streams;
  layout->addWidget(m_libraries);
  layout->addWidget(m_tabs);
  layout->addWidget(m_models, 1);
  layout->addWidget(new QLabel("Stream Types", body));
  layout->addWidget(m_streams);
  setWidget(body);

  QObject::connect(m_libraries, &QComboBox::currentIndexChanged, this, [this] {
    if (!m_filling) ShowLibrary();
  });
  QObject::connect(m_tabs, &QTabBar::currentChanged, this, [this] {
    if (!m_filling) ShowTab();
  });
  m_app.SetLibraryToolbarPresent(true);
  m_app.onLibraryToolbarUpdate = [this](int) { ScheduleRefresh(); };
}

LibraryToolbar::~LibraryToolbar() {
  m_app.onLibraryToolbarUpdate = nullptr;
  m_app.SetLibraryToolbarPresent(false);
  CInvLibTBExplorer::DestroyInvInstance();
}

void LibraryToolbar::ScheduleRefresh() {
  // The host tells of changes while Explorers are still handling them: the palette reads afterwards, once.
  if (m_refreshPending) return;
  m_refreshPending = true;
  QTimer::singleShot(0, this, [this] {
    m_refreshPending = false;
    Refresh();
  });
}

void LibraryToolbar::Refresh() {
  CInvLibTBExplorer* provider = CInvLibTBExplorer::GetInvInstance();
  provider->GetTreeCount();  // makes the hidden Explorer again when it has gone
  provider->GetParseTree();
  const QString chosen = m_libraries->currentText();
  m_filling = true;
  m_libraries->clear();
  for (int lib = 0; lib < provider->GetAllLibCount(); ++lib)
    m_libraries->addItem(QString::fromStdString(provider->GetLibName(lib)));
  const int keep = m_libraries->findText(chosen);
  m_libraries->setCurrentIndex(keep >= 0 ? keep : 0);
  m_filling = false;
  ShowLibrary();
}

void LibraryToolbar::ShowLibrary() {
  CInvLibTBExplorer* provider = CInvLibTBExplorer::GetInvInstance();
  const int lib = m_libraries->currentIndex();
  std::vector<std::string> names;
  std::vector<HTREEITEM> items;
  std::vector<int> order;
  provider->GetLibTabNamehItemList(lib, names, items, order);
  const QString chosen = m_tabs->currentIndex() >= 0 ? m_tabs->tabText(m_tabs->currentIndex()) : QString();
  m_filling = true;
  while (m_tabs->count() > 0) m_tabs->removeTab(0);
  m_tabTreeIndex.clear();
  int keep = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == kHiddenTab) continue;
    const QString name = QString::fromStdString(names[i]);
    if (name == chosen) keep = m_tabs->count();
    m_tabs->addTab(name);
    m_tabTreeIndex.push_back(order[i]);
  }
  if (m_tabs->count() > 0) m_tabs->setCurrentIndex(keep);
  m_filling = false;
  ShowTab();
  ShowStreams();
}

void LibraryToolbar::ShowTab() {
  m_models->clear();
  const int tab = m_tabs->currentIndex();
  if (tab < 0 || tab >= static_cast<int>(m_tabTreeIndex.size())) return;
  std::vector<std::string> names;
  std::vector<HTREEITEM> items;
  std::vector<CInvLibTBModelIcons> icons;
  CInvLibTBExplorer::GetInvInstance()->GetLibTabModelList(m_libraries->currentIndex(), m_tabTreeIndex[tab], names, items,
                                                          icons, CSize(kModelPicture, kModelPicture), kPictureBackground);
  for (std::size_t m = 0; m < names.size(); ++m) {
    const CInvLibTBModelIcons& pictures = icons[m];
    QPixmap picture(kModelPicture, kModelPicture);
    picture.fill(Qt::white);
    if (pictures.defaultIcon >= 0 && pictures.defaultIcon < static_cast<int>(pictures.bitmaps.size()))
      picture = Picture(pictures.bitmaps[pictures.defaultIcon], kModelPicture, kModelPicture);
    auto* entry = new QListWidgetItem(QIcon(picture), QString::fromStdString(names[m]), m_models);
    entry->setData(kTreeItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(items[m])));
  }
}

void LibraryToolbar::ShowStreams() {
  m_streams->clear();
  std::vector<std::string> names;
  std::vector<HTREEITEM> items;
  std::vector<int> styles;
  CInvLibTBExplorer::GetInvInstance()->GetLibStreamList(m_libraries->currentIndex(), names, items, styles);
  for (std::size_t s = 0; s < names.size(); ++s) {
    auto* entry = new QListWidgetItem(QIcon(StreamLine(s < styles.size() ? styles[s] : -1)),
                                      QString::fromStdString(names[s]), m_streams);
    entry->setData(kTreeItemRole, QVariant::fromValue(reinterpret_cast<quintptr>(items[s])));
  }
}

void LibraryToolbar::StartDrag(QListWidget& list, int row) {
  HTREEITEM item = ItemOfRow(list, row);
  // A drag from the palette places a copy: it never moves the type out of its library.
  if (item) CInvLibTBExplorer::GetInvInstance()->OnBeginDragTreeItem(item, true);
}
