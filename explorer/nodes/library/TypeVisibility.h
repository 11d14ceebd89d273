// Which types the model-holding containers show. Types whose flags carry bit
// 0x40000 or 0x100000 are the host's own and stay hidden, except "Connection"
// and "ControlSignal", which users place like models; a plain type named
// "Flowsheet" is the simulation's top level and is never listed. Names are
// compared ignoring case.
#pragma once

#include <string>

#include "platform/Types.h"

struct IFTypeDesc;

constexpr DWORD kHiddenTypeFlags = 0x140000;

bool IsTypeShown(const std::string& name, DWORD flags);
// The same for a type's descriptor; false when the descriptor cannot tell its name.
bool IsTypeShown(IFTypeDesc* desc);
