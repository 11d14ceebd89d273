// Walks the child instances of a flowsheet, hierarchy, block or structure:
// its blocks (with hierarchies and global structures), its streams, or its
// global structures alone. A collection the instance does not offer walks as
// an empty one.
#pragma once

#include "host/com/ComPtr.h"
#include "host/com/Enum.h"
#include "host/model/IRModel.h"
#include "host/store/IFInstance.h"

class CQVInstanceEnumerator {
 public:
  // The model of the next child (the caller owns the reference) and, when
  // instance is given, the child itself; null at the end.
  IRModel* Next(IFInstance** instance = nullptr);
  // The next child instance (the caller owns the reference); null at the end.
  IFInstance* NextInstance();

 protected:
  CComPtr<IEnum<IFInstance>> m_children;
};

class CQVBlockEnumerator : public CQVInstanceEnumerator {
 public:
  explicit CQVBlockEnumerator(IFInstance* parent);
};

class CQVStreamEnumerator : public CQVInstanceEnumerator {
 public:
  explicit CQVStreamEnumerator(IFInstance* parent);
};

class CQVGlobalStructureEnumerator : public CQVInstanceEnumerator {
 public:
  explicit CQVGlobalStructureEnumerator(IFInstance* parent);
  IFInstance* Next() { return NextInstance(); }
};
