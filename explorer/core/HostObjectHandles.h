// Process-local handles for host objects that travel in clipboard and drag
// payloads. A payload never carries an address: it carries a handle that only
// this table can turn back into an object. The process id sits in the upper
// half, so a handle written by another process never resolves here; the table
// keeps a counted reference on the most recent objects and forgets the oldest
// when it is full, and an object the store reports as gone no longer resolves.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/com/ComPtr.h"

class CHostObjectHandles {
 public:
  using Handle = std::uint64_t;
  static constexpr Handle kNoHandle = 0;
  // How many objects the table keeps alive at most.
  static constexpr std::size_t kCapacity = 64;

  // The handle of object (the same one while the object is remembered); kNoHandle for null.
  static Handle Register(IUnknown* object);
  // The object behind handle, or null: a handle of another process, a handle
  // revoked or forgotten, or an object whose store says it no longer exists.
  static CComPtr<IUnknown> Resolve(Handle handle);
  // Lets go of the object behind handle (a finished drag); harmless for any other value.
  static void Revoke(Handle handle);
  // Lets go of every object (shutdown and test isolation).
  static void Clear();
  static std::size_t Count();
};
