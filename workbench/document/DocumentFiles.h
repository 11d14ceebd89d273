// Opening and saving simulations and libraries for the program. A simulation
// is read into a fresh store together with the libraries it names; the store
// is handed over only when everything was read, so a failed load leaves
// nothing behind. Saving writes the whole file atomically.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "workbench/files/FileContents.h"
#include "workbench/files/FileProblem.h"
#include "workbench/store/Store.h"

class CStoreType;

struct LoadedSimulation {
  std::string path;  // the file read, as an absolute path
  std::unique_ptr<CStore> store;
  FileSettings settings;
  std::vector<FilePackageData> packages;
  // Sections a later program wrote, left out of this simulation.
  std::vector<std::string> skippedSections;
};

// Reads the simulation at path (and the libraries it names, relative to it).
std::optional<LoadedSimulation> LoadSimulation(const std::string& path, FileProblem& problem);
// The whole of a simulation as file contents (libraries relative to directory).
FileContents SimulationContents(CStore& store, const FileSettings& settings, const std::vector<FilePackageData>& packages,
                                const std::string& directory);
// Saving keeps what the file said as it was last read or written (comments,
// layout, order) wherever the simulation or library has not changed it.
bool SaveSimulation(CStore& store, const FileSettings& settings, const std::vector<FilePackageData>& packages,
                    const std::string& path, FileProblem& problem);

// A library's types as file contents of kind (Library, or Package for a package).
FileContents LibraryContents(CStoreType& library, const std::string& directory, FileKind kind = FileKind::Library);
bool SaveLibrary(CStoreType& library, const std::string& path, FileProblem& problem);

// Makes the store open library files (IFRoot::OpenLibrary and the libraries
// named by files) with the file reader; the problem of a refused library
// file is kept in *lastProblem.
void UseFileLibraries(CStore& store, std::shared_ptr<FileProblem> lastProblem);

// The sample simulation the program opens when started without a file: found
// beside the program, above it (a build directory in a checkout), or in the
// source tree it was built from.
std::string DefaultSamplePath(const std::string& executablePath);
inline constexpr const char* kSampleFileName = "Tanks.vsim";
