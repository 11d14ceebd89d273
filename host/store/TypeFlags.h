// Attribute bits of types, instances and folders as the store reports them.
#pragma once

#include "platform/Types.h"

// Type attribute flags (IFType::GetFlags, IFTypeDesc::GetFlags).
constexpr DWORD FT_PLAINTEXT = 0x00000200;  // text kept as "Non-embedded Text" (scripts)
constexpr DWORD FT_HIDDEN = 0x00040000;     // not listed (internal helper types)
constexpr DWORD FT_SYSTEM = 0x00100000;     // bit 20: built-in, cannot be changed
constexpr DWORD FT_TASK = 0x00200000;       // a task definition
constexpr DWORD FT_BUILTIN = 0x00400000;    // bit 22: built-in, cannot be changed
constexpr DWORD FT_PROPRIETARY = 0x01000000;  // bit 24: its variables and equations are not shown in diagnostics
constexpr DWORD FT_NOT_LISTED = FT_HIDDEN | FT_SYSTEM;  // the library listing hides these

// Instance attribute bits (IFInstance::GetAttributes, IFChildCollection masks).
constexpr DWORD FI_BLOCK = 0x001E0000;                // any of these: a block
constexpr DWORD FI_HIERARCHY = 0x10000000;            // a block whose model is a flowsheet
constexpr DWORD FI_GLOBAL_STRUCTURE = 0x40000000;     // a global structure instance
constexpr DWORD FI_STRUCTURE_CONTAINER = 0x80000000;  // a container of global structures
constexpr DWORD FI_BLOCKS_MASK = FI_BLOCK | FI_HIERARCHY | FI_GLOBAL_STRUCTURE;  // 0x501E0000

// Folder creation flags (IFFolder::CreateFolder).
constexpr DWORD FF_USER_FOLDER = 0x00010000;
