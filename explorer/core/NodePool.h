// Storage for explorer nodes. A folder of 100 000 types makes and drops
// 100 000 nodes at a time; the pool hands out fixed-size slots from large
// blocks, reuses freed slots first, and never gives a block back, so making
// a node costs a few instructions and nodes made together lie together.
//
// The pool also answers whether an address holds a live node, by a bit per
// slot beside the block: looking at a slot never reads a node's memory, so
// asking about a node that was deleted is always safe.
//
// Under AddressSanitizer every node comes from the ordinary heap instead, so
// use after deletion is still caught; the pool then owns no slot.
#pragma once

#include <cstddef>

namespace node_pool {

// Memory for a node of size bytes; ordinary heap memory for sizes the pool does not keep.
void* Allocate(std::size_t size);
// Gives back memory Allocate returned for the same size.
void Free(void* p, std::size_t size) noexcept;

// Marks the slot starting at p as holding a live node or not. False when p
// does not start a slot of the pool (the caller keeps track of it itself).
bool MarkLive(const void* p, bool live) noexcept;
// 1 when p starts a slot holding a live node, 0 when it starts a slot that
// does not, -1 when p does not start a slot of the pool.
int SlotState(const void* p) noexcept;
// How many slots hold a live node.
std::size_t LiveSlots() noexcept;
// The bytes of the slots handed out and not given back (for measurements).
std::size_t SlotBytesInUse() noexcept;

}  // namespace node_pool
