#include "explorer/core/HostObjectHandles.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "host/store/IFNaming.h"
#include "host/store/IFValidity.h"
#include "platform/Services.h"

namespace {

struct Entry {
  CHostObjectHandles::Handle handle = CHostObjectHandles::kNoHandle;
  CComPtr<IUnknown> object;  // the object's identity (its IUnknown)
};

// Oldest first.
std::deque<Entry>& Entries() {
  static std::deque<Entry> entries;
  return entries;
}

std::uint32_t& LastSerial() {
  static std::uint32_t serial = 0;
  return serial;
}

CHostObjectHandles::Handle ProcessPart() { return static_cast<CHostObjectHandles::Handle>(GetCurrentProcessId()) << 32; }

CHostObjectHandles::Handle NextHandle() {
  std::uint32_t& serial = LastSerial();
  if (++serial == 0) serial = 1;  // the low half is never 0, so no handle equals kNoHandle
  return ProcessPart() | serial;
}

// False once the store says the object it stands for was deleted or replaced.
bool StillExists(IUnknown* object) {
  if (CComPtr<IFValidity> validity = ComQuery<IFValidity>(object)) {
    bool valid = true;
    if (SUCCEEDED(validity->IsValid(&valid)) && !valid) return false;
  }
  if (CComPtr<IFNaming> naming = ComQuery<IFNaming>(object)) {
    bool usable = true;
    if (SUCCEEDED(naming->IsUsable(&usable)) && !usable) return false;
  }
  return true;
}

std::deque<Entry>::iterator FindHandle(CHostObjectHandles::Handle handle) {
  auto& entries = Entries();
  return std::find_if(entries.begin(), entries.end(), [handle](const Entry& e) { return e.handle == handle; });
}

}  // namespace

CHostObjectHandles::Handle CHostObjectHandles::Register(IUnknown* object) {
  CComPtr<IUnknown> identity = ComQuery<IUnknown>(object);
  if (!identity) return kNoHandle;
  auto& entries = Entries();
  auto known = std::find_if(entries.begin(), entries.end(),
                            [&identity](const Entry& e) { return e.object.Get() == identity.Get(); });
  if (known != entries.end()) {
    // Remembered again: it becomes the most recent.
    Entry entry = std::move(*known);
    entries.erase(known);
    entries.push_back(std::move(entry));
    return entries.back().handle;
  }
  std::vector<CComPtr<IUnknown>> forgotten;  // released once the table is consistent
  while (entries.size() >= kCapacity) {
    forgotten.push_back(std::move(entries.front().object));
    entries.pop_front();
  }
  entries.push_back(Entry{NextHandle(), identity});
  return entries.back().handle;
}

CComPtr<IUnknown> CHostObjectHandles::Resolve(Handle handle) {
  if (handle == kNoHandle || (handle & 0xFFFFFFFF00000000ull) != ProcessPart()) return nullptr;
  auto it = FindHandle(handle);
  if (it == Entries().end()) return nullptr;
  CComPtr<IUnknown> object = it->object;
  if (StillExists(object)) return object;
  Entries().erase(it);
  return nullptr;  // the last reference goes with object, after the table is consistent
}

void CHostObjectHandles::Revoke(Handle handle) {
  auto it = FindHandle(handle);
  if (it == Entries().end()) return;
  CComPtr<IUnknown> released = std::move(it->object);
  Entries().erase(it);
}

void CHostObjectHandles::Clear() {
  // Released outside the table: a release may run host code that registers again.
  std::deque<Entry> released;
  released.swap(Entries());
}

std::size_t CHostObjectHandles::Count() { return Entries().size(); }
