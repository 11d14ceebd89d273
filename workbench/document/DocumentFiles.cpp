#include "workbench/document/DocumentFiles.h"

#include <cstdlib>
#include <filesystem>
#include <set>

#include "host/store/Status.h"
#include "workbench/document/StoreContents.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileRewriter.h"
#include "workbench/files/FileWriter.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

#ifndef VORTAN_SOURCE_DIR
#define VORTAN_SOURCE_DIR ""
#endif

namespace {

std::string LeafWithoutExtension(const std::string& path) { return std::filesystem::path(path).stem().string(); }

// The contents as the writer writes them: what a later save compares with to see what changed.
std::string BaselineOf(const FileContents& contents) {
  std::string text;
  FileProblem ignored;
  return WriteFileContents(contents, text, ignored) ? text : std::string();
}

// Writes contents to path over the file text owner was read from (or last written), keeping what did not change.
bool SaveOver(CStoreType& owner, const FileContents& contents, const std::string& path, FileProblem& problem) {
  std::string written;
  if (!SaveFileContentsOver(contents, owner.FileText(), owner.FileBaseline(), path, written, problem)) return false;
  owner.SetFileOrigin(std::move(written), BaselineOf(contents));
  return true;
}

// Reads library files for one store; remembers which files are being read so
// that libraries naming each other in a circle are refused instead of read forever.
class LibraryFileReader {
 public:
  explicit LibraryFileReader(std::shared_ptr<FileProblem> lastProblem) : m_lastProblem(std::move(lastProblem)) {}

  HRESULT Read(const std::string& path, CStoreType& library) {
    const std::string key = std::filesystem::path(path).lexically_normal().string();
    if (!m_reading.insert(key).second) {
      *m_lastProblem = FileProblem{path, 0, "the libraries use each other in a circle"};
      return FE_BADFILE;
    }
    const HRESULT hr = ReadInto(path, library);
    m_reading.erase(key);
    return hr;
  }

 private:
  HRESULT ReadInto(const std::string& path, CStoreType& library) {
    FileProblem problem;
    std::string text;
    std::optional<FileContents> contents = ReadFileContentsFrom(path, problem, &text);
    if (contents && contents->kind == FileKind::Simulation) {
      problem.line = 1;
      problem.message = "this is a simulation file; a library file was expected";
      contents.reset();
    }
    CStorePalette* palette = library.OwnedPalette();
    CStore* store = library.Store();
    if (contents && (!palette || !store)) {
      problem.message = "the library cannot be made here";
      contents.reset();
    }
    if (!contents) {
      *m_lastProblem = problem;
      return FE_BADFILE;
    }
    const std::string directory = DirectoryOf(path);
    for (const std::string& used : contents->libraries) {
      CComPtr<CStoreType> opened;
      if (FAILED(store->OpenLibrary(ResolveFilePath(directory, used), &opened)) || !opened) return FE_BADFILE;
      palette->AddUsedLibrary(opened);
    }
    problem = FileProblem{path, 0, {}};
    if (!FillPalette(*contents, *palette, problem)) {
      *m_lastProblem = problem;
      return FE_BADFILE;
    }
    library.SetFileOrigin(std::move(text), BaselineOf(LibraryContents(library, directory)));
    return S_OK;
  }

  std::shared_ptr<FileProblem> m_lastProblem;
  std::set<std::string> m_reading;
};

}  // namespace

void UseFileLibraries(CStore& store, std::shared_ptr<FileProblem> lastProblem) {
  auto reader = std::make_shared<LibraryFileReader>(std::move(lastProblem));
  store.SetLibraryReader([reader](const std::string& path, CStoreType& library) { return reader->Read(path, library); });
}

std::optional<LoadedSimulation> LoadSimulation(const std::string& givenPath, FileProblem& problem) {
  // The libraries are found, and later written, relative to where the file is, whatever the working folder.
  const std::string path = AbsolutePath(givenPath);
  std::string text;
  std::optional<FileContents> contents = ReadFileContentsFrom(path, problem, &text);
  if (!contents) return std::nullopt;
  if (contents->kind != FileKind::Simulation) {
    problem.line = 1;
    problem.message = "this is not a simulation file; expected the header line '// Vortan simulation file, format 1.0'";
    return std::nullopt;
  }
  LoadedSimulation loaded;
  loaded.store = std::make_unique<CStore>(LeafWithoutExtension(path));
  loaded.store->SetFileName(path);
  loaded.path = path;
  auto libraryProblem = std::make_shared<FileProblem>();
  UseFileLibraries(*loaded.store, libraryProblem);
  const std::string directory = DirectoryOf(path);
  for (const std::string& library : contents->libraries) {
    const std::string libraryPath = ResolveFilePath(directory, library);
    if (FAILED(loaded.store->OpenLibrary(libraryPath))) {
      problem = libraryProblem->path.empty() ? FileProblem{libraryPath, 0, "the library cannot be opened"} : *libraryProblem;
      problem.message += " (a library of " + path + ")";
      return std::nullopt;
    }
  }
  problem = FileProblem{path, 0, {}};
  if (!FillPalette(*contents, *loaded.store->SimulationPalette(), problem) ||
      !FillSimulationObjects(*contents, *loaded.store, problem))
    return std::nullopt;
  loaded.store->SimulationType()->SetFileOrigin(
      std::move(text), BaselineOf(SimulationContents(*loaded.store, contents->settings, contents->packages, directory)));
  loaded.settings = contents->settings;
  loaded.packages = contents->packages;
  loaded.skippedSections = contents->skippedSections;
  return loaded;
}

FileContents SimulationContents(CStore& store, const FileSettings& settings, const std::vector<FilePackageData>& packages,
                                const std::string& directory) {
  FileContents contents;
  contents.kind = FileKind::Simulation;
  ContentsFromPalette(*store.SimulationPalette(), directory, contents);
  ContentsFromSimulationObjects(store, contents);
  const std::string currentUnitSet = contents.settings.currentUnitSet;
  contents.settings = settings;
  contents.settings.currentUnitSet = currentUnitSet;
  contents.packages = packages;
  return contents;
}

bool SaveSimulation(CStore& store, const FileSettings& settings, const std::vector<FilePackageData>& packages,
                    const std::string& path, FileProblem& problem) {
  return SaveOver(*store.SimulationType(), SimulationContents(store, settings, packages, DirectoryOf(AbsolutePath(path))),
                  path, problem);
}

FileContents LibraryContents(CStoreType& library, const std::string& directory, FileKind kind) {
  FileContents contents;
  contents.kind = kind;
  if (CStorePalette* palette = library.OwnedPalette()) ContentsFromPalette(*palette, directory, contents);
  // The simulation's global tables stay with the simulation: a library has no forms of its own.
  for (FileOwnedItems& items : contents.owned) {
    if (!items.owner.empty()) continue;
    items.forms.clear();
    items.defaultForm.clear();
  }
  return contents;
}

bool SaveLibrary(CStoreType& library, const std::string& path, FileProblem& problem) {
  return SaveOver(library, LibraryContents(library, DirectoryOf(AbsolutePath(path))), path, problem);
}

std::string DefaultSamplePath(const std::string& executablePath) {
  namespace fs = std::filesystem;
  std::vector<fs::path> candidates;
  if (const char* dir = std::getenv("VORTAN_SAMPLES_DIR"); dir && *dir) candidates.push_back(fs::path(dir) / kSampleFileName);
  fs::path directory = fs::path(executablePath).parent_path();
  for (int up = 0; up < 4 && !directory.empty(); ++up, directory = directory.parent_path()) {
    candidates.push_back(directory / "samples" / kSampleFileName);
    if (directory == directory.parent_path()) break;
  }
  const fs::path source = fs::path(VORTAN_SOURCE_DIR) / "samples" / kSampleFileName;
  candidates.push_back(source);
  std::error_code error;
  for (const fs::path& candidate : candidates)
    if (fs::is_regular_file(candidate, error)) return candidate.lexically_normal().string();
  return source.lexically_normal().string();
}
