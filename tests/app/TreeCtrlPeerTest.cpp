#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTreeView>

#include "app/models/ItemRoles.h"
#include "app/models/TreeCtrlModel.h"
#include "app/peers/InPlaceLabelEditor.h"
#include "app/peers/TreeCtrlPeer.h"
#include "app/ui/QtUserInterface.h"
#include "explorer/resources/ExplorerResources.h"
#include "explorer/resources/IconIds.h"
#include "platform/TreeCtrl.h"
#include "tests/app/AppTestSupport.h"

namespace {

class TreeCtrlPeerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterExplorerResources();
    images.Create(16, 16, ILC_MASK, 0, 10);
    folderImage = images.Add(LoadIcon(IDI_FOLDER));
    modelImage = images.Add(LoadIcon(IDI_MODEL));
    images.SetOverlayImage(images.Add(LoadIcon(IDI_OVERLAY_ERROR_MARK)), 1);
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS |
                                TVS_SHOWSELALWAYS,
                            CRect(0, 0, 320, 260), &host.Parent(), 101));
    tree.SetImageList(&images, TVSIL_NORMAL);
    root = tree.InsertItem("Simulation", folderImage, folderImage);
    flowsheet = tree.InsertItem("Flowsheet", folderImage, folderImage, root);
    libraries = tree.InsertItem("Libraries", folderImage, folderImage, root);
    ProcessAll();
  }
  void TearDown() override { tree.DestroyWindow(); }

  TreeCtrlPeer& Peer() { return *dynamic_cast<TreeCtrlPeer*>(host.Peers().PeerOf(tree.m_hWnd)); }
  QTreeView& View() { return *Peer().View(); }
  TreeCtrlModel& Model() { return *Peer().Model(); }
  QPoint LabelCentre(HTREEITEM item) { return View().visualRect(Model().IndexOf(item)).center(); }

  PeerTestHost host;
  QtUserInterface ui{host.Peers()};
  ScopedUserInterface installed{ui};
  CImageList images;
  CTreeCtrl tree;
  int folderImage = 0, modelImage = 0;
  HTREEITEM root = nullptr, flowsheet = nullptr, libraries = nullptr;
};

TEST_F(TreeCtrlPeerTest, TheModelShowsTheControlsItemsAndFollowsItsChanges) {
  TreeCtrlModel& model = Model();
  ASSERT_EQ(model.rowCount(), 1);
  QModelIndex top = model.index(0, 0);
  EXPECT_EQ(top.data().toString(), "Simulation");
  ASSERT_EQ(model.rowCount(top), 2);
  QModelIndex second = model.index(1, 0, top);
  EXPECT_EQ(second.data().toString(), "Libraries");
  EXPECT_EQ(model.parent(second), top);
  EXPECT_EQ(model.ItemAt(second), libraries);

  QModelIndex flowsheetIndex = model.index(0, 0, top);
  tree.DeleteItem(flowsheet);
  EXPECT_TRUE(model.IsResetPending()) << "a structure change waits for the event loop";
  EXPECT_FALSE(flowsheetIndex.data().isValid()) << "an index of a deleted item shows nothing";
  ProcessAll();
  EXPECT_FALSE(model.IsResetPending());
  ASSERT_EQ(model.rowCount(model.index(0, 0)), 1);
  EXPECT_EQ(model.index(0, 0, model.index(0, 0)).data().toString(), "Libraries");

  tree.SetItemText(libraries, "Model Libraries");
  EXPECT_EQ(model.IndexOf(libraries).data().toString(), "Model Libraries");
}

TEST_F(TreeCtrlPeerTest, PicturesCarryTheOverlayOfTheItemState) {
  HTREEITEM plain = tree.InsertItem("Reactor", modelImage, modelImage, flowsheet);
  HTREEITEM failing = tree.InsertItem("Mixer", modelImage, modelImage, flowsheet);
  tree.SetItemState(failing, INDEXTOOVERLAYMASK(1), TVIS_OVERLAYMASK);
  ProcessAll();
  QImage plainPicture = Model().IndexOf(plain).data(Qt::DecorationRole).value<QPixmap>().toImage();
  QImage failingPicture = Model().IndexOf(failing).data(Qt::DecorationRole).value<QPixmap>().toImage();
  ASSERT_EQ(plainPicture.size(), QSize(16, 16));
  EXPECT_NE(plainPicture, failingPicture) << "the error mark is drawn over the picture";
}

TEST_F(TreeCtrlPeerTest, ExpansionAndSelectionFollowTheControl) {
  TVINSERTSTRUCT insert;
  insert.hParent = libraries;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
  insert.item.pszText = "Modeler";
  insert.item.cChildren = 1;
  HTREEITEM deferred = tree.InsertItem(&insert);
  ProcessAll();
  EXPECT_TRUE(Model().hasChildren(Model().IndexOf(deferred))) << "children announced before they exist show a button";

  tree.Expand(root, TVE_EXPAND);
  EXPECT_TRUE(View().isExpanded(Model().IndexOf(root)));
  tree.InsertItem("Reactor", modelImage, modelImage, flowsheet);
  tree.Expand(flowsheet, TVE_EXPAND);
  ProcessAll();
  EXPECT_TRUE(View().isExpanded(Model().IndexOf(root))) << "expansion survives the reset after an insertion";
  EXPECT_TRUE(View().isExpanded(Model().IndexOf(flowsheet)));
  tree.Expand(root, TVE_COLLAPSE);
  EXPECT_FALSE(View().isExpanded(Model().IndexOf(root)));

  tree.SelectItem(libraries);
  EXPECT_TRUE(Model().IndexOf(libraries).data(kSelectedRole).toBool());
  EXPECT_FALSE(Model().IndexOf(root).data(kSelectedRole).toBool());
}

TEST_F(TreeCtrlPeerTest, ClicksAndKeysOnTheViewAreTheControlsUserActions) {
  tree.Expand(root, TVE_EXPAND);
  ProcessAll();
  host.ClearNotifications();
  ClickAt(View().viewport(), LabelCentre(flowsheet));
  EXPECT_EQ(tree.GetSelectedItem(), flowsheet);
  std::vector<int> codes = host.Codes();
  EXPECT_NE(std::find(codes.begin(), codes.end(), NM_CLICK), codes.end());
  EXPECT_NE(std::find(codes.begin(), codes.end(), TVN_SELCHANGED), codes.end());

  PressKey(&View(), Qt::Key_Down);
  EXPECT_EQ(tree.GetSelectedItem(), libraries) << "the arrow key moved the control's caret";

  // The button in front of the root item collapses it.
  QRect rootRect = View().visualRect(Model().IndexOf(root));
  ClickAt(View().viewport(), QPoint(rootRect.left() - View().indentation() / 2, rootRect.center().y()));
  EXPECT_FALSE(tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
  EXPECT_FALSE(View().isExpanded(Model().IndexOf(root)));
}

TEST_F(TreeCtrlPeerTest, ALabelIsEditedInPlaceAndEnterCommitsTheTypedText) {
  tree.Expand(root, TVE_EXPAND);
  ProcessAll();
  host.Answer(TVN_ENDLABELEDIT, TRUE);
  ASSERT_NE(tree.EditLabel(flowsheet), nullptr);
  InPlaceLabelEditor* editor = host.Peers().LabelEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "Flowsheet");
  EXPECT_TRUE(editor->isVisible());
  editor->selectAll();
  TypeText(editor, "Plant");
  EXPECT_EQ(tree.GetEditControl()->GetWindowText(), "Plant") << "typing reaches the control's editor";
  PressKey(editor, Qt::Key_Return);
  EXPECT_FALSE(tree.IsEditingLabel());
  EXPECT_EQ(tree.GetItemText(flowsheet), "Plant");
  ASSERT_FALSE(host.Notifications().empty());
  EXPECT_EQ(host.Notifications().back().code, TVN_ENDLABELEDIT);
  EXPECT_EQ(host.Notifications().back().text, "Plant");
  ProcessAll();
  EXPECT_EQ(host.Peers().LabelEditor(), nullptr) << "the editor is gone with the edit";
}

TEST_F(TreeCtrlPeerTest, AHundredThousandItemsNeedNoWidgetPerRow) {
  for (int i = 0; i < 100000; ++i) tree.InsertItem("Variable " + std::to_string(i), modelImage, modelImage, libraries);
  tree.Expand(root, TVE_EXPAND);
  tree.Expand(libraries, TVE_EXPAND);
  ProcessAll();
  QModelIndex librariesIndex = Model().IndexOf(libraries);
  ASSERT_EQ(Model().rowCount(librariesIndex), 100000);
  EXPECT_EQ(Model().index(99999, 0, librariesIndex).data().toString(), "Variable 99999");
  View().scrollToBottom();
  QPixmap drawn = View().grab();
  EXPECT_FALSE(drawn.isNull());
  EXPECT_LT(View().findChildren<QWidget*>().size(), 30) << "rows are painted, not made of widgets";
}

}  // namespace
