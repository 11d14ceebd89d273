// The host application's own dialogs (Run Options, Solver Options, Pause At, Advanced Reset)
// and their controls. Dialog template ids and control ids are namespaces of
// their own; these numbers are kept clear of the module's.
#pragma once

#include "platform/Types.h"

constexpr UINT IDD_HOST_RUN_OPTIONS = 51001;
constexpr UINT IDD_HOST_SOLVER_OPTIONS = 51002;
constexpr UINT IDD_HOST_PAUSE_AT = 51003;
constexpr UINT IDD_HOST_ADVANCED_RESET = 51004;

// Run Options.
constexpr int IDC_HOST_END_TIME = 51101;
constexpr int IDC_HOST_REPORTING_INTERVAL = 51102;
constexpr int IDC_HOST_MODE_STEADY_STATE = 51103;  // the run mode's radio buttons, in this order
constexpr int IDC_HOST_MODE_INITIALIZATION = 51104;
constexpr int IDC_HOST_MODE_DYNAMIC = 51105;

// Solver Options.
constexpr int IDC_HOST_ABSOLUTE_TOLERANCE = 51201;
constexpr int IDC_HOST_RELATIVE_TOLERANCE = 51202;
constexpr int IDC_HOST_MAX_ITERATIONS = 51203;
constexpr int IDC_HOST_MAX_INTEGRATOR_STEPS = 51204;
constexpr int IDC_HOST_PRINT_LEVEL = 51205;
constexpr int IDC_HOST_COMPRESSION = 51206;
constexpr int IDC_HOST_PROPINFO = 51207;
constexpr int IDC_HOST_CHECK_PROC_DERIVS = 51208;
constexpr int IDC_HOST_WATCH_GROUP = 51209;
constexpr int IDC_HOST_HIRESIDUAL = 51210;
constexpr int IDC_HOST_HIVARSTEPS = 51211;
constexpr int IDC_HOST_MATHS_PRINT = 51212;

// Pause At.
constexpr int IDC_HOST_PAUSE_TIME = 51301;

// Advanced Reset: what the reset takes.
constexpr int IDC_HOST_RESET_FREE = 51401;
constexpr int IDC_HOST_RESET_STATES = 51402;
constexpr int IDC_HOST_RESET_DERIVATIVES = 51403;
constexpr int IDC_HOST_RESET_TIME = 51404;
constexpr int IDC_HOST_RESET_DIAGNOSTICS = 51405;
