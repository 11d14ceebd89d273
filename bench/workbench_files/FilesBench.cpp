// Reading and writing library files of many definitions must stay linear in
// their size. Each measure is set against splitting the same definitions
// alone (the baseline), so the ratio holds on a busy machine; the counters
// show the cost per definition, which must stay flat as the count grows tenfold.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/TimePerItem.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileRewriter.h"
#include "workbench/files/FileWriter.h"
#include "workbench/language/DefinitionSplitter.h"

namespace {

// A library of count models, a tenth of them in user folders, each with a description.
FileContents Library(int count) {
  FileContents c;
  c.kind = FileKind::Library;
  FileFolder folder;
  folder.path = {"BlockTypeFolder", "Units", "BlockTypeFolder"};
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    FileDefinition d;
    d.name = "M" + n;
    d.text = "// type " + n + "\nModel M" + n + "\n  P as Pressure (1.0, Fixed);\n  Inlet as Input Material;\n  e" + n +
             " : P = Inlet.P * 2;\nEnd\n";
    d.description = "model number " + n;
    if (i % 10 == 0) folder.items.push_back(d.name);
    c.definitions.push_back(std::move(d));
  }
  c.folders.push_back(std::move(folder));
  return c;
}

std::string Text(int count) {
  std::string text;
  FileProblem problem;
  WriteFileContents(Library(count), text, problem);
  return text;
}

void SetPerDefinition(benchmark::State& state) {
  SetTimePerItem(state, "per_definition", static_cast<double>(state.range(0)));
}

// Baseline: splitting the file into its definitions, which any reading must do.
void BM_SplitDefinitionsOnly(benchmark::State& state) {
  const std::string text = Text(static_cast<int>(state.range(0)));
  const std::string definitions = text.substr(0, text.find("\nSection Types"));
  for (auto _ : state) {
    SplitFile split = SplitDefinitions(definitions.substr(definitions.find('\n') + 1));
    benchmark::DoNotOptimize(split.definitions.data());
  }
  SetPerDefinition(state);
}

void BM_ReadLibraryFile(benchmark::State& state) {
  const std::string text = Text(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    FileProblem problem;
    std::optional<FileContents> contents = ReadFileContents(text, "bench.vlib", problem);
    benchmark::DoNotOptimize(contents.has_value());
  }
  SetPerDefinition(state);
}

void BM_WriteLibraryFile(benchmark::State& state) {
  const FileContents contents = Library(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string text;
    FileProblem problem;
    WriteFileContents(contents, text, problem);
    benchmark::DoNotOptimize(text.data());
  }
  SetPerDefinition(state);
}

// Saving over the file read: one type changed, every other type and section keeps its bytes.
void BM_RewriteLibraryFileOneTypeChanged(benchmark::State& state) {
  const std::string original = Text(static_cast<int>(state.range(0)));
  FileContents contents = Library(static_cast<int>(state.range(0)));
  contents.definitions[contents.definitions.size() / 2].text += "// changed\n";
  for (auto _ : state) {
    std::string text;
    FileProblem problem;
    RewriteFileContents(contents, original, original, text, problem);
    benchmark::DoNotOptimize(text.data());
  }
  SetPerDefinition(state);
}

BENCHMARK(BM_SplitDefinitionsOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLibraryFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLibraryFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewriteLibraryFileOneTypeChanged)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
