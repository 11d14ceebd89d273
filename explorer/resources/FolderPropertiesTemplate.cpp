#include "explorer/resources/FolderPropertiesTemplate.h"

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
    {14105, 14106, 14144, 14163}, {14108, 14109, 14145, 14164}, {14110, 14111, 14146, 14165},
    {14112, 14113, 14147, 14166}, {14114, 14115, 14148, 14167}, {14116, 14117, 14149, 14168},
    {14120, 14119, 14150, 14169}, {14118, 14121, 14151, 14170}, {14122, 14123, 14152, 14171},
    {14124, 14125, 14153, 14172}, {14126, 14127, 14154, 14173}, {14128, 14129, 14155, 14174},
    {14130, 14131, 14156, 14175}, {14132, 14133, 14158, 14176},
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
      Label("Visible", At(254, 4, 34, 9), 14177),
      Label("Tank Icon", At(290, 4, 40, 9), 14178),
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
  controls.push_back(Control(ControlKind::ScrollBar, 14107, "", At(334, kFirstRowTop, 10, gridHeight), kVerticalBar));
  controls.push_back(Button(14136, "Move Up", At(350, 16, 36, 14)));
  controls.push_back(Button(14137, "Move Down", At(350, 34, 36, 14)));
  controls.push_back(Hidden(Button(14139, "IB", At(350, 183, 36, 14))));
  return {13766, "Folder Properties", {390, 206}, std::move(controls)};
}
