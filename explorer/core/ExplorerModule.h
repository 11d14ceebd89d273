// Starting the explorer module once per process: its resources, its
// registered window messages and clipboard formats, and the catalogue of
// excludable node classes it ships for the local machine's registry.
#pragma once

#include <string>

class ExplorerModule {
 public:
  // Safe to call again: only the first call does anything. Returns what the
  // catalogue's registry text had to skip (empty when it was clean).
  static const std::string& Initialize();
  // Lets go of the host objects still named by clipboard and drag payloads.
  static void Shutdown();
};
