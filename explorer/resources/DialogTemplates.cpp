// The module's dialog templates: the view-options page, the name dialogs, the
// pane caption strip, the diagnostic pages and residual window, the object
// property pages, the custom-modeling folder page and the initialization
// script dialog. Rectangles are in dialog units; labels sit left of their
// fields on 14-unit rows where no position is prescribed.
#include "explorer/resources/ExplorerResources.h"

#include "explorer/resources/FolderPropertiesTemplate.h"
#include "explorer/resources/TemplateControls.h"

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
  return {107,
          "View",
          kPageSize,
          {
              GroupBox("Select object types to view", At(7, 7, 221, 142)),
              Radio(14021, "&Include all object types", At(14, 20, 200, 10), WS_GROUP),
              Radio(14041, "&Exclude these object types:", At(14, 33, 200, 10)),
              Control(ControlKind::CheckListBox, 14048, "", At(24, 46, 196, 78),
                      LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL | WS_BORDER |
                          WS_TABSTOP | WS_GROUP),
              Button(14015, "&Select All", At(24, 128, 60, 14)),
              Button(14016, "&Deselect All", At(90, 128, 60, 14)),
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
      Edit(14070, layout.edit),
  };
  for (ControlTemplate& choice : choices) controls.push_back(std::move(choice));
  controls.push_back(DefaultButton(IDOK, "OK", At(7, layout.buttonsTop, 50, 14), WS_DISABLED | WS_GROUP));
  controls.push_back(Button(IDCANCEL, "Cancel", At(layout.cancelLeft, layout.buttonsTop, 50, 14)));
  return {layout.id, layout.caption, layout.size, std::move(controls)};
}

DialogTemplate ObjectNameDialog() {
  return NameDialog({13628, "<Specify Object Name>", {125, 52}, At(35, 7, 83, 14), 31, 68}, {});
}

DialogTemplate ComponentListNameDialog() {
  return NameDialog({13668, "Give Component List Name", {178, 76}, At(35, 7, 136, 12), 55, 121},
                    {
                        Radio(14096, "Use Physical Properties (List)", At(7, 24, 164, 10), WS_GROUP),
                        Radio(14095, "Do not use Physical Properties (Set)", At(7, 38, 164, 10)),
                    });
}

DialogTemplate ParameterNameDialog() {
  return NameDialog({13669, "Give Parameter Type Name", {121, 118}, At(35, 7, 79, 12), 97, 64},
                    {
                        GroupBox("Parameter Type", At(7, 24, 107, 68)),
                        Radio(14051, "Integer", At(14, 36, 93, 10), WS_GROUP),
                        Radio(14053, "Logical", At(14, 49, 93, 10)),
                        Radio(14050, "Real", At(14, 62, 93, 10)),
                        Radio(14052, "String", At(14, 75, 93, 10)),
                    });
}

DialogTemplate PaneLabel() {
  ControlTemplate text = Label("Static", At(0, 1, 19, 8), 14057);
  text.style = 0x50020000;  // child, visible, group
  return {13698, "", {19, 10}, {text}};
}

DialogTemplate DiagnosticPage() {
  std::vector<ControlTemplate> controls = LabelledValues(
      {
          {"Print Level :", 14040},
          {"Properties print Level :", 14025},
          {"Watch Group :", 14031},
          {"Check Procedure Derivatives :", 14026},
          {"Highest Residuals :", 14027},
          {"Highest Variable Steps :", 14028},
      },
      130);
  // The linear-algebra label runs over two lines.
  controls.push_back(Label("Print linear algebra  for  \n        blocks of size >=", At(7, 91, 130, 18)));
  controls.push_back(ReadOnlyField(14029, At(140, 94, 88, 12)));
  controls.push_back(Label("Run Mode :", At(7, 115, 130, 8)));
  controls.push_back(ReadOnlyField(14030, At(140, 113, 88, 12)));
  return {106, "General", kPageSize, std::move(controls)};
}

DialogTemplate UnconvergedGroupPage() {
  struct Row {
    int labelId;
    const char* label;
    int valueId;
  };
  const Row rows[] = {
      {14042, "Group number", 14033},        {14043, "Group type", 14034},
      {14044, "Number of equations", 14035}, {14045, "Number of variables", 14036},
      {14046, "Number of non-zeros", 14037},
  };
  std::vector<ControlTemplate> controls;
  int top = 7;
  for (const Row& row : rows) {
    controls.push_back(Label(row.label, At(7, top + 2, 100, 8), row.labelId));
    controls.push_back(ReadOnlyField(row.valueId, At(110, top, 118, 12)));
    top += 14;
  }
  controls.push_back(Label("", At(7, top + 8, 221, 10), 14032));  // "All groups are converged"
  return {13663, "1st unconverged group", kPageSize, std::move(controls)};
}

DialogTemplate ResidualTextDialog() {
  return {13741,
          "Residual Text",
          {300, 180},
          {
              Edit(14039, At(5, 5, 290, 140), ES_MULTILINE | ES_READONLY | WS_VSCROLL),
              DefaultButton(IDOK, "OK", At(125, 155, 50, 14)),
          }};
}

DialogTemplate FileGeneralPage() {
  return {102, "General", kPageSize, LabelledValues({{"File name:", 14001}, {"Created:", 14002}}, 60)};
}

DialogTemplate DegreesOfFreedomPage() {
  return {13667, "Degrees of Freedom", kPageSize,
          LabelledValues(
              {
                  {"Number of equations:", 14011},
                  {"Number of variables:", 14012},
                  {"Degrees of freedom:", 14010},
              },
              90)};
}

DialogTemplate ModelInstanceGeneralPage() {
  std::vector<ControlTemplate> controls = LabelledValues(
      {
          {"Name:", 14070},
          {"Type", 14071},
          {"Model library:", 14077},
          {"Model status:", 14075},
          {"Number of equations:", 14063},
          {"Number of variables:", 14064},
          {"Unknown variables:", 14073},
          {"Degrees of freedom:", 14062},
      },
      90);
  controls[2].id = 14072;  // the type's label names the node's class ("Block Type")
  return {13618, "General", kPageSize, std::move(controls)};
}

DialogTemplate NamedObjectGeneralPage() {
  return {13617,
          "General",
          kPageSize,
          {
              Label("Name:", At(7, 9, 50, 8)),
              ReadOnlyField(14070, At(60, 7, 168, 12)),
              Label("Description:", At(7, 25, 100, 8), 14006),
              Edit(14008, At(7, 37, 221, 112), ES_MULTILINE | ES_READONLY | WS_VSCROLL),
          }};
}

DialogTemplate StreamTypePage() {
  constexpr DWORD kOwnerDrawnList = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
  ControlTemplate lines = Control(ControlKind::ComboBox, 14019, "", At(70, 7, 100, 14), kOwnerDrawnList);
  lines.items = NumberedItems(8);
  ControlTemplate colours = Control(ControlKind::ComboBox, 14020, "", At(70, 25, 100, 14), kOwnerDrawnList);
  colours.items = NumberedItems(17);
  return {13632,
          "Stream Properties",
          kPageSize,
          {
              Label("Line style:", At(7, 10, 60, 8)),
              lines,
              Label("Colour:", At(7, 28, 60, 8)),
              colours,
              CheckBox(14059, "Hide stream labels", At(7, 47, 120, 10)),
          }};
}

DialogTemplate UserNotesPage() {
  return {13758,
          "Add Notes",
          kPageSize,
          {
              Control(ControlKind::RichEdit, 14100, "", At(7, 7, 221, 142),
                      ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
          }};
}

DialogTemplate InitializationScriptDialog() {
  constexpr DWORD kEditableDropDown = 0x0002;  // an edit field over the list
  constexpr DWORD kSorted = 0x0100;
  return {13769,
          "Create Initialization Script",
          {208, 93},
          {
              Label("Create VB Presolve script from model:", At(7, 7, 194, 8)),
              Control(ControlKind::ComboBox, 14159, "", At(7, 23, 194, 12),
                      kEditableDropDown | kSorted | WS_VSCROLL | WS_TABSTOP),
              Hidden(GroupBox("Script Type - All these are invisible", At(7, 40, 194, 26))),
              Hidden(Radio(14161, "VB Presolve Script", At(14, 51, 85, 10), WS_GROUP)),
              Hidden(Radio(14162, "Pellix EBSolve Script", At(104, 51, 90, 10))),
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
