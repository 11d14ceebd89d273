#include "explorer/resources/FolderPropertiesTemplate.h"

#include "explorer/resources/ControlIds.h"
#include "explorer/resources/DialogIds.h"
#include "platform/TemplateControls.h"

namespace {

using namespace template_controls;

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
  for (const FolderRowIds& row : kFolderRows) {
    controls.push_back(Button(row.name, "", At(7, top, 110, kRowHeight)));
    controls.push_back(Edit(row.description, At(120, top, 130, kRowHeight), ES_AUTOHSCROLL));
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
