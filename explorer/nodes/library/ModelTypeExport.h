// Exporting one model or structure type to a file the user chooses: the
// extension of the chosen file decides what is written — the definition as
// modelling-language text (".ktrf"), a model export package with the custom
// modeling types beside it (".rmplz"), or an installation or library package
// (".msi", ".dll"). A file that cannot be written shows "Export failed." and
// leaves no partial file behind.
#pragma once

#include <string>

#include "platform/Types.h"

struct IFInstance;
struct IFType;
class IExplorerWindow;

// The save dialog's filter for an export mode (1 text, 2 installation package, 3 export package, else text or package).
std::string ModelExportFilter(int mode);

// Asks for the file (initial name modelName) and writes type there as its
// extension says. window: the Explorer window whose "Custom Modeling" item
// supplies the custom-modeling types of a ".rmplz" package (may be null).
void ExportModelType(IFType* type, const std::string& modelName, int mode, IExplorerWindow* window);

// Writes the types that customModeling owns (the simulation's own types) as
// "CustomModeling.ktrf" in folder (a private temporary one: a file of that name
// there is replaced); file receives its path. False when nothing was written.
bool ExportCustomModelingFile(IFInstance* customModeling, const std::string& folder, std::string& file);
