// One process-wide host service of kind T (the parser, the exporters, the text
// editor...), installed by the host at start-up. Entry points that reach a
// service fail cleanly while none is installed.
#pragma once

#include <utility>

template <class T>
class HostService {
 public:
  static T* Get() { return Slot(); }
  // Installs service (null removes it) and returns the one installed before.
  static T* Install(T* service) { return std::exchange(Slot(), service); }

 private:
  static T*& Slot() {
    static T* service = nullptr;
    return service;
  }
};

// Installs a service for the life of a scope (tests, nested hosts) and puts back the previous one.
template <class T>
class ScopedHostService {
 public:
  explicit ScopedHostService(T* service) : m_previous(HostService<T>::Install(service)) {}
  ~ScopedHostService() { HostService<T>::Install(m_previous); }
  ScopedHostService(const ScopedHostService&) = delete;
  ScopedHostService& operator=(const ScopedHostService&) = delete;

 private:
  T* m_previous;
};
