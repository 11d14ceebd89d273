// Whether a library-toolbar provider exists: the provider counts itself here
// while it lives, and changes to the hierarchy then ask the application to
// refresh its model-library toolbar.
#pragma once

class CLibraryToolbarLink {
 public:
  static int ProviderCount() { return s_providers; }
  static void ProviderCreated() { ++s_providers; }
  static void ProviderDestroyed() {
    if (s_providers > 0) --s_providers;
  }
  // Asks the application to re-read the toolbar (QV_LIBTOOLBAR_*) when a provider exists.
  static void NotifyIfPresent(int notification);

 private:
  static inline int s_providers = 0;
};
