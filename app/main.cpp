// Placeholder until the desktop program exists.
#include <cstdio>

int main() {
  std::puts("Vortan Simulation Explorer: the desktop program is not built yet; run ./test for the test suite.");
  return 0;
}
