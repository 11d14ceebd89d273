#include <gtest/gtest.h>

#include <cmath>

#include "tests/workbench_run/TestDaeSystems.h"
#include "workbench/run/DaeIntegrator.h"

TEST(DaeIntegrator, DrainingTankFollowsItsClosedFormLevelInSlicesThatNeverPassTheTarget) {
  CDrainingTank tank(2.0, 0.5, 4.0);  // runs dry at t = 2 * 2 * sqrt(4) / 0.5 = 16
  CDaeIntegrator integrator(tank, DaeTolerances{1e-8, 1e-10, 5000});
  ASSERT_TRUE(integrator.Start(0.0)) << integrator.Problem();
  // The consistent derivative at the start: -k sqrt(h0) / area.
  EXPECT_NEAR(integrator.Derivatives()[0], -0.5 * 2.0 / 2.0, 1e-6);

  int slices = 0;
  for (double t : {1.0, 5.0, 10.0, 14.0}) {
    CDaeIntegrator::Step step;
    do {
      step = integrator.StepToward(t);
      ++slices;
      ASSERT_NE(step, CDaeIntegrator::Step::Failed) << integrator.Problem();
      EXPECT_LE(integrator.Time(), t);
    } while (step == CDaeIntegrator::Step::Advanced);
    EXPECT_DOUBLE_EQ(integrator.Time(), t);
    EXPECT_NEAR(integrator.Values()[0], tank.ClosedFormLevel(t), 1e-5) << "at t = " << t;
  }
  EXPECT_GT(slices, 8);  // the steps are IDA's own, not one per target
}

TEST(DaeIntegrator, AlgebraicVariableIsMadeConsistentAndTracksTheDifferentialOne) {
  CLinearDae dae(1.0, 0.5, 3.0);
  CDaeIntegrator integrator(dae, DaeTolerances{1e-8, 1e-10, 5000});
  ASSERT_TRUE(integrator.Start(0.0)) << integrator.Problem();
  EXPECT_NEAR(integrator.Values()[0], 3.0, 1e-12);  // the differential unknown is held
  EXPECT_NEAR(integrator.Values()[1], 1.5, 1e-8);   // z = b x0
  ASSERT_TRUE(integrator.AdvanceTo(2.0)) << integrator.Problem();
  EXPECT_NEAR(integrator.Values()[0], dae.ClosedFormX(2.0), 1e-5);
  EXPECT_NEAR(integrator.Values()[1], dae.B() * dae.ClosedFormX(2.0), 1e-5);
  // Continuing from where it stands.
  ASSERT_TRUE(integrator.AdvanceTo(4.0)) << integrator.Problem();
  EXPECT_NEAR(integrator.Values()[0], dae.ClosedFormX(4.0), 1e-5);
}

TEST(DaeIntegrator, ReportsAFailureInsteadOfPassingAPointItCannotEvaluate) {
  // Past t = 16 the tank would need a negative level; IDA cannot go on and says so.
  CDrainingTank tank(2.0, 0.5, 4.0);
  CDaeIntegrator integrator(tank, DaeTolerances{1e-8, 1e-10, 5000});
  ASSERT_TRUE(integrator.Start(0.0));
  EXPECT_FALSE(integrator.AdvanceTo(40.0));
  EXPECT_FALSE(integrator.Problem().empty());
  EXPECT_LT(integrator.Time(), 40.0);
  EXPECT_EQ(integrator.StepToward(40.0), CDaeIntegrator::Step::Failed);
}
