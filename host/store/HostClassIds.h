// Class identifiers of host objects and host views that the explorer names.
#pragma once

#include "platform/Guid.h"

// Free-standing types made with typecatCreateType.
inline const CLSID CLSID_QVScriptType = GUID::FromString("{8FFAC1A9-61D6-11D0-AE2E-000000000000}");
// The class of the built-in "Hierarchy" type.
inline const CLSID CLSID_QVHierarchyType = GUID::FromString("{AF77DF66-45D3-11D4-907D-00A02451BB94}");

// Form kinds (the class of a form definition's instance).
inline const CLSID CLSID_QVTableForm = GUID::FromString("{6BA76840-806B-11D0-BE51-0000C09984EF}");
inline const CLSID CLSID_QVPlotForm = GUID::FromString("{F6AD2450-A109-11D0-8B2F-00A024E1AC0C}");
inline const CLSID CLSID_QVProfileForm = GUID::FromString("{40C692F8-9541-11D4-8062-00C04F89DD44}");
inline const CLSID CLSID_QVCustomForm = GUID::FromString("{7A0B9047-52B0-11D0-BE3E-0000C09984EF}");
inline const CLSID CLSID_QVModelHelpForm = GUID::FromString("{07946F1C-D69D-4927-A221-1D2EAC51B8D9}");

// Host views opened through SHOW_CORVANEVIEW.
// The text editor, also the variable finder.
inline const CLSID CLSID_QVTextEditorView = GUID::FromString("{4540E8D0-947F-11D0-B864-00C0DF121F4E}");
// The table or plot view of forms and profiles.
inline const CLSID CLSID_QVFormView = GUID::FromString("{11024DC1-59B6-11D0-8D77-00C0DF469D39}");
inline const CLSID CLSID_QVIconEditorView = GUID::FromString("{A0DFFFE5-938E-11CE-A964-0000C08C668E}");
