// The outcome of the last run as the document's GetLastRunStatus gives it.
// Negative codes are failures, as with every host result.
#pragma once

enum RunStatusCode : int {
  kRunStatusNone = 0,               // no run since the simulation was opened
  kRunStatusConverged = 1,          // steady state or initialization converged; a dynamic run reached its end time
  kRunStatusStopped = 2,            // a dynamic run stopped before its end time (by the user or a rebuilt flowsheet)
  kRunStatusNotConverged = -1,      // a group did not converge (the diagnostics show the first one)
  kRunStatusIntegrationFailed = -2, // the integrator could not go on; the values are its last accepted step
  kRunStatusNotStarted = -3,        // no equation system could be made (see the messages)
};
