// Forms and icons of a model as a user meets them: kinds and what each offers,
// system forms, the default form and what deleting it does, renaming forms,
// the "System" icon, making an icon the default, renaming and deleting icons,
// and the forms the form holder makes.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/library/QVEOBlockType.h"
#include "explorer/nodes/library/QVEOFormInstance.h"
#include "explorer/nodes/library/QVEOIcon.h"
#include "explorer/nodes/library/QVExplorerFormHolder.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVIconCollection.h"
#include "host/store/HostClassIds.h"
#include "tests/explorer_models/ModelsTestSupport.h"

namespace models_test {
namespace {

class FormsIconsTest : public ModelsTest {
 protected:
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CQVEOBlockType model{InstanceOf(tank), nullptr, &owner, 0};
  CComPtr<IQVFormContainer> forms = ComQuery<IQVFormContainer>(AsType(tank));
  CComPtr<IQVIconCollection> icons = ComQuery<IQVIconCollection>(AsType(tank));

  template <class Node>
  Node* Shown(const std::string& label) {
    Show(model);
    return dynamic_cast<Node*>(Row(label));
  }
  std::string DefaultForm() {
    std::string name;
    forms->GetDefaultForm(name);
    return name;
  }
};

TEST_F(FormsIconsTest, FormKindsDecideTheTypeTextAndTheDisplayModesOffered) {
  // "Table" and "Plot/History" are the sample model's rows in the model type tests.
  EXPECT_EQ(CQVEOFormInstance::KindText(CLSID_QVProfileForm), "ProfilePlot/Table");
  EXPECT_EQ(CQVEOFormInstance::KindText(CLSID_QVCustomForm), "Custom Form");
  bool viewable = true;
  EXPECT_EQ(CQVEOFormInstance::KindOf(GUID::FromString("{12345678-1234-1234-1234-123456789ABC}"), &viewable),
            EO_FORM_CUSTOM);
  EXPECT_FALSE(viewable);
  EXPECT_EQ(CQVEOFormInstance::KindText(GUID::FromString("{12345678-1234-1234-1234-123456789ABC}")), "Unknown");

  build.Form(tank, "Trend", CLSID_QVPlotForm);
  build.Form(tank, "Profile", CLSID_QVProfileForm);
  app.CreateMainWindow();
  auto* plot = Shown<CQVEOFormInstance>("Trend");
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(MenuTexts(*plot), (Strings{"Edit", "Show as Plot", "Show as History", "Delete", "Rename", "Make Default"}));
  auto* profile = dynamic_cast<CQVEOFormInstance*>(Row("Profile"));
  ASSERT_NE(profile, nullptr);
  EXPECT_EQ(MenuTexts(*profile),
            (Strings{"Edit", "Show as Plot", "Show as Profile Table", "Delete", "Rename", "Make Default"}));
  profile->DoCommand(ID_EXPLORER_SHOW_PROFILE_TABLE);
  plot->DoCommand(ID_EXPLORER_SHOW_PLOT);
  ASSERT_GE(ui.Announcements().size(), 2u);
  EXPECT_EQ(ui.Announcements()[ui.Announcements().size() - 2], "view: History");
  EXPECT_EQ(ui.Announcements().back(), "view: Plot");
}

TEST_F(FormsIconsTest, SystemFormsCanBeNeitherDeletedNorRenamed) {
  auto* all = Shown<CQVEOFormInstance>("AllVariables");
  ASSERT_NE(all, nullptr);
  EXPECT_FALSE(all->IsEditable());
  EXPECT_EQ(MenuTexts(*all), (Strings{"Open", "Make Default"}));
  EXPECT_FALSE(all->CanDoCommand(ID_EXPLORER_RENAME));
  EXPECT_TRUE(all->DontEditLabel());
  EXPECT_EQ(all->SelfDestruct(0), 0);
  EXPECT_EQ(all->EditLabel("Everything"), 0);
  EXPECT_EQ(DefaultForm(), "AllVariables");
}

TEST_F(FormsIconsTest, DeletingTheDefaultFormMakesAllVariablesTheDefault) {
  build.Form(tank, "Levels", CLSID_QVTableForm);
  ASSERT_EQ(forms->SetDefaultForm("Levels"), S_OK);
  Show(model);
  auto* levels = dynamic_cast<CQVEOFormInstance*>(Row("Levels"));
  ASSERT_NE(levels, nullptr);
  int state = 0;
  EXPECT_TRUE(levels->GetOverlay(state));
  EXPECT_EQ(state, 512);

  ui.AnswerNo();
  EXPECT_EQ(levels->SelfDestruct(1), 0);
  EXPECT_EQ(DefaultForm(), "Levels");
  ui.AnswerYes();
  EXPECT_EQ(levels->SelfDestruct(1), 1);
  EXPECT_EQ(ui.Prompts().back().text,
            "Are you sure that you want to delete this object?\nOn confirmation any open windows using this form\n"
            "will be closed.");
  EXPECT_EQ(DefaultForm(), "AllVariables");
  CComPtr<IQVFormDef> gone;
  EXPECT_FALSE(SUCCEEDED(forms->FindForm("Levels", &gone)) && gone);
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_DELETED), 1);
}

TEST_F(FormsIconsTest, RenamingAFormChecksTheNameAndRefusesOneInUse) {
  build.Form(tank, "Levels", CLSID_QVTableForm);
  build.Form(tank, "Flows", CLSID_QVTableForm);
  auto* levels = Shown<CQVEOFormInstance>("Levels");
  ASSERT_NE(levels, nullptr);
  EXPECT_EQ(levels->EditLabel("Levels"), 0);
  ui.AnswerOk();
  EXPECT_EQ(levels->EditLabel("Flows"), 0);
  EXPECT_EQ(ui.LastMessage(), "Rename Form: Cannot rename the form. The name is already in use.");
  EXPECT_EQ(levels->EditLabel("Heights"), 1);
  CComPtr<IQVFormDef> renamed;
  EXPECT_EQ(forms->FindForm("Heights", &renamed), S_OK);
}

TEST_F(FormsIconsTest, TheSystemIconCanOnlyBeMadeTheDefault) {
  auto* system = Shown<CQVEOIcon>("System");
  ASSERT_NE(system, nullptr);
  EXPECT_TRUE(system->IsSystemIcon());
  EXPECT_EQ(MenuTexts(*system), (Strings{"Make Default"}));
  EXPECT_EQ(system->SelfDestruct(0), 0);
  EXPECT_EQ(system->EditLabel("Other"), 0);
  system->DoCommand(ID_EXPLORER_COPY);
  EXPECT_FALSE(Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_ICON));
}

TEST_F(FormsIconsTest, MakingAnIconTheDefaultMovesTheMarkAndTellsTheLibraryToolbar) {
  build.Icon(tank, "Side");
  app.SetLibraryToolbarPresent(true);
  auto* side = Shown<CQVEOIcon>("Side");
  auto* system = dynamic_cast<CQVEOIcon*>(Row("System"));
  ASSERT_TRUE(side && system);
  int state = 0;
  EXPECT_TRUE(system->GetOverlay(state));
  EXPECT_EQ(MenuTexts(*side), (Strings{"Edit", "-", "Copy", "-", "Delete", "Rename", "-", "Make Default"}));
  side->DoCommand(ID_EXPLORER_MAKE_DEFAULT);
  EXPECT_TRUE(side->GetOverlay(state));
  EXPECT_EQ(state, 512);
  EXPECT_FALSE(system->GetOverlay(state));
  EXPECT_EQ(app.LibraryToolbarUpdates(), (std::vector<int>{QV_LIBTOOLBAR_CONTENTS_CHANGED}));
}

TEST_F(FormsIconsTest, RenamingAnIconOnlyInLetterCaseChangesNothingAndATakenNameIsRefused) {
  build.Icon(tank, "Side");
  build.Icon(tank, "Front");
  auto* side = Shown<CQVEOIcon>("Side");
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(side->EditLabel("SIDE"), 0);
  CComPtr<IQVIcon> found;
  EXPECT_EQ(icons->FindIcon("Side", &found), S_OK);
  EXPECT_TRUE(ui.Prompts().empty());
  ui.AnswerOk();
  EXPECT_EQ(side->EditLabel("Front"), 0);
  EXPECT_EQ(ui.Prompts().back().text, "Cannot change the name of the icon, a definition with this name already exists.");
  EXPECT_EQ(side->EditLabel("Top"), 1);
  found.Release();
  EXPECT_EQ(icons->FindIcon("Top", &found), S_OK);
}

TEST_F(FormsIconsTest, AnIconCopiedAndPastedOntoAnotherModelArrivesThere) {
  build.Icon(tank, "Side");
  CStoreType& mixer = build.Model(Simulation(), "Mixer");
  auto* side = Shown<CQVEOIcon>("Side");
  ASSERT_NE(side, nullptr);
  side->DoCommand(ID_EXPLORER_COPY);
  ASSERT_TRUE(Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_ICON));
  CQVEOBlockType mixerNode(InstanceOf(mixer), nullptr, &owner, 0);
  EXPECT_TRUE(mixerNode.CanDoCommand(ID_EXPLORER_PASTE));
  mixerNode.DoCommand(ID_EXPLORER_PASTE);
  CComPtr<IQVIcon> pasted;
  EXPECT_EQ(ComQuery<IQVIconCollection>(AsType(mixer))->FindIcon("Side", &pasted), S_OK);
}

TEST_F(FormsIconsTest, AFormDefinitionDraggedOverAnIconIsLinkedUnlessShiftOrControlIsHeld) {
  auto* system = Shown<CQVEOIcon>("System");
  ASSERT_NE(system, nullptr);
  auto data = std::make_shared<COleDataSource>();
  data->CacheGlobalData(CF_EXPLORER_FORM_DEFINITION, {1});
  COleDataObject form(data);
  EXPECT_EQ(system->OnDragOver(&form, 0), DROPEFFECT_LINK);
  EXPECT_EQ(system->OnDragOver(&form, MK_SHIFT), DROPEFFECT_MOVE);
  EXPECT_EQ(system->OnDragOver(&form, MK_CONTROL), DROPEFFECT_COPY);
  EXPECT_EQ(system->OnDrop(&form, DROPEFFECT_LINK), 0);
}

TEST_F(FormsIconsTest, NodesMadeByTheFactoryForNothingStillAnswerSafely) {
  std::unique_ptr<CExplorerObject> icon(CQVExplorer::Manufacture(CQVEOIcon::ClassID(), nullptr, nullptr, &owner));
  std::unique_ptr<CExplorerObject> form(
      CQVExplorer::Manufacture(CQVEOFormInstance::ClassID(), nullptr, nullptr, &owner));
  ASSERT_TRUE(icon && form);
  for (CExplorerObject* node : {icon.get(), form.get()}) {
    std::string name;
    EXPECT_TRUE(node->GetClassName(name));
    EXPECT_GE(node->GetImage(0, 0), 0);  // a fixed image where there is no picture
    for (UINT id : {ID_EXPLORER_DEFAULT_ACTION, ID_EXPLORER_EDIT, ID_EXPLORER_DELETE, ID_EXPLORER_MAKE_DEFAULT,
                    ID_EXPLORER_SHOW_PLOT})
      node->DoCommand(id);
    EXPECT_EQ(node->SelfDestruct(0), 0);
    EXPECT_EQ(node->EditLabel("Other"), 0);
    int state = 0;
    EXPECT_FALSE(node->GetOverlay(state));
  }
  EXPECT_EQ(ui.Prompts().size(), 0u);
}

TEST_F(FormsIconsTest, TheFormHolderWritesTheDefinitionTextOfEachKindAndRefusesATakenName) {
  EXPECT_EQ(CQVExplorerFormHolder::FormDefinitionText(CLSID_QVTableForm, ""), "");
  EXPECT_EQ(CQVExplorerFormHolder::FormDefinitionText(CLSID_QVCustomForm, "Gauge.Control"),
            "{\nControlProgId : Gauge.Control\n}\n");
  EXPECT_EQ(CQVExplorerFormHolder::FormDefinitionText(CLSID_QVPlotForm, "history"), "{\nDisplayAs : History\n}\n");
  EXPECT_EQ(CQVExplorerFormHolder::FormDefinitionText(CLSID_QVProfileForm, ""), "{\nDisplayAs : Plot\n}\n");

  CQVExplorerFormHolder holder(InstanceOf(tank));
  EXPECT_TRUE(holder.CreateForm("Trend", CLSID_QVPlotForm, 0, "History"));
  ui.AnswerOk();
  EXPECT_FALSE(holder.CreateForm("Trend", CLSID_QVTableForm, 0, ""));
  EXPECT_EQ(ui.LastMessage(), "Add Form Instance Error: A type definition named \"Trend\" already exists.");
  CQVExplorerFormHolder nothing(nullptr);
  EXPECT_FALSE(nothing.CreateForm("Any", CLSID_QVTableForm, 0, ""));
}

}  // namespace
}  // namespace models_test
