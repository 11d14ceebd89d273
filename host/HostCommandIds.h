// The host application's command ids: the commands of its menus and keys that
// the host itself performs. An Explorer window shows them in its menu bar and
// accelerator table and passes them on; nodes put the run commands into their
// own menus (their menu texts are the strings of the same ids).
#pragma once

#include "platform/Types.h"

// File menu.
constexpr UINT ID_HOST_OPEN_LIBRARY = 50234;
constexpr UINT ID_HOST_CREATE_LIBRARY = 50235;
constexpr UINT ID_HOST_SET_WORKING_FOLDER = 50251;
constexpr UINT ID_HOST_IMPORT_TYPES = 50201;
constexpr UINT ID_HOST_IMPORT_FLOWSHEET = 50050;
constexpr UINT ID_HOST_EXPORT = 50241;

// Edit menu: the place where the host puts its editor's commands.
constexpr UINT ID_HOST_EDITOR = 50601;

// View menu.
constexpr UINT ID_HOST_TOOLBARS = 50225;
constexpr UINT ID_HOST_MODEL_LIBRARIES = 50283;
constexpr UINT ID_HOST_MESSAGES = 50227;
constexpr UINT ID_HOST_SPECIFICATION_STATUS = 50226;

// Tools menu.
constexpr UINT ID_HOST_EXPLORER = 50239;
constexpr UINT ID_HOST_UNITS_OF_MEASUREMENT = 50301;  // the host fills in its unit sets here
constexpr UINT ID_HOST_CUSTOM_MODELING = 50255;
constexpr UINT ID_HOST_SNAPSHOTS = 50221;
constexpr UINT ID_HOST_VARIABLE_FIND = 50214;
constexpr UINT ID_HOST_SPECIFICATION_ANALYSIS = 50261;
constexpr UINT ID_HOST_HOMOTOPY = 50259;
constexpr UINT ID_HOST_SIMULATION_ACCESS_EXTENSIONS = 50264;
constexpr UINT ID_HOST_OPTIMIZATION = 50265;
constexpr UINT ID_HOST_ESTIMATION = 50268;
constexpr UINT ID_HOST_ON_LINE_LINKS = 50269;
constexpr UINT ID_HOST_CONFIGURE_PROPERTIES = 50274;
constexpr UINT ID_HOST_FORMS_BROWSER = 50281;
constexpr UINT ID_HOST_NEW_FORM = 50280;
constexpr UINT ID_HOST_NEW_SCRIPT = 50277;
constexpr UINT ID_HOST_NEW_TASK = 50278;
constexpr UINT ID_HOST_TAKE_SNAPSHOT = 50279;
constexpr UINT ID_HOST_CAPTURE_SCREEN_LAYOUT = 50267;
constexpr UINT ID_HOST_GENERATE_PROCEDURE_CODE = 50250;
constexpr UINT ID_HOST_MANAGE_KTR_MODELS = 50287;
constexpr UINT ID_HOST_PACKAGE_MODEL = 50284;
constexpr UINT ID_HOST_CREATE_INITIALIZATION_SCRIPT = 50286;
constexpr UINT ID_HOST_SETTINGS = 50254;

// Run menu: the run mode, running and resetting.
constexpr UINT ID_HOST_MODE_INITIALIZATION = 50233;
constexpr UINT ID_HOST_MODE_STEADY_STATE = 50206;
constexpr UINT ID_HOST_MODE_DYNAMIC = 50203;
constexpr UINT ID_HOST_MODE_ESTIMATION = 50252;
constexpr UINT ID_HOST_MODE_OPTIMIZATION = 50256;
constexpr UINT ID_HOST_RUN = 41132;
constexpr UINT ID_HOST_STEP = 41133;
constexpr UINT ID_HOST_PAUSE = 50204;
constexpr UINT ID_HOST_PAUSE_AT = 50207;
constexpr UINT ID_HOST_REWIND = 50205;
constexpr UINT ID_HOST_RESTART = 50244;
constexpr UINT ID_HOST_RESET = 50253;
constexpr UINT ID_HOST_RESET_ALL = 50275;
constexpr UINT ID_HOST_ADVANCED_RESET = 50276;
constexpr UINT ID_HOST_RUN_OPTIONS = 50243;
constexpr UINT ID_HOST_SOLVER_OPTIONS = 50224;
constexpr UINT ID_HOST_UNLOAD_USER_DLLS = 50266;
constexpr UINT ID_HOST_INTERRUPT = 50245;

// Window and Help menus.
constexpr UINT ID_HOST_RESTORE_LAYOUT = 50362;
constexpr UINT ID_HOST_HELP_TOPICS = 50273;  // the host puts its help commands here

// Keys without a menu item: the child-window keys.
constexpr UINT ID_HOST_NEXT_WINDOW = 50257;   // Ctrl+F6, Ctrl+Tab
constexpr UINT ID_HOST_CLOSE_WINDOW = 50258;  // Ctrl+F4
