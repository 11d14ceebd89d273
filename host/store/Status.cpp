#include "host/store/Status.h"

#include <cstdio>

std::string GetStatusText(HRESULT code) {
  switch (code) {
    case FE_NAMEEXISTS: return "A definition with this name already exists.";
    case FE_INUSE: return "The object is in use.";
    case FE_NOTFOUND: return "There is no object of that name.";
    case FE_READONLY: return "The object belongs to a read-only library.";
    case FE_INVALIDNAME: return "The name is not valid.";
    case FE_NOTEMPTY: return "The folder is not empty.";
    case FE_NOTCONFIGURED: return "Component properties are not configured.";
    case FE_BADFILE: return "The file is not a valid model library or simulation file.";
    case FE_NOSERVICE: return "The host does not offer this service.";
    case FE_STALE: return "The object no longer exists.";
    case FE_LOCKED: return "The flowsheet cannot be changed while the simulation runs.";
    case FE_BADCHANGE: return "The flowsheet would not compile after this change, so it was not made.";
    case E_FAIL: return "Unspecified error.";
    case E_NOINTERFACE: return "The object does not offer this interface.";
    case E_INVALIDARG: return "One or more arguments are not valid.";
    case E_OUTOFMEMORY: return "Not enough memory.";
    case E_POINTER: return "A required object is missing.";
    case E_NOTIMPL: return "The operation is not available.";
    case E_ACCESSDENIED: return "Access denied.";
    default: break;
  }
  if (SUCCEEDED(code)) return "OK.";
  char text[48];
  std::snprintf(text, sizeof text, "Operation failed (error 0x%08X).", static_cast<unsigned>(code));
  return text;
}
