#include "explorer/core/DiagnosticsNames.h"

#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "platform/Resources.h"

std::string RunModeName(int mode) {
  static const UINT kNames[] = {IDS_STEADY_STATE, IDS_OPTIMIZATION,   IDS_ESTIMATION,
                                IDS_DYNAMIC,      IDS_INITIALIZATION, IDS_RE_INITIALIZATION};
  if (mode < ZN_RUN_STEADY_STATE || mode > ZN_RUN_REINITIALIZATION) return {};
  return LoadStringOrEmpty(kNames[mode - ZN_RUN_STEADY_STATE]);
}

std::string GroupTypeName(int type) {
  static const UINT kNames[] = {IDS_LINEAR, IDS_NON_LINEAR, IDS_TORN, IDS_EXPLICIT, IDS_SINGLE_NON_LINEAR};
  if (type < ZN_GROUP_LINEAR || type > ZN_GROUP_SINGLE_NONLINEAR) return {};
  return LoadStringOrEmpty(kNames[type]);
}
