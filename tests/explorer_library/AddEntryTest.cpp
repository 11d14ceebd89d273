// The Add entries against the stand-in host: labels, menu and commands, and
// each kind's success, taken-name and cancel paths.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/ExplorerComponentListName.h"
#include "explorer/dialogs/ExplorerParameterName.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/ControlIds.h"
#include "host/language/TypeKinds.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"
#include "host/store/HostClassIds.h"
#include "host/store/IFFolderCollection.h"
#include "platform/Dialog.h"
#include "tests/explorer_library/LeafTestSupport.h"
#include "tests/support/ScratchDirectory.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/store/ComponentLists.h"

namespace {

using namespace leaf_test;

class AddEntryTest : public LeafTest {
 protected:
  IFInstance* SimulationInstance() { return InstanceOf(*Store().SimulationType()); }

  const UiPrompt& Prompt(std::size_t index) { return ui.Prompts().at(index); }
  // The folder at path ("Units/BlockTypeFolder") below the simulation palette's root folder.
  CComPtr<IFFolder> FolderAt(const std::vector<std::string>& path) {
    CComPtr<IFFolder> folder = ComQuery<IFFolder>(static_cast<IFTypePalette*>(&Simulation()));
    for (const std::string& name : path) {
      CComPtr<IFFolder> next;
      if (!folder || FAILED(folder->FindFolder(name, &next))) return nullptr;
      folder = next;
    }
    return folder;
  }
  static bool Holds(IFFolder* folder, const std::string& name) {
    CComPtr<IFDesc> item;
    return folder && SUCCEEDED(folder->FindItem(name, &item)) && item;
  }
};

TEST_F(AddEntryTest, AnAddEntryOffersOnlyOpenAndItsClipboardCommandsOnlyBeep) {
  for (const GUID* classId : {&CLSID_QVEOAddVariableType, &CLSID_QVEOAddPortType, &CLSID_QVEOAddProcedure,
                              &CLSID_QVEOAddFunction, &CLSID_QVEOAddModel, &CLSID_QVEOAddStructure,
                              &CLSID_QVEOAddStreamType, &CLSID_QVEOAddParameterType, &CLSID_QVEOAddIcon,
                              &CLSID_QVEOAddScript, &CLSID_QVEOAddTask, &CLSID_QVEOAddComponentList,
                              &CLSID_QVEOAddUserFolder, &CLSID_QVEOAddLibrary, &CLSID_QVEOAddFormInstance}) {
    std::unique_ptr<CExplorerObject> entry(CQVExplorer::Manufacture(*classId, SimulationInstance(), nullptr, &frame));
    ASSERT_TRUE(entry) << classId->ToString();
    EXPECT_EQ(MenuTexts(*entry), Strings{"Open"}) << Text(*entry, EOAspectName);
    EXPECT_EQ(entry->CanDoCommand(ID_EXPLORER_DELETE), 0) << Text(*entry, EOAspectName);
  }
  CQVEOAddVariableType entry(SimulationInstance(), &frame);
  for (UINT command : {ID_EXPLORER_COPY, ID_EXPLORER_CUT, ID_EXPLORER_PASTE}) entry.DoCommand(command);
  EXPECT_EQ(ui.Beeps(), 3);
  EXPECT_TRUE(ui.Prompts().empty());
}

// Each kind: a free name is made, opened and announced; the same name again is
// refused with the kind's error box and asked for again until cancelled.
TEST_F(AddEntryTest, EachKindMakesAFreeNameAndRefusesItTheSecondTime) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  auto typeExists = [this](const std::string& name) { return Simulation().Find(name) != nullptr; };
  auto scriptExists = [this](const std::string& name) {
    return std::any_of(Sessions().begin(), Sessions().end(), [&](const auto& s) { return s->Title() == name; });
  };
  auto iconExists = [&tank](const std::string& name) {
    return !tank.Icons().empty() && tank.Icons().back()->Name() == name;
  };
  struct Case {
    std::string name;
    std::shared_ptr<CExplorerObject> entry;
    std::string createCaption, errorCaption;
    std::optional<int> sessionKind;  // none: the kind opens no editor
    std::function<bool(const std::string&)> made;
  };
  const std::vector<Case> cases = {
      {"Head", std::make_shared<CQVEOAddVariableType>(SimulationInstance(), &frame), "Create Variable Type",
       "Add Variable Error", QV_KIND_VARIABLE_TYPE, typeExists},
      {"Energy", std::make_shared<CQVEOAddPortType>(SimulationInstance(), &frame), "Create Port Type", "Add Port Error",
       QV_KIND_PORT_TYPE, typeExists},
      // The simulation's path is empty, so a script's editor is titled with the name alone.
      {"Startup", std::make_shared<CQVEOAddScript>(SimulationInstance(), &frame), "Create Script",
       "Add Script Error", QV_KIND_SCRIPT, scriptExists},
      {"Shutdown", std::make_shared<CQVEOAddTask>(SimulationInstance(), &frame, 0), "Create Task", "Add Task Error",
       QV_KIND_TASK, typeExists},
      {"Large", std::make_shared<CQVEOAddIcon>(InstanceOf(tank), &frame), "Create Icon", "Add Icon Error",
       std::nullopt, iconExists},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.createCaption);
    ui.ClearRecords();
    const int added = Posted(EXPLORER_OBJECT_ADDED);
    const std::size_t sessions = Sessions().size();
    ui.AnswerName(c.name);
    c.entry->DoDefaultAction();
    ASSERT_FALSE(ui.Prompts().empty());
    EXPECT_EQ(ui.Prompts()[0].caption, c.createCaption);
    EXPECT_TRUE(c.made(c.name));
    if (c.sessionKind) {
      ASSERT_EQ(Sessions().size(), sessions + 1);
      EXPECT_EQ(LastSession()->Kind(), *c.sessionKind);
      EXPECT_EQ(LastSession()->Title(), c.name);
      EXPECT_FALSE(LastSession()->IsReadOnly());
    }
    EXPECT_EQ(c.entry->IsDeletable(), 1) << "the busy mark is cleared when the command ends";

    ui.AnswerName(c.name);
    ui.AnswerOk();
    ui.AnswerCancel();
    c.entry->DoDefaultAction();
    ASSERT_EQ(ui.Prompts().size(), 4u);
    EXPECT_EQ(ui.Prompts()[2].caption, c.errorCaption);
    EXPECT_EQ(ui.Prompts()[3].caption, c.createCaption) << "asked again";
    EXPECT_EQ(Posted(EXPLORER_OBJECT_ADDED), added + 1);
  }
  EXPECT_EQ(LatestText(*Simulation().Find("Head")).rfind("Variable Head", 0), 0u);
}

TEST_F(AddEntryTest, AModelAddedInAUserFolderGoesIntoItsModelsSubFolder) {
  build.Folder(Simulation(), "Units");
  CComPtr<IFFolder> units = FolderAt({"Units"});
  ASSERT_TRUE(units);
  ASSERT_FALSE(FolderAt({"Units", "BlockTypeFolder"}));

  ui.AnswerName("Reactor");
  CQVEOAddModel(SimulationInstance(), &frame, units).DoDefaultAction();
  CComPtr<IFFolder> models = FolderAt({"Units", "BlockTypeFolder"});
  EXPECT_TRUE(Holds(models, "Reactor")) << "the sub-folder is made on first use";
  EXPECT_FALSE(Holds(FolderAt({"BlockTypeFolder"}), "Reactor"));

  ui.AnswerName("Shape");
  CQVEOAddStructure(SimulationInstance(), &frame, units).DoDefaultAction();
  EXPECT_TRUE(Holds(FolderAt({"Units", "StructureTypeFolder"}), "Shape"));
  EXPECT_TRUE(Simulation().Find("Shape"));
}

TEST_F(AddEntryTest, AParameterTypeTakesItsKindAndATakenNameEndsTheCommand) {
  CQVEOAddParameterType entry(SimulationInstance(), &frame);
  ui.AnswerDialog([](CDialog& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Create Parameter Type");
    dialog.Item(IDC_OBJECT_NAME)->UserType("Gain");
    dialog.Item(IDC_PARAMETER_REAL)->UserClick();
    dialog.PressButton(IDOK);
  });
  entry.DoDefaultAction();
  ASSERT_TRUE(Simulation().Find("Gain"));
  EXPECT_NE(LatestText(*Simulation().Find("Gain")).find("Uses RealParameter"), std::string::npos);
  EXPECT_EQ(LastSession()->Kind(), QV_KIND_PARAMETER_TYPE);

  ui.AnswerDialog([](CDialog& dialog) {
    dialog.Item(IDC_OBJECT_NAME)->UserType("Gain");
    dialog.Item(IDC_PARAMETER_LOGICAL)->UserClick();
    dialog.PressButton(IDOK);
  });
  ui.AnswerOk();
  entry.DoDefaultAction();
  EXPECT_EQ(ui.Prompts().back().caption, "Add Parameter Error");
  EXPECT_EQ(Sessions().size(), 1u);
  EXPECT_EQ(Posted(EXPLORER_OBJECT_ADDED), 1);
}

TEST_F(AddEntryTest, ANewUserFolderHasItsTwoSubFoldersAndIsSentToTheWindow) {
  build.Folder(Simulation(), "BlockTypeFolder");
  CComPtr<IFFolder> parent = FolderAt({"BlockTypeFolder"});
  LPARAM sentFolder = 0;
  std::string sentClass;
  frame.onMessage = [&](const explorer_test::RecordedMessage& message) {
    if (message.message != EXPLORER_OBJECT_ADDED) return;
    sentClass = reinterpret_cast<const char*>(message.wParam);
    sentFolder = message.lParam;
  };
  // The entry finds its parent folder by name in the palette.
  CQVEOAddUserFolder entry(SimulationInstance(), &frame, "BlockTypeFolder");
  ASSERT_EQ(entry.GetParentFolder(), parent.Get());
  ui.AnswerName("Units");
  entry.DoDefaultAction();

  CComPtr<IFFolder> made = FolderAt({"BlockTypeFolder", "Units"});
  ASSERT_TRUE(made);
  EXPECT_TRUE(FolderAt({"BlockTypeFolder", "Units", "BlockTypeFolder"}));
  EXPECT_TRUE(FolderAt({"BlockTypeFolder", "Units", "StructureTypeFolder"}));
  EXPECT_EQ(sentClass, CLSID_QVEOUserFolder.ToString());
  EXPECT_EQ(sentFolder, reinterpret_cast<LPARAM>(made.Get())) << "sent, not posted";

  // The same name again: named, asked again, cancelled.
  ui.AnswerName("Units");
  ui.AnswerOk();
  ui.AnswerCancel();
  entry.DoDefaultAction();
  EXPECT_EQ(ui.Prompts()[2].caption, "Add User Folder Error");
  EXPECT_EQ(frame.Count(EXPLORER_OBJECT_ADDED), 1);

  // Without a parent folder the entry does nothing at all.
  CQVEOAddUserFolder lost(SimulationInstance(), &frame, "NoSuchFolder");
  EXPECT_FALSE(lost.GetParentFolder());
  lost.DoDefaultAction();
  EXPECT_EQ(ui.Prompts().size(), 4u);
}

TEST_F(AddEntryTest, AComponentListOrSetIsMadeByTheDocumentsProperties) {
  CComponentLists& lists = Store().ComponentLists();
  CQVEOAddComponentList entry(SimulationInstance(), &frame);
  ui.AnswerDialog([](CDialog& dialog) {
    EXPECT_EQ(dialog.GetWindowText(), "Create Component List");
    dialog.Item(IDC_OBJECT_NAME)->UserType("Solids");
    dialog.Item(IDC_NO_PHYSICAL_PROPERTIES)->UserClick();
    dialog.PressButton(IDOK);
  });
  entry.DoDefaultAction();
  ASSERT_TRUE(lists.Find("Solids"));
  EXPECT_TRUE(lists.Find("Solids")->isSet);
  EXPECT_EQ(Posted(EXPLORER_OBJECT_ADDED), 1);

  ui.AnswerName("Default");
  ui.AnswerOk();
  ui.AnswerName("Water");
  entry.DoDefaultAction();
  EXPECT_EQ(ui.Messages()[2], "Add Component List Error: A type definition named \"Default\" already exists.");
  ASSERT_TRUE(lists.Find("Water"));
  EXPECT_FALSE(lists.Find("Water")->isSet);
}

TEST_F(AddEntryTest, PaletteTasksEditAnExistingTaskOrRefuseAnotherKindsName) {
  build.Task(*Store().SimulationType(), "Startup");
  build.Model(Simulation(), "Tank");
  CQVEOAddTask entry(SimulationInstance(), &frame, 1);

  // An existing task: No asks again, Yes opens it.
  ui.AnswerName("Startup");
  ui.AnswerNo();
  ui.AnswerName("Startup");
  ui.AnswerYes();
  entry.DoDefaultAction();
  EXPECT_EQ(Prompt(1).text, "A task of that name already exists, do you want to edit it?");
  EXPECT_EQ(Prompt(1).caption, "Explorer");
  ASSERT_EQ(Sessions().size(), 1u);
  EXPECT_EQ(LastSession()->Title(), "Startup");

  // A model's name is taken; a free name opens a new definition.
  ui.AnswerName("Tank");
  ui.AnswerOk();
  ui.AnswerName("Purge");
  entry.DoDefaultAction();
  EXPECT_EQ(ui.Prompts()[5].caption, "Add Task Error");
  ASSERT_EQ(Sessions().size(), 2u);
  EXPECT_EQ(LastSession()->Title(), "Purge");
  EXPECT_EQ(LastSession()->Kind(), QV_KIND_TASK);
}

TEST_F(AddEntryTest, OpenLibraryAnnouncesTheLibraryAndReportsAFileThatIsNoLibrary) {
  std::string sentClass;
  frame.onMessage = [&](const explorer_test::RecordedMessage& message) {
    if (message.message == EXPLORER_OBJECT_ADDED) sentClass = reinterpret_cast<const char*>(message.wParam);
  };
  ScratchDirectory scratch;
  CQVEOAddLibrary entry(nullptr, &frame);
  ui.AnswerFile(scratch.Write("NotALibrary.vlib", "this is not a library\n"));
  ui.AnswerOk();
  entry.DoDefaultAction();
  EXPECT_EQ(ui.Prompts().back().text, "Cannot open the requested library. Check that it is a model library file.");
  ui.AnswerCancel();
  entry.DoDefaultAction();
  EXPECT_EQ(frame.Count(EXPLORER_OBJECT_ADDED), 0);

  const std::filesystem::path library = std::filesystem::path(DefaultSamplePath("")).parent_path() / "ProcessUnits.vlib";
  ASSERT_TRUE(std::filesystem::exists(library)) << library;
  ui.AnswerFile(library.string());
  entry.DoDefaultAction();
  EXPECT_EQ(sentClass, CLSID_QVEOLibrary.ToString());
}

TEST_F(AddEntryTest, TheHelpEntryFollowsTheHelpForm) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CQVEOAddHelpInstance entry(InstanceOf(tank), &frame);
  EXPECT_EQ(Text(entry, EOAspectName), " Add Help");
  EXPECT_EQ(Text(entry, EOAspectType), "Model Help");
  EXPECT_EQ(MenuTexts(entry), Strings{"Open"});

  entry.DoDefaultAction();
  EXPECT_EQ(Text(entry, EOAspectName), "Tank Help");
  EXPECT_EQ(MenuTexts(entry), (Strings{"Open", "Delete"}));
  EXPECT_EQ(Posted(EXPLORER_CONTENTS_CHANGED), 1);
  // A new entry on the same model sees the help at once.
  CQVEOAddHelpInstance second(InstanceOf(tank), &frame);
  EXPECT_EQ(Text(second, EOAspectName), "Tank Help");

  ui.AnswerNo();
  entry.DoCommand(ID_EXPLORER_DELETE);
  EXPECT_EQ(entry.HelpExists(), 1);
  ui.AnswerYes();
  entry.DoCommand(ID_EXPLORER_DELETE);
  EXPECT_EQ(entry.HelpExists(), 0);
  CQVEOAddHelpInstance third(InstanceOf(tank), &frame);
  EXPECT_EQ(Text(third, EOAspectName), " Add Help");
}

TEST_F(AddEntryTest, AGlobalTableNeedsAValidFreeName) {
  CQVEOAddGlobalTable entry(SimulationInstance(), &frame);
  build.Form(*Store().SimulationType(), "Levels", CLSID_QVTableForm);
  ui.AnswerName("Levels");
  ui.AnswerOk();  // the taken name is explained before the dialog comes back
  ui.AnswerName("Flows");
  entry.DoDefaultAction();
  EXPECT_EQ(Prompt(0).caption, "Name Global Table");
  EXPECT_EQ(Prompt(1).text, "A global table named \"Levels\" already exists.");
  EXPECT_EQ(Prompt(1).caption, "Operation Failed");
  EXPECT_EQ(Prompt(2).caption, "Name Global Table");
  CComPtr<IQVFormContainer> forms = ComQuery<IQVFormContainer>(SimulationType());
  CComPtr<IQVFormDef> form;
  EXPECT_TRUE(forms && SUCCEEDED(forms->FindForm("Flows", &form)) && form);
  EXPECT_EQ(Posted(EXPLORER_OBJECT_ADDED), 1);
}

}  // namespace
