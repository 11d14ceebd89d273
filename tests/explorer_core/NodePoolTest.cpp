// Where nodes live: slots of the node pool for ordinary nodes, the ordinary
// heap for big ones, and anywhere else (stack, inside other objects) for
// nodes not made with new. Every kind answers IsLive truthfully.
#include <array>
#include <memory>
#include <vector>

#include "explorer/core/NodePool.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using NodePoolTest = ExplorerCoreTest;

// Bigger than any slot of the pool.
class BigLeaf : public TestLeaf {
 public:
  BigLeaf() : TestLeaf(nullptr, nullptr) {}
  std::array<char, 4096> payload{};
};

// A node held inside another object.
struct Holder {
  int before = 1;
  TestLeaf node{nullptr, nullptr};
};

TEST_F(NodePoolTest, EveryKindOfNodeIsLiveExactlyWhileItExists) {
  const std::size_t before = CExplorerObject::LiveCount();
  auto pooled = std::make_unique<TestLeaf>(nullptr, nullptr);
  auto big = std::make_unique<BigLeaf>();
  auto holder = std::make_unique<Holder>();
  TestLeaf onStack(nullptr, nullptr);
  const std::vector<CExplorerObject*> nodes = {pooled.get(), big.get(), &holder->node, &onStack};
  for (CExplorerObject* node : nodes) EXPECT_TRUE(CExplorerObject::IsLive(node));
  std::unique_ptr<CExplorerObject> clone(pooled->Clone());
  EXPECT_TRUE(CExplorerObject::IsLive(clone.get()));
  clone.reset();
  EXPECT_FALSE(CExplorerObject::IsLive(nullptr));
  EXPECT_EQ(CExplorerObject::LiveCount(), before + 4);
  EXPECT_EQ(node_pool::SlotState(big.get()), -1) << "big nodes come from the ordinary heap";
  EXPECT_NE(node_pool::SlotState(&holder->node), 1) << "a node inside another object is not a slot";

  CExplorerObject* gonePooled = pooled.get();
  CExplorerObject* goneBig = big.get();
  CExplorerObject* goneHeld = &holder->node;
  pooled.reset();
  big.reset();
  holder.reset();
  EXPECT_FALSE(CExplorerObject::IsLive(gonePooled));
  EXPECT_FALSE(CExplorerObject::IsLive(goneBig));
  EXPECT_FALSE(CExplorerObject::IsLive(goneHeld));
  EXPECT_TRUE(CExplorerObject::IsLive(&onStack));
  EXPECT_EQ(CExplorerObject::LiveCount(), before + 1);
}

TEST_F(NodePoolTest, AnAddressInsideASlotIsNoNode) {
  auto node = std::make_unique<TestLeaf>(nullptr, nullptr);
  if (node_pool::SlotState(node.get()) < 0) GTEST_SKIP() << "the pool is off in sanitizer builds";
  const auto* inside = reinterpret_cast<const CExplorerObject*>(reinterpret_cast<const char*>(node.get()) + 16);
  EXPECT_EQ(node_pool::SlotState(inside), -1);
  EXPECT_FALSE(CExplorerObject::IsLive(inside));
  EXPECT_FALSE(node_pool::MarkLive(inside, true)) << "only a slot's start can be marked";
}

}  // namespace
