// A palette's folders by name: the kind folders ("VariableTypeFolder",
// "BlockTypeFolder", "TaskTypeFolder"...) and the compiled-types folders that
// list the types with errors ("CompiledModelFolder", "CompiledVariableTypeFolder",
// "CompiledProcedureFolder", "CompiledTaskTypeFolder").
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IFFolder;

// Identifier made up for this interface.
inline const IID IID_IFFolderCollection = GUID::FromString("{7E5A000A-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFFolderCollection : IUnknown {
  static const IID& Iid() { return IID_IFFolderCollection; }

  // The folder called name; when create is true a missing one is made.
  virtual HRESULT GetFolder(const std::string& name, bool create, IFFolder** folder) = 0;
};
