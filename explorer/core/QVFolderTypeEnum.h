// Walks the types held in one kind folder of a palette ("VariableTypeFolder",
// "BlockTypeFolder"...). Any failure to reach the folder leaves the walk empty.
#pragma once

#include <string>

#include "host/com/ComPtr.h"
#include "host/com/Enum.h"
#include "host/store/IFFolder.h"
#include "host/store/IFFolderCollection.h"
#include "host/store/IFType.h"
#include "host/store/IFTypeDesc.h"

class CQVFolderTypeEnum {
 public:
  // palette: the palette itself, or a type (or instance) whose palette is meant.
  CQVFolderTypeEnum(IUnknown* palette, const std::string& folderName);

  // The next type's descriptor, or null at the end.
  CComPtr<IFTypeDesc> Next();
  // The same, also giving the type itself (null when it cannot be had).
  CComPtr<IFTypeDesc> Next(CComPtr<IFType>& type);

 private:
  CComPtr<IFFolderCollection> m_pFolders;
  CComPtr<IFFolder> m_pFolder;
  CComPtr<IEnum<IFTypeDesc>> m_pEnum;
};
