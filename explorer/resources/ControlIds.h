// Control ids of the dialog templates, grouped by the dialog or page that
// carries them. A control id is unique within its dialog; the name field is
// shared by the name dialogs and the General pages.
#pragma once

// Name dialogs and General pages.
constexpr int IDC_OBJECT_NAME = 14070;
constexpr int IDC_USE_PHYSICAL_PROPERTIES = 14096;
constexpr int IDC_NO_PHYSICAL_PROPERTIES = 14095;
constexpr int IDC_PARAMETER_INTEGER = 14051;
constexpr int IDC_PARAMETER_LOGICAL = 14053;
constexpr int IDC_PARAMETER_REAL = 14050;
constexpr int IDC_PARAMETER_STRING = 14052;

// Pane caption strip.
constexpr int IDC_PANE_LABEL_TEXT = 14057;

// View options page.
constexpr int IDC_INCLUDE_ALL_TYPES = 14021;
constexpr int IDC_EXCLUDE_LISTED_TYPES = 14041;
constexpr int IDC_OBJECT_TYPE_LIST = 14048;
constexpr int IDC_SELECT_ALL_TYPES = 14015;
constexpr int IDC_DESELECT_ALL_TYPES = 14016;

// File General page.
constexpr int IDC_FILE_NAME = 14001;
constexpr int IDC_FILE_CREATED = 14002;

// Degrees of Freedom page.
constexpr int IDC_DOF_EQUATIONS = 14011;
constexpr int IDC_DOF_VARIABLES = 14012;
constexpr int IDC_DOF_DEGREES_OF_FREEDOM = 14010;

// Model-instance General page.
constexpr int IDC_MODEL_TYPE = 14071;
constexpr int IDC_MODEL_TYPE_LABEL = 14072;
constexpr int IDC_MODEL_LIBRARY = 14077;
constexpr int IDC_MODEL_STATUS = 14075;
constexpr int IDC_MODEL_DEGREES_OF_FREEDOM = 14062;
constexpr int IDC_MODEL_EQUATIONS = 14063;
constexpr int IDC_MODEL_VARIABLES = 14064;
constexpr int IDC_MODEL_UNKNOWNS = 14073;

// Named-object General page.
constexpr int IDC_DESCRIPTION_LABEL = 14006;
constexpr int IDC_DESCRIPTION = 14008;

// Stream-type page.
constexpr int IDC_LINE_STYLE = 14019;
constexpr int IDC_LINE_COLOUR = 14020;
constexpr int IDC_HIDE_STREAM_LABELS = 14059;

// User Notes page.
constexpr int IDC_USER_NOTES = 14100;

// Diagnostic General page.
constexpr int IDC_PRINT_LEVEL = 14040;
constexpr int IDC_PROPERTIES_PRINT_LEVEL = 14025;
constexpr int IDC_WATCH_GROUP = 14031;
constexpr int IDC_CHECK_PROCEDURE_DERIVATIVES = 14026;
constexpr int IDC_HIGHEST_RESIDUALS = 14027;
constexpr int IDC_HIGHEST_VARIABLE_STEPS = 14028;
constexpr int IDC_LINEAR_ALGEBRA_BLOCK_SIZE = 14029;
constexpr int IDC_RUN_MODE = 14030;

// First unconverged group page: each value with its label.
constexpr int IDC_GROUP_NUMBER_LABEL = 14042;
constexpr int IDC_GROUP_NUMBER = 14033;
constexpr int IDC_GROUP_TYPE_LABEL = 14043;
constexpr int IDC_GROUP_TYPE = 14034;
constexpr int IDC_GROUP_EQUATIONS_LABEL = 14044;
constexpr int IDC_GROUP_EQUATIONS = 14035;
constexpr int IDC_GROUP_VARIABLES_LABEL = 14045;
constexpr int IDC_GROUP_VARIABLES = 14036;
constexpr int IDC_GROUP_NON_ZEROS_LABEL = 14046;
constexpr int IDC_GROUP_NON_ZEROS = 14037;
constexpr int IDC_ALL_GROUPS_CONVERGED = 14032;

// Residual text dialog.
constexpr int IDC_RESIDUAL_TEXT = 14039;

// Initialization script dialog.
constexpr int IDC_SCRIPT_MODEL = 14159;
constexpr int IDC_SCRIPT_VB_PRESOLVE = 14161;
constexpr int IDC_SCRIPT_EBSOLVE = 14162;

// Custom-modeling folder page: column labels, the 14 folder rows (name
// button, description, "Visible" and "Tank Icon" boxes), scroll bar and buttons.
constexpr int IDC_FOLDER_VISIBLE_LABEL = 14177;
constexpr int IDC_FOLDER_TANK_ICON_LABEL = 14178;
constexpr int IDC_FOLDER_NAME_1 = 14105;
constexpr int IDC_FOLDER_DESCRIPTION_1 = 14106;
constexpr int IDC_FOLDER_VISIBLE_1 = 14144;
constexpr int IDC_FOLDER_TANK_ICON_1 = 14163;
constexpr int IDC_FOLDER_NAME_2 = 14108;
constexpr int IDC_FOLDER_DESCRIPTION_2 = 14109;
constexpr int IDC_FOLDER_VISIBLE_2 = 14145;
constexpr int IDC_FOLDER_TANK_ICON_2 = 14164;
constexpr int IDC_FOLDER_NAME_3 = 14110;
constexpr int IDC_FOLDER_DESCRIPTION_3 = 14111;
constexpr int IDC_FOLDER_VISIBLE_3 = 14146;
constexpr int IDC_FOLDER_TANK_ICON_3 = 14165;
constexpr int IDC_FOLDER_NAME_4 = 14112;
constexpr int IDC_FOLDER_DESCRIPTION_4 = 14113;
constexpr int IDC_FOLDER_VISIBLE_4 = 14147;
constexpr int IDC_FOLDER_TANK_ICON_4 = 14166;
constexpr int IDC_FOLDER_NAME_5 = 14114;
constexpr int IDC_FOLDER_DESCRIPTION_5 = 14115;
constexpr int IDC_FOLDER_VISIBLE_5 = 14148;
constexpr int IDC_FOLDER_TANK_ICON_5 = 14167;
constexpr int IDC_FOLDER_NAME_6 = 14116;
constexpr int IDC_FOLDER_DESCRIPTION_6 = 14117;
constexpr int IDC_FOLDER_VISIBLE_6 = 14149;
constexpr int IDC_FOLDER_TANK_ICON_6 = 14168;
constexpr int IDC_FOLDER_NAME_7 = 14120;
constexpr int IDC_FOLDER_DESCRIPTION_7 = 14119;
constexpr int IDC_FOLDER_VISIBLE_7 = 14150;
constexpr int IDC_FOLDER_TANK_ICON_7 = 14169;
constexpr int IDC_FOLDER_NAME_8 = 14118;
constexpr int IDC_FOLDER_DESCRIPTION_8 = 14121;
constexpr int IDC_FOLDER_VISIBLE_8 = 14151;
constexpr int IDC_FOLDER_TANK_ICON_8 = 14170;
constexpr int IDC_FOLDER_NAME_9 = 14122;
constexpr int IDC_FOLDER_DESCRIPTION_9 = 14123;
constexpr int IDC_FOLDER_VISIBLE_9 = 14152;
constexpr int IDC_FOLDER_TANK_ICON_9 = 14171;
constexpr int IDC_FOLDER_NAME_10 = 14124;
constexpr int IDC_FOLDER_DESCRIPTION_10 = 14125;
constexpr int IDC_FOLDER_VISIBLE_10 = 14153;
constexpr int IDC_FOLDER_TANK_ICON_10 = 14172;
constexpr int IDC_FOLDER_NAME_11 = 14126;
constexpr int IDC_FOLDER_DESCRIPTION_11 = 14127;
constexpr int IDC_FOLDER_VISIBLE_11 = 14154;
constexpr int IDC_FOLDER_TANK_ICON_11 = 14173;
constexpr int IDC_FOLDER_NAME_12 = 14128;
constexpr int IDC_FOLDER_DESCRIPTION_12 = 14129;
constexpr int IDC_FOLDER_VISIBLE_12 = 14155;
constexpr int IDC_FOLDER_TANK_ICON_12 = 14174;
constexpr int IDC_FOLDER_NAME_13 = 14130;
constexpr int IDC_FOLDER_DESCRIPTION_13 = 14131;
constexpr int IDC_FOLDER_VISIBLE_13 = 14156;
constexpr int IDC_FOLDER_TANK_ICON_13 = 14175;
constexpr int IDC_FOLDER_NAME_14 = 14132;
constexpr int IDC_FOLDER_DESCRIPTION_14 = 14133;
constexpr int IDC_FOLDER_VISIBLE_14 = 14158;
constexpr int IDC_FOLDER_TANK_ICON_14 = 14176;
constexpr int IDC_FOLDER_SCROLL = 14107;
constexpr int IDC_FOLDER_MOVE_UP = 14136;
constexpr int IDC_FOLDER_MOVE_DOWN = 14137;
constexpr int IDC_FOLDER_IB = 14139;  // hidden
