// Dialog template ids: dialogs, property pages and the pane caption strip.
#pragma once

#include "platform/Types.h"

// Name entry dialogs.
constexpr UINT IDD_EXPLORER_OBJECT_NAME = 13628;
constexpr UINT IDD_EXPLORER_COMPONENT_LIST_NAME = 13668;
constexpr UINT IDD_EXPLORER_PARAMETER_NAME = 13669;

// The Explorer window: the caption strip over a pane and the view options page.
constexpr UINT IDD_PANE_LABEL = 13698;
constexpr UINT IDD_VIEW_OPTIONS_FILTER = 107;

// Object property pages.
constexpr UINT IDD_FILE_OBJECT_GENERAL = 102;
constexpr UINT IDD_DEGREES_OF_FREEDOM = 13667;
constexpr UINT IDD_MODEL_INSTANCE_GENERAL = 13618;
constexpr UINT IDD_NAMED_OBJECT_GENERAL = 13617;
constexpr UINT IDD_STREAM_TYPE = 13632;
constexpr UINT IDD_USER_NOTES = 13758;
constexpr UINT IDD_FOLDER_PROPERTIES = 13766;

// Solver diagnostics.
constexpr UINT IDD_DIAGNOSTIC_GENERAL = 106;
constexpr UINT IDD_UNCONVERGED_GROUP = 13663;
constexpr UINT IDD_RESIDUAL_TEXT = 13741;

// Initialization script generation.
constexpr UINT IDD_INITIALIZATION_SCRIPT = 13769;
