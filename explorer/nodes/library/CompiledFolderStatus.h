// The status of a type node read from its palette's compiled-types folder
// ("CompiledModelFolder", "CompiledTaskTypeFolder"): a type listed there
// failed its last compile. Built-in types (flag bits 20 or 22) are "System".
#pragma once

#include <string>

#include "explorer/resources/StringIds.h"
#include "platform/Types.h"

struct IFTypeDesc;

// While one exists, the compiled-types folder of each palette is looked up
// once: filling a pane makes a node per type, and every one of them asks the
// same palette for the same folder. Make one only around work that reads the
// store and does not change it. Scopes may nest; the outermost one decides.
class CCompiledFolderLookups {
 public:
  CCompiledFolderLookups();
  ~CCompiledFolderLookups();
  CCompiledFolderLookups(const CCompiledFolderLookups&) = delete;
  CCompiledFolderLookups& operator=(const CCompiledFolderLookups&) = delete;

 private:
  bool m_outermost;
};

// True when the palette holding desc lists name in its folder folderName.
// Anything that cannot be reached counts as not listed.
bool IsListedInCompiledFolder(IFTypeDesc* desc, const std::string& folderName, const std::string& name);

// Sets status and textId: "System" (0) for built-in types, else "Not OK" (1)
// when listed in the folder, "OK" (2) otherwise. A status already 0 stays 0
// (the node was made for a built-in type). A missing descriptor counts as "OK".
void ComputeCompiledFolderStatus(IFTypeDesc* desc, const std::string& folderName, int& status, UINT& textId);
