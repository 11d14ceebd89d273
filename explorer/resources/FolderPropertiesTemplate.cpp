#include "explorer/resources/FolderPropertiesTemplate.h"

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "explorer/resources/TemplateControls.h"

namespace {

using namespace template_controls;

// The controls of one folder row: name button, description edit, "Visible" and "Tank Icon" boxes.
struct FolderRowIds {
  int name;
  int description;
  int visible;
  int tankIcon;
};

constexpr FolderRowIds kRows[] = {
    {IDC_FOLDER_NAME_1, IDC_FOLDER_DESCRIPTION_1, IDC_FOLDER_VISIBLE_1, IDC_FOLDER_TANK_ICON_1},
    {IDC_FOLDER_NAME_2, IDC_FOLDER_DESCRIPTION_2, IDC_FOLDER_VISIBLE_2, IDC_FOLDER_TANK_ICON_2},
    {IDC_FOLDER_NAME_3, IDC_FOLDER_DESCRIPTION_3, IDC_FOLDER_VISIBLE_3, IDC_FOLDER_TANK_ICON_3},
    {IDC_FOLDER_NAME_4, IDC_FOLDER_DESCRIPTION_4, IDC_FOLDER_VISIBLE_4, IDC_FOLDER_TANK_ICON_4},
    {IDC_FOLDER_NAME_5, IDC_FOLDER_DESCRIPTION_5, IDC_FOLDER_VISIBLE_5, IDC_FOLDER_TANK_ICON_5},
    {IDC_FOLDER_NAME_6, IDC_FOLDER_DESCRIPTION_6, IDC_FOLDER_VISIBLE_6, IDC_FOLDER_TANK_ICON_6},
    {IDC_FOLDER_NAME_7, IDC_FOLDER_DESCRIPTION_7, IDC_FOLDER_VISIBLE_7, IDC_FOLDER_TANK_ICON_7},
    {IDC_FOLDER_NAME_8, IDC_FOLDER_DESCRIPTION_8, IDC_FOLDER_VISIBLE_8, IDC_FOLDER_TANK_ICON_8},
    {IDC_FOLDER_NAME_9, IDC_FOLDER_DESCRIPTION_9, IDC_FOLDER_VISIBLE_9, IDC_FOLDER_TANK_ICON_9},
    {IDC_FOLDER_NAME_10, IDC_FOLDER_DESCRIPTION_10, IDC_FOLDER_VISIBLE_10, IDC_FOLDER_TANK_ICON_10},
    {IDC_FOLDER_NAME_11, IDC_FOLDER_DESCRIPTION_11, IDC_FOLDER_VISIBLE_11, IDC_FOLDER_TANK_ICON_11},
    {IDC_FOLDER_NAME_12, IDC_FOLDER_DESCRIPTION_12, IDC_FOLDER_VISIBLE_12, IDC_FOLDER_TANK_ICON_12},
    {IDC_FOLDER_NAME_13, IDC_FOLDER_DESCRIPTION_13, IDC_FOLDER_VISIBLE_13, IDC_FOLDER_TANK_ICON_13},
    {IDC_FOLDER_NAME_14, IDC_FOLDER_DESCRIPTION_14, IDC_FOLDER_VISIBLE_14, IDC_FOLDER_TANK_ICON_14},
};

constexpr int kFirstRowTop = 16;
constexpr int kRowPitch = 13;
constexpr int kRowHeight = 12;
constexpr DWORD kVerticalBar = 0x0001;

}  // namespace

DialogTemplate FolderPropertiesPage() {
  std::vector<ControlTemplate> controls = {
      Label("Folder Name", At(7, 4, 110, 9)),
      Label("Description", At(120, 4, 130, 9)),
      Label("Visible", At(254, 4, 34, 9), IDC_FOLDER_VISIBLE_LABEL),
      Label("Tank Icon", At(290, 4, 40, 9), IDC_FOLDER_TANK_ICON_LABEL),
  };
  int top = kFirstRowTop;
  for (const FolderRowIds& row : kRows) {
    controls.push_back(Button(row.name, "", At(7, top, 110, kRowHeight)));
    controls.push_back(Edit(row.description, At(120, top, 130, kRowHeight)));
    controls.push_back(CheckBox(row.visible, "", At(266, top + 1, 10, 10)));
    controls.push_back(CheckBox(row.tankIcon, "", At(305, top + 1, 10, 10)));
    top += kRowPitch;
  }
  const int gridHeight = top - kRowPitch + kRowHeight - kFirstRowTop;
  controls.push_back(
      Control(ControlKind::ScrollBar, IDC_FOLDER_SCROLL, "", At(334, kFirstRowTop, 10, gridHeight), kVerticalBar));
  controls.push_back(Button(IDC_FOLDER_MOVE_UP, "Move Up", At(350, 16, 36, 14)));
  controls.push_back(Button(IDC_FOLDER_MOVE_DOWN, "Move Down", At(350, 34, 36, 14)));
  controls.push_back(Hidden(Button(IDC_FOLDER_IB, "IB", At(350, 183, 36, 14))));
  return {IDD_FOLDER_PROPERTIES, "Folder Properties", {390, 206}, std::move(controls)};
}
