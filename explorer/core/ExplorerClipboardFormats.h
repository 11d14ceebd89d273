// The clipboard formats through which types travel between nodes, registered
// by name once per process (the first use registers; ExplorerModule::Initialize
// touches them all at start-up).
#pragma once

#include "platform/Ole.h"

// Format names.
inline constexpr const char* kModellingLanguageFormat = "MORROW Modelling Language";
inline constexpr const char* kFullModellingLanguageFormat =
    "Full MORROW Modelling Language (last good version with embedded uncompiled latest version)";
inline constexpr const char* kNonEmbeddedTextFormat = "Non-embedded Text";
inline constexpr const char* kFlowsheetConstraintsFormat = "MORROW Modelling Language for flowsheet constraints edits";
inline constexpr const char* kCopySelectionFormat = "KTR Copy Selection";

// A type's current text, its full text with uncompiled edits, a script's plain text.
inline const CLIPFORMAT CF_MODELLING_LANGUAGE = RegisterClipboardFormat(kModellingLanguageFormat);
inline const CLIPFORMAT CF_FULL_MODELLING_LANGUAGE = RegisterClipboardFormat(kFullModellingLanguageFormat);
inline const CLIPFORMAT CF_NON_EMBEDDED_TEXT = RegisterClipboardFormat(kNonEmbeddedTextFormat);
// The flowsheet's copy selection (host data) and its constraints text.
inline const CLIPFORMAT CF_KTR_COPY_SELECTION = RegisterClipboardFormat(kCopySelectionFormat);
inline const CLIPFORMAT CF_FLOWSHEET_CONSTRAINTS = RegisterClipboardFormat(kFlowsheetConstraintsFormat);

// One object copied or dragged inside this process (ExplorerClipboardPayload.h).
inline const CLIPFORMAT CF_EXPLORER_VARIABLE_TYPE = RegisterClipboardFormat("Explorer Variable Type Format");
inline const CLIPFORMAT CF_EXPLORER_PORT_TYPE = RegisterClipboardFormat("Explorer Port Type Format");
inline const CLIPFORMAT CF_EXPLORER_PROCEDURE_TYPE = RegisterClipboardFormat("Explorer Procedure Type Format");
inline const CLIPFORMAT CF_EXPLORER_PARAMETER_TYPE = RegisterClipboardFormat("Explorer Parameter Type Format");
inline const CLIPFORMAT CF_EXPLORER_TASK = RegisterClipboardFormat("Explorer Task Format");
inline const CLIPFORMAT CF_EXPLORER_SCRIPT = RegisterClipboardFormat("Explorer Script Format");
inline const CLIPFORMAT CF_EXPLORER_COMPONENT_LIST = RegisterClipboardFormat("Explorer Component List Format");
inline const CLIPFORMAT CF_EXPLORER_FORM_DEFINITION = RegisterClipboardFormat("Explorer Form Definition Format");
inline const CLIPFORMAT CF_EXPLORER_MODEL_ICON = RegisterClipboardFormat("Explorer Model Icon Format");
inline const CLIPFORMAT CF_EXPLORER_GLOBAL_STRUCTURE_TYPE =
    RegisterClipboardFormat("Explorer Global Structure Type Format");

// Block, stream and controller types: the in-process form and the one offered
// to the application's other windows.
inline const CLIPFORMAT CF_EXPLORER_MODEL_TYPE = RegisterClipboardFormat("Explorer Model Type Format");
inline const CLIPFORMAT CF_QELI_MODEL_TYPE = RegisterClipboardFormat("QELI Model Type Format");

// Beside an object that was cut: the drop effect its paste should have (4 bytes,
// DROPEFFECT_MOVE), so the object moves when it is pasted and not before.
inline const CLIPFORMAT CF_PREFERRED_DROP_EFFECT = RegisterClipboardFormat("Preferred DropEffect");
