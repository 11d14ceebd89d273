// Templates and control ids of the object property pages.
#pragma once

#include "platform/Types.h"

// File General page.
constexpr UINT IDD_FILE_OBJECT_GENERAL = 102;
constexpr int IDC_FILE_NAME = 14001;
constexpr int IDC_FILE_CREATED = 14002;

// Degrees of Freedom page.
constexpr UINT IDD_DEGREES_OF_FREEDOM = 13667;
constexpr int IDC_DOF_EQUATIONS = 14011;
constexpr int IDC_DOF_VARIABLES = 14012;
constexpr int IDC_DOF_DEGREES_OF_FREEDOM = 14010;

// Model-instance General page.
constexpr UINT IDD_MODEL_INSTANCE_GENERAL = 13618;
constexpr int IDC_OBJECT_NAME = 14070;  // also the named-object page's name
constexpr int IDC_MODEL_TYPE = 14071;
constexpr int IDC_MODEL_TYPE_LABEL = 14072;
constexpr int IDC_MODEL_LIBRARY = 14077;
constexpr int IDC_MODEL_STATUS = 14075;
constexpr int IDC_MODEL_DEGREES_OF_FREEDOM = 14062;
constexpr int IDC_MODEL_EQUATIONS = 14063;
constexpr int IDC_MODEL_VARIABLES = 14064;
constexpr int IDC_MODEL_UNKNOWNS = 14073;

// Named-object General page.
constexpr UINT IDD_NAMED_OBJECT_GENERAL = 13617;
constexpr int IDC_DESCRIPTION_LABEL = 14006;
constexpr int IDC_DESCRIPTION = 14008;

// Stream-type page.
constexpr UINT IDD_STREAM_TYPE = 13632;
constexpr int IDC_LINE_STYLE = 14019;
constexpr int IDC_LINE_COLOUR = 14020;
constexpr int IDC_HIDE_STREAM_LABELS = 14059;

// User Notes page.
constexpr UINT IDD_USER_NOTES = 13758;
constexpr int IDC_USER_NOTES = 14100;

// String-table texts of the pages and sheets.
constexpr UINT IDS_UNKNOWN = 53542;  // "Unknown"
