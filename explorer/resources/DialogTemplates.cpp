// The module's dialog templates: the view-options page, the name dialogs, the
// pane caption strip, the diagnostic pages and residual window, the object
// property pages, the custom-modeling folder page and the initialization
// script dialog. Rectangles are in dialog units; labels sit left of their
// fields on 14-unit rows where no position is prescribed.
#include "explorer/resources/ExplorerResources.h"

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/FolderPropertiesTemplate.h"
#include "platform/TemplateControls.h"

namespace {

using namespace template_controls;

constexpr CSize kPageSize{235, 156};

// A page of read-only values, each behind its label: {label, value control id}.
struct LabelledValue {
  const char* label;
  int valueId;
};

std::vector<ControlTemplate> LabelledValues(std::initializer_list<LabelledValue> rows, int labelWidth) {
  std::vector<ControlTemplate> controls;
  int top = 7;
  for (const LabelledValue& row : rows) {
    controls.push_back(Label(row.label, At(7, top + 2, labelWidth, 8)));
    controls.push_back(ReadOnlyField(row.valueId, At(10 + labelWidth, top, 218 - labelWidth, 12)));
    top += 14;
  }
  return controls;
}

DialogTemplate ViewOptionsPage() {
  return {IDD_VIEW_OPTIONS_FILTER,
          "View",
          kPageSize,
          {
              GroupBox("Select object types to view", At(7, 7, 221, 142)),
              Radio(IDC_INCLUDE_ALL_TYPES, "&Include all object types", At(14, 20, 200, 10), WS_GROUP),
              Radio(IDC_EXCLUDE_LISTED_TYPES, "&Exclude these object types:", At(14, 33, 200, 10)),
              Control(ControlKind::CheckListBox, IDC_OBJECT_TYPE_LIST, "", At(24, 46, 196, 78),
                      LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL | WS_BORDER |
                          WS_TABSTOP | WS_GROUP),
              Button(IDC_SELECT_ALL_TYPES, "&Select All", At(24, 128, 60, 14)),
              Button(IDC_DESELECT_ALL_TYPES, "&Deselect All", At(90, 128, 60, 14)),
          }};
}

// A name dialog: "&Name" with its edit on the first row, any choices below,
// then OK (disabled until a name is typed) and Cancel on the last row.
struct NameDialogLayout {
  UINT id;
  const char* caption;
  CSize size;
  CRect edit;
  int buttonsTop;
  int cancelLeft;
};

DialogTemplate NameDialog(const NameDialogLayout& layout, std::vector<ControlTemplate> choices) {
  std::vector<ControlTemplate> controls = {
      Label("&Name", At(7, layout.edit.top + 3, 26, 8)),
      Edit(IDC_OBJECT_NAME, layout.edit),
  };
  for (ControlTemplate& choice : choices) controls.push_back(std::move(choice));
  controls.push_back(DefaultButton(IDOK, "OK", At(7, layout.buttonsTop, 50, 14), WS_DISABLED | WS_GROUP));
  controls.push_back(Button(IDCANCEL, "Cancel", At(layout.cancelLeft, layout.buttonsTop, 50, 14)));
  return {layout.id, layout.caption, layout.size, std::move(controls)};
}

DialogTemplate ObjectNameDialog() {
  return NameDialog({IDD_EXPLORER_OBJECT_NAME, "<Specify Object Name>", {125, 52}, At(35, 7, 83, 14), 31, 68}, {});
}

DialogTemplate ComponentListNameDialog() {
  return NameDialog(
      {IDD_EXPLORER_COMPONENT_LIST_NAME, "Give Component List Name", {178, 76}, At(35, 7, 136, 12), 55, 121},
      {
          Radio(IDC_USE_PHYSICAL_PROPERTIES, "Use Physical Properties (List)", At(7, 24, 164, 10), WS_GROUP),
          Radio(IDC_NO_PHYSICAL_PROPERTIES, "Do not use Physical Properties (Set)", At(7, 38, 164, 10)),
      });
}

DialogTemplate ParameterNameDialog() {
  return NameDialog({IDD_EXPLORER_PARAMETER_NAME, "Give Parameter Type Name", {121, 118}, At(35, 7, 79, 12), 97, 64},
                    {
                        GroupBox("Parameter Type", At(7, 24, 107, 68)),
                        Radio(IDC_PARAMETER_INTEGER, "Integer", At(14, 36, 93, 10), WS_GROUP),
                        Radio(IDC_PARAMETER_LOGICAL, "Logical", At(14, 49, 93, 10)),
                        Radio(IDC_PARAMETER_REAL, "Real", At(14, 62, 93, 10)),
                        Radio(IDC_PARAMETER_STRING, "String", At(14, 75, 93, 10)),
                    });
}

DialogTemplate PaneLabel() {
  ControlTemplate text = Label("Static", At(0, 1, 19, 8), IDC_PANE_LABEL_TEXT);
  text.style = 0x50020000;  // child, visible, group
  return {IDD_PANE_LABEL, "", {19, 10}, {text}};
}

DialogTemplate DiagnosticPage() {
  std::vector<ControlTemplate> controls = LabelledValues(
      {
          {"Print Level :", IDC_PRINT_LEVEL},
          {"Properties print Level :", IDC_PROPERTIES_PRINT_LEVEL},
          {"Watch Group :", IDC_WATCH_GROUP},
          {"Check Procedure Derivatives :", IDC_CHECK_PROCEDURE_DERIVATIVES},
          {"Highest Residuals :", IDC_HIGHEST_RESIDUALS},
          {"Highest Variable Steps :", IDC_HIGHEST_VARIABLE_STEPS},
      },
      130);
  // The linear-algebra label runs over two lines.
  controls.push_back(Label("Print linear algebra  for  \n        blocks of size >=", At(7, 91, 130, 18)));
  controls.push_back(ReadOnlyField(IDC_LINEAR_ALGEBRA_BLOCK_SIZE, At(140, 94, 88, 12)));
  controls.push_back(Label("Run Mode :", At(7, 115, 130, 8)));
  controls.push_back(ReadOnlyField(IDC_RUN_MODE, At(140, 113, 88, 12)));
  return {IDD_DIAGNOSTIC_GENERAL, "General", kPageSize, std::move(controls)};
}

DialogTemplate UnconvergedGroupPage() {
  struct Row {
    int labelId;
    const char* label;
    int valueId;
  };
  const Row rows[] = {
      {IDC_GROUP_NUMBER_LABEL, "Group number", IDC_GROUP_NUMBER},
      {IDC_GROUP_TYPE_LABEL, "Group type", IDC_GROUP_TYPE},
      {IDC_GROUP_EQUATIONS_LABEL, "Number of equations", IDC_GROUP_EQUATIONS},
      {IDC_GROUP_VARIABLES_LABEL, "Number of variables", IDC_GROUP_VARIABLES},
      {IDC_GROUP_NON_ZEROS_LABEL, "Number of non-zeros", IDC_GROUP_NON_ZEROS},
  };
  std::vector<ControlTemplate> controls;
  int top = 7;
  for (const Row& row : rows) {
    controls.push_back(Label(row.label, At(7, top + 2, 100, 8), row.labelId));
    controls.push_back(ReadOnlyField(row.valueId, At(110, top, 118, 12)));
    top += 14;
  }
  controls.push_back(Label("", At(7, top + 8, 221, 10), IDC_ALL_GROUPS_CONVERGED));  // "All groups are converged"
  return {IDD_UNCONVERGED_GROUP, "1st unconverged group", kPageSize, std::move(controls)};
}

DialogTemplate ResidualTextDialog() {
  return {IDD_RESIDUAL_TEXT,
          "Residual Text",
          {300, 180},
          {
              Edit(IDC_RESIDUAL_TEXT, At(5, 5, 290, 140), ES_MULTILINE | ES_READONLY | WS_VSCROLL),
              DefaultButton(IDOK, "OK", At(125, 155, 50, 14)),
          }};
}

DialogTemplate FileGeneralPage() {
  return {IDD_FILE_OBJECT_GENERAL, "General", kPageSize,
          LabelledValues({{"File name:", IDC_FILE_NAME}, {"Created:", IDC_FILE_CREATED}}, 60)};
}

DialogTemplate DegreesOfFreedomPage() {
  return {IDD_DEGREES_OF_FREEDOM, "Degrees of Freedom", kPageSize,
          LabelledValues(
              {
                  {"Number of equations:", IDC_DOF_EQUATIONS},
                  {"Number of variables:", IDC_DOF_VARIABLES},
                  {"Degrees of freedom:", IDC_DOF_DEGREES_OF_FREEDOM},
              },
              90)};
}

DialogTemplate ModelInstanceGeneralPage() {
  std::vector<ControlTemplate> controls = LabelledValues(
      {
          {"Name:", IDC_OBJECT_NAME},
          {"Type", IDC_MODEL_TYPE},
          {"Model library:", IDC_MODEL_LIBRARY},
          {"Model status:", IDC_MODEL_STATUS},
          {"Number of equations:", IDC_MODEL_EQUATIONS},
          {"Number of variables:", IDC_MODEL_VARIABLES},
          {"Unknown variables:", IDC_MODEL_UNKNOWNS},
          {"Degrees of freedom:", IDC_MODEL_DEGREES_OF_FREEDOM},
      },
      90);
  controls[2].id = IDC_MODEL_TYPE_LABEL;  // the type's label names the node's class ("Block Type")
  return {IDD_MODEL_INSTANCE_GENERAL, "General", kPageSize, std::move(controls)};
}

DialogTemplate NamedObjectGeneralPage() {
  return {IDD_NAMED_OBJECT_GENERAL,
          "General",
          kPageSize,
          {
              Label("Name:", At(7, 9, 50, 8)),
              ReadOnlyField(IDC_OBJECT_NAME, At(60, 7, 168, 12)),
              Label("Description:", At(7, 25, 100, 8), IDC_DESCRIPTION_LABEL),
              Edit(IDC_DESCRIPTION, At(7, 37, 221, 112), ES_MULTILINE | ES_READONLY | WS_VSCROLL),
          }};
}

DialogTemplate StreamTypePage() {
  constexpr DWORD kOwnerDrawnList = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
  ControlTemplate lines = Control(ControlKind::ComboBox, IDC_LINE_STYLE, "", At(70, 7, 100, 14), kOwnerDrawnList);
  lines.items = NumberedItems(8);
  ControlTemplate colours = Control(ControlKind::ComboBox, IDC_LINE_COLOUR, "", At(70, 25, 100, 14), kOwnerDrawnList);
  colours.items = NumberedItems(17);
  return {IDD_STREAM_TYPE,
          "Stream Properties",
          kPageSize,
          {
              Label("Line style:", At(7, 10, 60, 8)),
              lines,
              Label("Colour:", At(7, 28, 60, 8)),
              colours,
              CheckBox(IDC_HIDE_STREAM_LABELS, "Hide stream labels", At(7, 47, 120, 10)),
          }};
}

DialogTemplate UserNotesPage() {
  return {IDD_USER_NOTES,
          "Add Notes",
          kPageSize,
          {
              Control(ControlKind::RichEdit, IDC_USER_NOTES, "", At(7, 7, 221, 142),
                      ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
          }};
}

DialogTemplate InitializationScriptDialog() {
  constexpr DWORD kEditableDropDown = 0x0002;  // an edit field over the list
  constexpr DWORD kSorted = 0x0100;
  return {IDD_INITIALIZATION_SCRIPT,
          "Create Initialization Script",
          {208, 93},
          {
              Label("Create VB Presolve script from model:", At(7, 7, 194, 8)),
              Control(ControlKind::ComboBox, IDC_SCRIPT_MODEL, "", At(7, 23, 194, 12),
                      kEditableDropDown | kSorted | WS_VSCROLL | WS_TABSTOP),
              Hidden(GroupBox("Script Type - All these are invisible", At(7, 40, 194, 26))),
              // The kind buttons are shown, so that an EBSolve script can be chosen at all.
              Radio(IDC_SCRIPT_VB_PRESOLVE, "VB Presolve Script", At(14, 51, 85, 10), WS_GROUP),
              Radio(IDC_SCRIPT_EBSOLVE, "Pellix EBSolve Script", At(104, 51, 90, 10)),
              DefaultButton(IDOK, "Create Script", At(44, 72, 56, 14), WS_GROUP),
              Button(IDCANCEL, "Cancel", At(108, 72, 56, 14)),
          }};
}

}  // namespace

void RegisterExplorerDialogTemplates() {
  RegisterDialogTemplate(ViewOptionsPage());
  RegisterDialogTemplate(ObjectNameDialog());
  RegisterDialogTemplate(ComponentListNameDialog());
  RegisterDialogTemplate(ParameterNameDialog());
  RegisterDialogTemplate(PaneLabel());
  RegisterDialogTemplate(DiagnosticPage());
  RegisterDialogTemplate(UnconvergedGroupPage());
  RegisterDialogTemplate(ResidualTextDialog());
  RegisterDialogTemplate(FileGeneralPage());
  RegisterDialogTemplate(DegreesOfFreedomPage());
  RegisterDialogTemplate(ModelInstanceGeneralPage());
  RegisterDialogTemplate(NamedObjectGeneralPage());
  RegisterDialogTemplate(StreamTypePage());
  RegisterDialogTemplate(UserNotesPage());
  RegisterDialogTemplate(FolderPropertiesPage());
  RegisterDialogTemplate(InitializationScriptDialog());
}
