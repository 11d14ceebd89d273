#include <gtest/gtest.h>

#include "tests/workbench_run/TestDaeSystems.h"
#include "workbench/run/DynamicIntegration.h"

TEST(DynamicIntegration, PublishesAtEachReportingTimeAndTheEndInBoundedSlices) {
  auto owned = std::make_unique<CDrainingTank>(2.0, 0.5, 4.0);
  CDrainingTank& tank = *owned;
  CDynamicIntegration run(std::move(owned), DaeTolerances{1e-8, 1e-10, 5000}, 0.0, 5.0, 2.0);
  ASSERT_TRUE(run.Start()) << run.Problem();

  int slices = 0, reports = 0;
  CDynamicIntegration::Slice slice;
  do {
    bool reported = false;
    slice = run.Advance(3, reported);
    ++slices;
    reports += reported ? 1 : 0;
    ASSERT_NE(slice, CDynamicIntegration::Slice::Failed) << run.Problem();
  } while (slice == CDynamicIntegration::Slice::Working);
  EXPECT_GT(slices, 3);
  EXPECT_EQ(reports, 3);  // each in a slice of its own

  ASSERT_EQ(tank.published->size(), 4u);  // the start, 2, 4 and the end at 5
  const double times[] = {0.0, 2.0, 4.0, 5.0};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ((*tank.published)[i].first, times[i]);
    EXPECT_NEAR((*tank.published)[i].second, tank.ClosedFormLevel(times[i]), 1e-5);
  }
  bool reported = true;
  EXPECT_EQ(run.Advance(3, reported), CDynamicIntegration::Slice::Finished);
  EXPECT_FALSE(reported);
}

TEST(DynamicIntegration, StoppedHalfWayItPublishesAnAcceptedPointOnTheTrajectory) {
  auto owned = std::make_unique<CDrainingTank>(2.0, 0.5, 4.0);
  CDrainingTank& tank = *owned;
  CDynamicIntegration run(std::move(owned), DaeTolerances{1e-8, 1e-10, 5000}, 0.0, 10.0, 10.0);
  ASSERT_TRUE(run.Start());
  bool reported = false;
  ASSERT_EQ(run.Advance(4, reported), CDynamicIntegration::Slice::Working);
  const double stoppedAt = run.Time();
  ASSERT_GT(stoppedAt, 0.0);
  ASSERT_LT(stoppedAt, 10.0);
  run.PublishWhereItStands();
  ASSERT_EQ(tank.published->size(), 2u);
  EXPECT_DOUBLE_EQ(tank.published->back().first, stoppedAt);
  EXPECT_NEAR(tank.published->back().second, tank.ClosedFormLevel(stoppedAt), 1e-6);
}
