// Moving file contents out of a store and into one. A palette (a library's
// or the simulation's own types) gives its definitions with both texts and
// their compile state, its folders, and what each of its models owns; the
// store gives the simulation-level objects. Filling goes the other way and
// stops at the first thing the store refuses, naming it.
#pragma once

#include <string>
#include <vector>

#include "workbench/files/FileContents.h"
#include "workbench/files/FileProblem.h"

class CStore;
class CStorePalette;
class CStoreType;

// The palette's types, folders and owned items, with the libraries it uses
// written relative to directory (absolute where that is not possible).
void ContentsFromPalette(CStorePalette& palette, const std::string& directory, FileContents& contents);
// Just these types (definitions, and what the models among them own), in the order given.
void ContentsFromTypes(const std::vector<CStoreType*>& types, FileContents& contents);
// The component lists, unit sets, solver options and tools of the store.
void ContentsFromSimulationObjects(CStore& store, FileContents& contents);

// Creates the contents' types, folders and owned items in palette (which
// should be empty). False with problem.message set when the store refuses something.
bool FillPalette(const FileContents& contents, CStorePalette& palette, FileProblem& problem);
bool FillSimulationObjects(const FileContents& contents, CStore& store, FileProblem& problem);

// Where a library named in a file lies: relative names are taken from directory.
std::string ResolveFilePath(const std::string& directory, const std::string& path);
// The directory of a file path ("" for a bare name).
std::string DirectoryOf(const std::string& path);
// The path made absolute against the working folder (unchanged when it cannot be).
std::string AbsolutePath(const std::string& path);
