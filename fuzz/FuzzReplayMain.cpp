// Replays a fuzz target's corpus without libFuzzer: every file under the
// folders (or the files) named on the command line is given to the target's
// entry function once, in name order, so that the ordinary test run keeps
// every seed and every crash found so far passing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> InputsUnder(const std::filesystem::path& place) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_regular_file(place)) {
    inputs.push_back(place);
  } else {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(place))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " CORPUS-FOLDER-OR-FILE...\n";
    return 2;
  }
  if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
  // All named before the first runs: a target may change the working folder.
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i)
    for (const std::filesystem::path& input : InputsUnder(std::filesystem::absolute(argv[i]))) inputs.push_back(input);
  std::size_t count = 0;
  for (const std::filesystem::path& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
      std::cerr << input << ": cannot be read\n";
      return 1;
    }
    std::cout << "replaying " << input.filename().string() << std::endl;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++count;
  }
  std::cout << count << " input(s) replayed\n";
  return count == 0 ? 1 : 0;
}
