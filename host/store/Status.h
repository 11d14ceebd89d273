// Failure codes of the store and the text the host gives for any status code.
#pragma once

#include <string>

#include "platform/Types.h"

constexpr HRESULT FE_NAMEEXISTS = static_cast<HRESULT>(0x8004F001u);  // a definition with this name exists
constexpr HRESULT FE_INUSE = static_cast<HRESULT>(0x8004F002u);       // the object is in use
constexpr HRESULT FE_NOTFOUND = static_cast<HRESULT>(0x8004F003u);    // no object of that name
constexpr HRESULT FE_READONLY = static_cast<HRESULT>(0x8004F004u);    // held in a read-only library
constexpr HRESULT FE_INVALIDNAME = static_cast<HRESULT>(0x8004F005u); // not a valid name
constexpr HRESULT FE_NOTEMPTY = static_cast<HRESULT>(0x8004F006u);    // a folder or container still holds items
constexpr HRESULT FE_NOTCONFIGURED = static_cast<HRESULT>(0x8004F007u);  // physical properties are not configured
constexpr HRESULT FE_BADFILE = static_cast<HRESULT>(0x8004F008u);     // the file is not what it should be
constexpr HRESULT FE_NOSERVICE = static_cast<HRESULT>(0x8004F009u);   // the host offers no such service
constexpr HRESULT FE_STALE = static_cast<HRESULT>(0x8004F00Au);       // the object no longer exists
constexpr HRESULT FE_LOCKED = static_cast<HRESULT>(0x8004F00Bu);      // the flowsheet is locked by a run
constexpr HRESULT FE_BADCHANGE = static_cast<HRESULT>(0x8004F00Cu);   // the text would not compile after the change

// The message for a status code, one sentence ending with a full stop. Codes
// without a text of their own give "Operation failed (error 0x8004F0FF)."; success codes "OK.".
std::string GetStatusText(HRESULT code);
