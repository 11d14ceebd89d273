// What a model takes from the clipboard or a drop: another model of its own
// kind (copied or moved into the palette that holds this model), a script
// (copied or moved into this model) or an icon (copied into this model).
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/QVExplorerModelTypeObject.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "host/store/IFTypePalette.h"

namespace {

// The type a pasted model type stands for.
CComPtr<IFType> TypeOfModel(IRModelType* modelType) {
  if (CComPtr<IFType> type = ComQuery<IFType>(modelType)) return type;
  return type_access::TypeOf(modelType);
}

// The type that owns the palette holding type (a library or the simulation's types).
CComPtr<IFType> HoldingPaletteOwner(IFType* type) {
  CComPtr<IFType> owner;
  if (CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(type)) palette->GetOwnerType(&owner);
  return owner;
}

}  // namespace

int CQVExplorerModelTypeObject::PasteData(COleDataObject& data, DWORD effect) {
  // Nothing is pasted or dropped into a library's model or a built-in one.
  if (!IsEditable()) return 0;
  if (data.IsDataAvailable(CF_EXPLORER_MODEL_TYPE)) return PasteModel(data, effect);
  if (data.IsDataAvailable(CF_EXPLORER_SCRIPT)) return PasteScript(data, effect);
  if (data.IsDataAvailable(CF_EXPLORER_MODEL_ICON)) return PasteIcon(data, effect);
  return 0;
}

int CQVExplorerModelTypeObject::PasteModel(COleDataObject& data, DWORD effect) {
  if (!(effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE))) return 0;
  std::optional<ModelTypePayload> payload = ReadModelType(data);
  if (!payload || payload->streamType != IsStreamTypeNode()) return 0;
  CComPtr<IFType> source = TypeOfModel(payload->modelType);
  CComPtr<IFType> destination = HoldingPaletteOwner(GetModelTypeObject());
  if (!source || !destination) return 0;
  const int move = (effect & DROPEFFECT_COPY) ? 0 : 1;
  if (move && !CQVExplorer::CheckTypeMove(source, destination)) return 0;
  CComPtr<IFTypeDesc> created;
  const COwnerNotifier notifier(*this);  // the host's update may rebuild the panes and delete this node
  if (!CQVExplorer::CloneModel(source, destination, move, &created, payload->streamType ? 1 : 0)) return 0;
  if (CComPtr<IFType> newType = type_access::TypeOf(created))
    notifier.NewObject(newType, payload->streamType ? CLSID_QVEOStreamType : CLSID_QVEOBlockType);
  return 1;
}

int CQVExplorerModelTypeObject::PasteScript(COleDataObject& data, DWORD effect) {
  if (!(effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE))) return 0;
  CComPtr<IFType> script = ReadHostObjectAs<IFType>(data, CF_EXPLORER_SCRIPT);
  CComPtr<IFType> model = GetModelTypeObject();
  if (!script || !model) return 0;
  const int move = (effect & DROPEFFECT_COPY) ? 0 : 1;
  if (move && !CQVExplorer::CheckTypeMove(script, model)) return 0;
  const COwnerNotifier notifier(*this);
  if (!CQVExplorer::CloneScript(script, model, move)) return 0;
  notifier.Post(EXPLORER_OBJECT_ADDED);
  return 1;
}

int CQVExplorerModelTypeObject::PasteIcon(COleDataObject& data, DWORD effect) {
  // Stream types show no icons of their own.
  if (!(effect & DROPEFFECT_COPY) || IsStreamTypeNode()) return 0;
  STGMEDIUM icon;
  if (!data.GetData(CF_EXPLORER_MODEL_ICON, &icon) || !icon.IsValid()) return 0;
  IFInstance* model = GetType();
  const COwnerNotifier notifier(*this);
  if (!model || !CQVExplorer::CopyIcon(model, &icon)) return 0;
  notifier.Post(EXPLORER_OBJECT_ADDED);
  return 1;
}
