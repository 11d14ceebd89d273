#include "fuzz/FuzzSession.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <streambuf>

#include "platform/RegistryStore.h"
#include "workbench/document/DocumentFiles.h"

namespace {

namespace fs = std::filesystem;

class DiscardBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

DiscardBuffer g_discard;

fs::path& Root() {
  static fs::path root;
  return root;
}

fs::path WorkFolder() { return Root() / "work"; }

// A fresh copy of the samples, so that what one input saved never reaches the next.
void CopySamples() {
  std::error_code ignored;
  fs::remove_all(WorkFolder(), ignored);
  fs::create_directories(WorkFolder());
  fs::copy(VORTAN_SAMPLE_DIR, WorkFolder(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  fs::current_path(WorkFolder());
}

void ForgetSettings() {
  std::error_code ignored;
  fs::remove(Root() / "config" / "registry.reg", ignored);
  UserRegistryStore::Instance().Reload();
}

}  // namespace

void PrepareFuzzFolders() {
  if (!Root().empty()) return;
  std::string pattern = (fs::temp_directory_path() / "vortan-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a private folder for the fuzz session");
  Root() = pattern;
  fs::create_directories(Root() / "config");
  setenv("VORTAN_CONFIG_DIR", (Root() / "config").c_str(), 1);
  std::atexit([] {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(Root(), ignored);
  });
}

FuzzSession::FuzzSession() : m_discard(std::make_unique<std::ostream>(&g_discard)), m_ui(*m_discard) {
  PrepareFuzzFolders();
  CopySamples();
  ForgetSettings();
  m_session = std::make_unique<HeadlessSession>(m_ui);
  std::string problem;
  if (!m_session->Open((WorkFolder() / kSampleFileName).string(), "", problem))
    throw std::runtime_error("the sample does not open: " + problem);
  m_frame = m_session->OpenExplorer();
  if (!m_frame) throw std::runtime_error("no Explorer opens on the sample");
  (void)m_ui.TakeProblem();
}

FuzzSession::~FuzzSession() = default;
