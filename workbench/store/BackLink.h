// A link from an object to the one that owns it (a type to its palette, an
// instance to its type, a folder to its parent). Owners hold their parts with
// counted references; parts point back without a reference, so that no cycle
// keeps either alive. Holders may keep a part after its owner is gone, so a
// back link asks the owner's life token before it gives the pointer.
#pragma once

#include <memory>

// Derive from this to be reachable through a CBackLink. Single-threaded. The
// token is made when the first link is, so that objects nothing links to
// (most of a large palette's types) cost nothing extra.
class CLinkTarget {
 public:
  CLinkTarget() = default;
  CLinkTarget(const CLinkTarget&) = delete;
  CLinkTarget& operator=(const CLinkTarget&) = delete;
  virtual ~CLinkTarget() {
    if (m_alive) *m_alive = false;
  }

  const std::shared_ptr<bool>& LifeToken() const {
    if (!m_alive) m_alive = std::make_shared<bool>(true);
    return m_alive;
  }

 private:
  mutable std::shared_ptr<bool> m_alive;
};

template <class T>
class CBackLink {
 public:
  CBackLink() = default;
  CBackLink(T* target) { Set(target); }

  void Set(T* target) {
    m_target = target;
    m_alive = target ? target->LifeToken() : nullptr;
  }
  void Reset() { Set(nullptr); }
  // The target while it exists, else null.
  T* Get() const { return m_alive && *m_alive ? m_target : nullptr; }
  explicit operator bool() const { return Get() != nullptr; }

 private:
  T* m_target = nullptr;
  std::shared_ptr<bool> m_alive;
};
