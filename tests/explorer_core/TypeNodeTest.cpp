// Nodes made for host types: equality across panes and classes, a type
// deleted elsewhere, deleting and renaming through a node.
#include <memory>

#include "explorer/core/ExplorerMessages.h"
#include "explorer/resources/IconIds.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;
using TypeNodeTest = ExplorerStoreTest;

TEST_F(TypeNodeTest, NodesForTheSameTypeAreEqualOnlyWithinOneClass) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& pump = build.Model(Simulation(), "Pump");
  TestLeaf treeNode(InstanceOf(tank), nullptr);
  TestLeaf listNode(InstanceOf(tank), nullptr);  // the same type shown in the other pane
  TestLeaf otherClass(InstanceOf(tank), nullptr, 0, kOtherLeafClass);
  TestLeaf otherType(InstanceOf(pump), nullptr);
  std::unique_ptr<CExplorerObject> clone(treeNode.Clone());
  TestLeaf byDescriptor(InstanceOf(tank), nullptr);

  EXPECT_TRUE(treeNode == listNode);
  EXPECT_TRUE(listNode == treeNode);
  EXPECT_TRUE(*clone == treeNode);
  EXPECT_FALSE(treeNode == otherClass);
  EXPECT_FALSE(treeNode == otherType);

  // Nodes holding only instances compare their instances.
  TestLeaf a(CExplorerObject::ForInstance{}, InstanceOf(tank), IDI_BLOCK, IDI_BLOCK, nullptr);
  TestLeaf b(CExplorerObject::ForInstance{}, InstanceOf(tank), IDI_BLOCK, IDI_BLOCK, nullptr);
  TestLeaf c(CExplorerObject::ForInstance{}, InstanceOf(pump), IDI_BLOCK, IDI_BLOCK, nullptr);
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a == c);
  // Nodes that hold nothing at all are equal by class (one of a kind, such as "Libraries").
  TestLeaf nothing1(nullptr, nullptr), nothing2(nullptr, nullptr);
  EXPECT_TRUE(nothing1 == nothing2);
}

TEST_F(TypeNodeTest, ATypeDeletedElsewhereLeavesItsNodesInvalidAndEqualOnlyToThemselves) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& pump = build.Model(Simulation(), "Pump");
  TestLeaf stale(InstanceOf(tank), nullptr);
  TestLeaf alsoStale(InstanceOf(pump), nullptr);
  TestLeaf live(InstanceOf(build.Model(Simulation(), "Valve")), nullptr);
  ASSERT_EQ(stale.IsValid(), 1);

  ASSERT_EQ(Simulation().Delete("Tank"), S_OK);
  ASSERT_EQ(Simulation().Delete("Pump"), S_OK);
  EXPECT_EQ(stale.IsValid(), 0);
  EXPECT_EQ(stale.GetType(), nullptr);
  build.Model(Simulation(), "Tank");  // a new type of the old name is another type
  EXPECT_EQ(stale.GetType(), nullptr);
  EXPECT_EQ(stale.IsValid(), 0);

  EXPECT_FALSE(stale == live);
  EXPECT_FALSE(live == stale);
  EXPECT_FALSE(stale == alsoStale);  // two dead nodes do not stand for the same thing
  EXPECT_TRUE(stale == stale);
}

TEST_F(TypeNodeTest, DeletingAsksFirstTellsTheWindowsBeforeAndAfterAndRemovesTheType) {
  RecordingWindow frame;
  build.Model(Simulation(), "Tank");
  TestLeaf node(InstanceOf(*Simulation().Find("Tank")), &frame);
  bool typeThereWhenTold = false;
  frame.onMessage = [&](const RecordedMessage& m) {
    if (m.message == EXPLORER_OBJECT_DELETED) typeThereWhenTold = Simulation().Find("Tank") != nullptr;
  };

  ui.AnswerNo();
  EXPECT_EQ(node.SelfDestruct(1), 0);
  EXPECT_EQ(ui.LastMessage(), "Please Confirm This Operation: Are you sure that you want to delete this object?");
  EXPECT_EQ(ui.Prompts().back().style, MB_YESNO | MB_ICONQUESTION);
  EXPECT_NE(Simulation().Find("Tank"), nullptr);
  EXPECT_TRUE(frame.received.empty());

  ui.AnswerYes();
  EXPECT_EQ(node.SelfDestruct(1), 1);
  EXPECT_EQ(Simulation().Find("Tank"), nullptr);
  ASSERT_EQ(frame.received.size(), 1u);
  EXPECT_EQ(frame.received[0].message, EXPLORER_OBJECT_DELETED);
  EXPECT_EQ(frame.received[0].lParam, reinterpret_cast<LPARAM>(&node));
  EXPECT_TRUE(typeThereWhenTold);
  MessageQueue::Pump();  // the second notice is posted
  ASSERT_EQ(frame.received.size(), 2u);
  EXPECT_EQ(frame.received[1].message, EXPLORER_POSTOBJECT_DELETED);
  EXPECT_EQ(frame.received[1].lParam, reinterpret_cast<LPARAM>(&node));
}

TEST_F(TypeNodeTest, DeletingWithoutConfirmationAsksNothingAndTypesInUseStay) {
  CStoreType& pressure = build.Type(Simulation(), StoreKind::Variable, "Pressure");
  build.Compiled(Simulation(), StoreKind::Model, "Tank", "Model Tank\n  P as Pressure;\nEnd\n");
  TestLeaf used(InstanceOf(pressure), nullptr);
  ui.AnswerOk();
  EXPECT_EQ(used.SelfDestruct(0), 0);
  EXPECT_EQ(ui.LastMessage(), "Sorry!: Cannot delete, type is in use.");
  EXPECT_NE(Simulation().Find("Pressure"), nullptr);

  TestLeaf tank(InstanceOf(*Simulation().Find("Tank")), nullptr);
  EXPECT_EQ(tank.SelfDestruct(0), 1);  // no owner: nothing to tell, still deleted
  EXPECT_EQ(Simulation().Find("Tank"), nullptr);
  EXPECT_EQ(ui.Prompts().size(), 1u);
}

// A taken name's refusal is the model node test's.
TEST_F(TypeNodeTest, RenamingGoesThroughThePaletteAndReportsARefusal) {
  RecordingWindow frame;
  TestLeaf node(InstanceOf(build.Model(Simulation(), "Tank")), &frame);
  EXPECT_EQ(node.RenameType("Reactor"), 1);
  EXPECT_NE(Simulation().Find("Reactor"), nullptr);
  EXPECT_EQ(Simulation().Find("Tank"), nullptr);
  MessageQueue::Pump();
  EXPECT_EQ(frame.Count(EXPLORER_CONTENTS_CHANGED), 1);

  // A name the host's rule refuses: the message says what is wrong with it, and nothing changes.
  ui.AnswerOk();
  EXPECT_EQ(node.RenameType("2nd Reactor"), 0);
  EXPECT_EQ(ui.Prompts().back().text, "The name \"2nd Reactor\" must begin with a letter or an underscore.");
  EXPECT_NE(Simulation().Find("Reactor"), nullptr);
  MessageQueue::Pump();
  EXPECT_EQ(frame.Count(EXPLORER_CONTENTS_CHANGED), 1);

  TestLeaf nothing(nullptr, nullptr);
  EXPECT_EQ(nothing.RenameType("Other"), 0);
}

}  // namespace
