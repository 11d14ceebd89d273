// The Model Libraries palette of the desktop program on the sample: the
// libraries, the tabs in the order the folders were given (the hidden folder
// left out), models with their pictures, stream types with their lines, and
// a rename made in the Explorer shown without a restart.
#include <gtest/gtest.h>

#include <memory>

#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QTabBar>

#include "app/DesktopSession.h"
#include "app/LibraryToolbar.h"
#include "app/MainWindow.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerTreeView.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/ScopedConfigDir.h"

namespace {

class LibraryToolbarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    session = std::make_unique<DesktopSession>();
    ASSERT_TRUE(session->IsReady());
    session->Window().show();
    std::string problem;
    ASSERT_TRUE(session->Open("", "", problem)) << problem;
    ASSERT_TRUE(session->OpenStartupExplorer());
    ProcessAll();
    toolbar = session->Toolbar();
    ASSERT_NE(toolbar, nullptr);
  }
  void TearDown() override { session.reset(); }

  static QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  }
  static QStringList Tabs(QTabBar* tabs) {
    QStringList texts;
    for (int tab = 0; tab < tabs->count(); ++tab) texts << tabs->tabText(tab);
    return texts;
  }

  ScopedConfigDir config;
  std::unique_ptr<DesktopSession> session;
  LibraryToolbar* toolbar = nullptr;
};

TEST_F(LibraryToolbarTest, TheSampleLibrariesTabsModelsAndStreamTypesAreShown) {
  EXPECT_TRUE(toolbar->isVisible());
  QStringList libraries;
  for (int i = 0; i < toolbar->Libraries()->count(); ++i) libraries << toolbar->Libraries()->itemText(i);
  EXPECT_EQ(libraries, (QStringList{"Custom Modeling", "ProcessUnits", "Modeler", "SystemLibrary"}));
  EXPECT_EQ(Tabs(toolbar->Tabs()), (QStringList{"Tanks and vessels", "Valves, pumps and their control", "Models"}))
      << "the hidden folder Obsolete has no tab";
  EXPECT_EQ(Texts(toolbar->Models()), (QStringList{"BufferTank", "ProductTank"}));
  const QImage picture = toolbar->Models()->item(0)->icon().pixmap(32, 32).toImage();
  EXPECT_GT(ColourCount(picture), 1) << "the model's picture is drawn";
  EXPECT_EQ(Texts(toolbar->Streams()), (QStringList{"LiquidLine"}));
  EXPECT_GT(ColourCount(toolbar->Streams()->item(0)->icon().pixmap(48, 16).toImage()), 1) << "its line is drawn";

  toolbar->Tabs()->setCurrentIndex(1);
  EXPECT_EQ(Texts(toolbar->Models()), (QStringList{"ControlValve", "TransferPump", "LevelController"}));
  toolbar->Libraries()->setCurrentIndex(1);
  EXPECT_EQ(Tabs(toolbar->Tabs()), (QStringList{"Tanks and drums", "Control and hand valves", "Models"}));
  EXPECT_EQ(Texts(toolbar->Models()), (QStringList{"OpenTank"}));
}

TEST_F(LibraryToolbarTest, AModelRenamedInTheExplorerIsShownUnderItsNewName) {
  CExplorerFrame* explorer = ShownExplorers().front();
  CExplorerTreeView* tree = explorer->GetTreeView();
  HTREEITEM item = tree->GetRootTreeItem();
  for (const char* label : {"Custom Modeling", "Storage", "BufferTank"}) {
    tree->Expand(item, TVE_EXPAND);
    HTREEITEM child = tree->GetChildItem(item);
    while (child && tree->GetItemText(child) != label) child = tree->GetNextSiblingItem(child);
    ASSERT_TRUE(child) << label;
    item = child;
  }
  ASSERT_TRUE(tree->GetExplorerObject(item)->EditLabel("SurgeTank"));
  ProcessAll();
  EXPECT_EQ(Texts(toolbar->Models()), (QStringList{"SurgeTank", "ProductTank"}));
}

}  // namespace
