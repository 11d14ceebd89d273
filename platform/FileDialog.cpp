#include "platform/FileDialog.h"

#include <filesystem>
#include <system_error>

#include "platform/UserInterface.h"

namespace fs = std::filesystem;

namespace {

// "*.ktrf" gives "ktrf"; wildcards ("*.*", "*") give nothing. The first pattern of a list counts.
std::string ConcreteExtension(const std::string& patterns) {
  std::string first = patterns.substr(0, patterns.find(';'));
  std::size_t dot = first.rfind('.');
  if (dot == std::string::npos) return {};
  std::string ext = first.substr(dot + 1);
  if (ext.empty() || ext.find_first_of("*?") != std::string::npos) return {};
  return ext;
}

std::size_t NameStart(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

CFileDialog::CFileDialog(bool openFileDialog, const std::string& defaultExt, const std::string& fileName, DWORD flags,
                         const std::string& filter, CWnd* parent)
    : m_open(openFileDialog), m_parent(parent), m_initialName(fileName), m_filterText(filter) {
  m_ofn.lpstrDefExt = defaultExt.starts_with('.') ? defaultExt.substr(1) : defaultExt;
  m_ofn.Flags = flags;
  ParseFilter();
}

CFileDialog::~CFileDialog() = default;

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
  std::vector<FileFilterEntry> entries;
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= filter.size()) {
    std::size_t bar = filter.find('|', start);
    if (bar == std::string::npos) bar = filter.size();
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty()) break;
    if (parts[i + 1].empty()) continue;
    entries.push_back({parts[i], parts[i + 1]});
  }
  return entries;
}

void CFileDialog::ParseFilter() { m_filters = ParseFileFilter(m_filterText); }

const FileFilterEntry* CFileDialog::CurrentFilter() const {
  DWORD index = m_ofn.nFilterIndex;
  return index >= 1 && index <= m_filters.size() ? &m_filters[index - 1] : nullptr;
}

std::string CFileDialog::Caption() const {
  if (!m_ofn.lpstrTitle.empty()) return m_ofn.lpstrTitle;
  return m_open ? "Open" : "Save As";
}

std::string CFileDialog::GetFileName() const { return m_path.substr(NameStart(m_path)); }

std::string CFileDialog::GetFileExt() const {
  std::string name = GetFileName();
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string CFileDialog::GetFileTitle() const {
  std::string name = GetFileName();
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

INT_PTR CFileDialog::DoModal() {
  if (m_running) return -1;
  m_running = true;
  m_ended = false;
  m_result = IDCANCEL;
  m_path.clear();
  m_typed = m_initialName;
  OnInitDialog();
  if (!m_ended) UI().RunFileDialog(*this);
  m_running = false;
  if (!m_ended) m_result = IDCANCEL;
  if (m_result != IDOK) m_path.clear();
  return m_result;
}

bool CFileDialog::UserChooseFilter(int oneBasedIndex) {
  if (!m_running || m_ended || oneBasedIndex < 1 || oneBasedIndex > static_cast<int>(m_filters.size())) return false;
  m_ofn.nFilterIndex = static_cast<DWORD>(oneBasedIndex);
  OnTypeChange();
  return true;
}

// The extension a name without one receives: the chosen filter's, else the
// default one; none when the dialog has no default extension.
std::string CFileDialog::ExtensionToAdd() const {
  if (m_ofn.lpstrDefExt.empty()) return {};
  const FileFilterEntry* filter = CurrentFilter();
  std::string fromFilter = filter ? ConcreteExtension(filter->pattern) : std::string();
  return fromFilter.empty() ? m_ofn.lpstrDefExt : fromFilter;
}

bool CFileDialog::PassesFileChecks(const std::string& path) {
  std::error_code ec;
  bool exists = fs::exists(path, ec);
  if ((m_ofn.Flags & OFN_PATHMUSTEXIST) || (m_ofn.Flags & OFN_FILEMUSTEXIST)) {
    std::string folder = fs::path(path).parent_path().string();
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
      MessageBox(m_parent ? m_parent->m_hWnd : nullptr,
                 folder + "\nPath does not exist.\nCheck the path and try again.", Caption(),
                 MB_OK | MB_ICONEXCLAMATION);
      return false;
    }
  }
  if ((m_ofn.Flags & OFN_FILEMUSTEXIST) && !exists) {
    MessageBox(m_parent ? m_parent->m_hWnd : nullptr, path + "\nFile not found.\nCheck the file name and try again.",
               Caption(), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!m_open && (m_ofn.Flags & OFN_OVERWRITEPROMPT) && exists) {
    int answer = MessageBox(m_parent ? m_parent->m_hWnd : nullptr,
                            path + " already exists.\nDo you want to replace it?", Caption(),
                            MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    if (answer != IDYES) return false;
  }
  return true;
}

bool CFileDialog::UserPressOK() {
  if (!m_running || m_ended) return false;
  std::string typed = m_typed;
  std::size_t begin = typed.find_first_not_of(" \t");
  if (begin == std::string::npos) return false;  // nothing to accept
  typed = typed.substr(begin, typed.find_last_not_of(" \t") - begin + 1);

  std::error_code ec;
  fs::path path(typed);
  if (path.is_relative()) {
    fs::path base = m_ofn.lpstrInitialDir.empty() ? fs::current_path(ec) : fs::path(m_ofn.lpstrInitialDir);
    path = base / path;
  }
  path = path.lexically_normal();
  if (fs::is_directory(path, ec) || !path.has_filename()) {
    // A folder name opens the folder, as in the desktop's own dialogs.
    m_ofn.lpstrInitialDir = path.string();
    m_typed.clear();
    return false;
  }
  std::string chosen = path.string();
  std::string extension = ExtensionToAdd();
  bool hasExtension = chosen.find('.', NameStart(chosen)) != std::string::npos;  // "name." counts: no extension wanted
  if (!extension.empty() && !hasExtension) chosen += "." + extension;

  if (!PassesFileChecks(chosen)) return false;
  m_path = chosen;
  if (OnFileNameOK()) {
    m_path.clear();
    return false;
  }
  m_ended = true;
  m_result = IDOK;
  return true;
}

bool CFileDialog::UserCancel() {
  if (!m_running || m_ended) return false;
  m_ended = true;
  m_result = IDCANCEL;
  return true;
}
