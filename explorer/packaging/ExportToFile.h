// What the Explorer's "Export" commands share: asking for the target file with
// the Explorer file dialog titled "Export" (the application's default
// extension, hide-read-only and overwrite-prompt, the application's filter),
// and writing a definition text there. A node's export is then one call:
//
//   ExportTextToChosenFile(name, [&](std::string& text) { return QVExportType(type, text); });
//
// or, for exporters that write the file themselves:
//
//   std::string path;
//   if (ChooseExportFile(name, path)) QVExportDocument(root, path);
#pragma once

#include <functional>
#include <string>

#include "platform/Types.h"

// Shows the dialog with initialName; true with the chosen path, false when cancelled.
bool ChooseExportFile(const std::string& initialName, std::string& path);

// Asks for the file, has produce append the text, and replaces the file's
// contents with it in one step. Nothing is written when the person cancels or
// produce fails; a failure of produce or of the write is told in a message box
// captioned "Export", and the file keeps what it held. True when the file was written.
// Tells the person that an export failed (message box captioned "Export").
void ReportExportFailure(const std::string& what);

bool ExportTextToChosenFile(const std::string& initialName, const std::function<HRESULT(std::string&)>& produce);
