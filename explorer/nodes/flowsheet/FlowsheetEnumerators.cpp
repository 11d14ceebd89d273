#include "explorer/nodes/flowsheet/FlowsheetEnumerators.h"

#include "host/store/IFChildCollection.h"
#include "host/store/TypeFlags.h"

IRModel* CQVInstanceEnumerator::Next(IFInstance** instance) {
  if (instance) *instance = nullptr;
  // A child without a model is passed over: only models are listed.
  for (;;) {
    CComPtr<IFInstance> child;
    child.Attach(NextInstance());
    if (!child) return nullptr;
    CComPtr<IRModel> model = ComQuery<IRModel>(child);
    if (!model) continue;
    if (instance) *instance = child.Detach();
    return model.Detach();
  }
}

IFInstance* CQVInstanceEnumerator::NextInstance() {
  if (!m_children) return nullptr;
  IFInstance* child = nullptr;
  if (m_children->Next(&child) != S_OK) return nullptr;
  return child;
}

CQVBlockEnumerator::CQVBlockEnumerator(IFInstance* parent) {
  if (CComPtr<IFChildCollection> children = ComQuery<IFChildCollection>(parent))
    children->EnumChildren(FI_BLOCKS_MASK, &m_children);
}

CQVStreamEnumerator::CQVStreamEnumerator(IFInstance* parent) {
  if (CComPtr<IFChildCollection> children = ComQuery<IFChildCollection>(parent)) children->EnumStreams(&m_children);
}

CQVGlobalStructureEnumerator::CQVGlobalStructureEnumerator(IFInstance* parent) {
  if (CComPtr<IFChildCollection> children = ComQuery<IFChildCollection>(parent))
    children->EnumChildren(FI_GLOBAL_STRUCTURE, &m_children);
}
