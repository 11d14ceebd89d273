// A definition that a moving type is to replace, kept under a private name
// until the moved copy exists: only then is it deleted, and when the copy
// fails it takes its own name back. Nothing is replaced while it is in use.
#pragma once

#include <string>

#include "host/com/ComPtr.h"
#include "host/store/IFType.h"
#include "host/store/IFTypePalette.h"

class CNamesakeSetAside {
 public:
  // Sets aside the definition of name that palette itself holds, unless it is
  // source, it is in use, or it cannot be renamed.
  CNamesakeSetAside(IFTypePalette* palette, const std::string& name, IFType* source);
  // Without Replace, the definition takes its own name back.
  ~CNamesakeSetAside();
  CNamesakeSetAside(const CNamesakeSetAside&) = delete;
  CNamesakeSetAside& operator=(const CNamesakeSetAside&) = delete;

  bool IsSetAside() const { return !m_privateName.empty(); }
  // The copy exists: the old definition goes.
  void Replace();

 private:
  CComPtr<IFTypePalette> m_palette;
  std::string m_name;
  std::string m_privateName;
};
