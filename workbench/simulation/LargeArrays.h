// Memory for the arrays of a large flowsheet and of the equation systems its
// runs build: at a hundred thousand blocks, several hundred megabytes that
// every run walks end to end and builds anew.
//
// Large pages: with 4 KiB pages, most of such a walk is spent translating
// addresses. Where the kernel offers 2 MiB pages on request, an array asks for
// them before it is first written; where it does not, nothing changes.
//
// Freed memory kept: a run frees its equation system when it ends. Left to its
// defaults, the allocator hands a large system's memory back to the kernel and
// the next run takes it again a page at a time, which costs that run almost as
// much as the building itself; a small system's memory it keeps. After
// KeepFreedMemory the process keeps it whatever the size.
#pragma once

#include <cstddef>
#include <vector>

// Asks for large pages under the whole 2 MiB pages of [data, data + bytes) not written yet.
void AdviseLargePages(const void* data, std::size_t bytes);

// Once per process, before the first large run: freed memory stays with the process for the next.
void KeepFreedMemory();

// Room for count elements in all, the room not written yet on large pages.
template <class T>
void ReserveLarge(std::vector<T>& array, std::size_t count) {
  array.reserve(count);
  AdviseLargePages(array.data() + array.size(), (array.capacity() - array.size()) * sizeof(T));
}

// array.assign(count, value), written on large pages when it is new memory.
template <class T>
void AssignLarge(std::vector<T>& array, std::size_t count, const T& value) {
  array.clear();
  ReserveLarge(array, count);
  array.assign(count, value);
}
