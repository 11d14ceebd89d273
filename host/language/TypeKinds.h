// Kind codes of types as the text editor and the exporters take them: which
// kind of definition an editor opens, which types an export writes.
#pragma once

#include "platform/Types.h"

constexpr DWORD QV_KIND_SCRIPT = 0;               // scripts (plain text)
constexpr DWORD QV_KIND_VARIABLE_TYPE = 7;
constexpr DWORD QV_KIND_PARAMETER_TYPE = 1016;
constexpr DWORD QV_KIND_PORT_TYPE = 1024;         // editor only: exports select port types by IQVPortType
constexpr DWORD QV_KIND_STREAM_TYPE = 0x1C000;
constexpr DWORD QV_KIND_MODEL = 0x20000;          // models and controller types
constexpr DWORD QV_KIND_FLOWSHEET = 0x40000;      // the flowsheet's text
constexpr DWORD QV_KIND_TASK = 0x200000;
constexpr DWORD QV_KIND_PROCEDURE = 0x800000;     // procedures and functions
constexpr DWORD QV_KIND_STRUCTURE = 0x40000000;
