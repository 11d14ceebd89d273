#include "explorer/core/NodePool.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define VORTAN_NODE_POOL_OFF 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORTAN_NODE_POOL_OFF 1
#endif
#endif

namespace node_pool {

#ifdef VORTAN_NODE_POOL_OFF

void* Allocate(std::size_t size) { return ::operator new(size); }
void Free(void* p, std::size_t) noexcept { ::operator delete(p); }
bool MarkLive(const void*, bool) noexcept { return false; }
int SlotState(const void*) noexcept { return -1; }
std::size_t LiveSlots() noexcept { return 0; }
std::size_t SlotBytesInUse() noexcept { return 0; }

#else

namespace {

constexpr std::size_t kGranule = 16;        // slot sizes are multiples of this
constexpr std::size_t kLargestSlot = 1024;  // bigger nodes come from the ordinary heap
constexpr std::size_t kBlockBytes = 256 * 1024;
static_assert(kBlockBytes <= (std::size_t{1} << 18) && kLargestSlot <= 1024, "SlotOf's division by multiplication");
constexpr std::size_t kClasses = kLargestSlot / kGranule;

struct Block {
  std::byte* begin = nullptr;
  std::size_t slotSize = 0;
  std::size_t slotCount = 0;
  std::uint64_t reciprocal = 0;      // 2^32 / slotSize rounded up: offset / slotSize without a division
  std::size_t number = 0;            // its place among the blocks of its size
  std::vector<std::uint64_t> taken;  // a bit per slot handed out (bits past the last slot stay set)
  std::vector<std::uint64_t> live;   // a bit per slot holding a live node
};

// Free slots are handed out lowest address first: nodes made together then
// lie together whatever order the earlier ones were deleted in, which keeps
// filling a pane a walk through memory rather than a jump per node.
struct SizeClass {
  std::vector<Block*> blocks;
  // No slot before this block and word is free.
  std::size_t cursorBlock = 0;
  std::size_t cursorWord = 0;
};

struct Pool {
  SizeClass classes[kClasses];
  std::vector<std::unique_ptr<Block>> blocks;  // by address, for lookups
  std::size_t liveSlots = 0;

  Block* NewBlock(SizeClass& sizeClass, std::size_t slotSize) {
    auto block = std::make_unique<Block>();
    block->begin = static_cast<std::byte*>(::operator new(kBlockBytes, std::align_val_t(kGranule)));
    block->slotSize = slotSize;
    block->slotCount = kBlockBytes / slotSize;
    block->reciprocal = ((std::uint64_t{1} << 32) + slotSize - 1) / slotSize;
    block->number = sizeClass.blocks.size();
    const std::size_t words = (block->slotCount + 63) / 64;
    block->taken.assign(words, 0);
    block->live.assign(words, 0);
    if (const std::size_t tail = block->slotCount % 64) block->taken.back() = ~std::uint64_t{0} << tail;
    Block* raw = block.get();
    sizeClass.blocks.push_back(raw);
    auto at = std::upper_bound(blocks.begin(), blocks.end(), raw->begin,
                               [](const std::byte* p, const std::unique_ptr<Block>& b) { return p < b->begin; });
    blocks.insert(at, std::move(block));
    return raw;
  }

  // The block holding p and p's slot number in it, when p starts a slot.
  Block* SlotOf(const void* p, std::size_t& slot) const {
    const auto* address = static_cast<const std::byte*>(p);
    auto after = std::upper_bound(blocks.begin(), blocks.end(), address,
                                  [](const std::byte* a, const std::unique_ptr<Block>& b) { return a < b->begin; });
    if (after == blocks.begin()) return nullptr;
    Block* block = std::prev(after)->get();
    if (address >= block->begin + kBlockBytes) return nullptr;
    const std::size_t offset = static_cast<std::size_t>(address - block->begin);
    // Exact for every offset within a block: offsets stay below 2^18, slots below 2^10 bytes.
    const std::size_t number = static_cast<std::size_t>((offset * block->reciprocal) >> 32);
    if (number >= block->slotCount || number * block->slotSize != offset) return nullptr;
    slot = number;
    return block;
  }
};

// Made once and never destroyed: nodes may still be deleted while the
// program's static objects are torn down.
Pool& ThePool() {
  static Pool* pool = new Pool;
  return *pool;
}

std::size_t ClassOf(std::size_t size) { return (std::max<std::size_t>(size, 1) + kGranule - 1) / kGranule - 1; }

void* TakeFirstFreeSlot(Pool& pool, SizeClass& sizeClass, std::size_t slotSize) {
  for (std::size_t b = sizeClass.cursorBlock; b < sizeClass.blocks.size(); ++b) {
    Block& block = *sizeClass.blocks[b];
    for (std::size_t w = b == sizeClass.cursorBlock ? sizeClass.cursorWord : 0; w < block.taken.size(); ++w) {
      const std::uint64_t free = ~block.taken[w];
      if (!free) continue;
      const int bit = std::countr_zero(free);
      block.taken[w] |= std::uint64_t{1} << bit;
      sizeClass.cursorBlock = b;
      sizeClass.cursorWord = w;
      return block.begin + slotSize * (w * 64 + static_cast<std::size_t>(bit));
    }
  }
  Block& block = *pool.NewBlock(sizeClass, slotSize);
  block.taken[0] |= 1;
  sizeClass.cursorBlock = block.number;
  sizeClass.cursorWord = 0;
  return block.begin;
}

}  // namespace

void* Allocate(std::size_t size) {
  if (size > kLargestSlot) return ::operator new(size);
  const std::size_t sizeClass = ClassOf(size);
  Pool& pool = ThePool();
  return TakeFirstFreeSlot(pool, pool.classes[sizeClass], (sizeClass + 1) * kGranule);
}

void Free(void* p, std::size_t size) noexcept {
  if (!p) return;
  if (size > kLargestSlot) {
    ::operator delete(p);
    return;
  }
  Pool& pool = ThePool();
  std::size_t slot = 0;
  Block* block = pool.SlotOf(p, slot);
  if (!block) return;  // not ours: nothing to give back
  const std::size_t word = slot / 64;
  block->taken[word] &= ~(std::uint64_t{1} << (slot % 64));
  SizeClass& sizeClass = pool.classes[ClassOf(size)];
  if (block->number < sizeClass.cursorBlock ||
      (block->number == sizeClass.cursorBlock && word < sizeClass.cursorWord)) {
    sizeClass.cursorBlock = block->number;
    sizeClass.cursorWord = word;
  }
}

bool MarkLive(const void* p, bool live) noexcept {
  Pool& pool = ThePool();
  std::size_t slot = 0;
  Block* block = pool.SlotOf(p, slot);
  if (!block) return false;
  std::uint64_t& word = block->live[slot / 64];
  const std::uint64_t bit = std::uint64_t{1} << (slot % 64);
  if (live && !(word & bit)) ++pool.liveSlots;
  if (!live && (word & bit)) --pool.liveSlots;
  word = live ? (word | bit) : (word & ~bit);
  return true;
}

int SlotState(const void* p) noexcept {
  std::size_t slot = 0;
  const Block* block = ThePool().SlotOf(p, slot);
  if (!block) return -1;
  return (block->live[slot / 64] >> (slot % 64)) & 1 ? 1 : 0;
}

std::size_t LiveSlots() noexcept { return ThePool().liveSlots; }

std::size_t SlotBytesInUse() noexcept {
  std::size_t bytes = 0;
  for (const auto& block : ThePool().blocks) {
    std::size_t slots = 0;
    for (std::uint64_t word : block->taken) slots += static_cast<std::size_t>(std::popcount(word));
    slots -= block->taken.size() * 64 - block->slotCount;  // the bits past the last slot
    bytes += slots * block->slotSize;
  }
  return bytes;
}

#endif

}  // namespace node_pool
