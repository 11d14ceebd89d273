// Large pages are asked for as a hint: whatever the kernel makes of it, an
// array keeps what was written to it, advised whole or in part.
#include "workbench/simulation/LargeArrays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

TEST(LargeArraysTest, AdvisingLargePagesKeepsWhatIsWritten) {
  std::vector<std::uint64_t> written(std::size_t{6} << 17);  // 6 MiB
  std::iota(written.begin(), written.end(), std::uint64_t{1});
  AdviseLargePages(written.data(), written.size() * sizeof(std::uint64_t));
  AdviseLargePages(written.data() + 3, (written.size() - 7) * sizeof(std::uint64_t));
  for (std::size_t i = 0; i < written.size(); ++i) ASSERT_EQ(written[i], i + 1) << i;

  // Grown and refilled on advised room: the old values go, the new ones are all there.
  ReserveLarge(written, written.size() * 2);
  EXPECT_EQ(written.back(), written.size());
  AssignLarge(written, written.size() + 5, std::uint64_t{7});
  EXPECT_EQ(written.size(), (std::size_t{6} << 17) + 5);
  EXPECT_EQ(std::count(written.begin(), written.end(), std::uint64_t{7}), static_cast<std::ptrdiff_t>(written.size()));
}

}  // namespace
