// Tasks and scripts as a user meets them: status and overlays of tasks,
// activating and deactivating, the locked state during a run, deleting, the
// task and script folders, invoking and editing scripts, and their renames.
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/QVEOScript.h"
#include "explorer/nodes/library/QVEOScriptFolder.h"
#include "explorer/nodes/library/QVEOTask.h"
#include "explorer/nodes/library/QVEOTaskFolder.h"
#include "host/framework/CRBaseApp.h"
#include "host/store/TypeFlags.h"
#include "platform/Services.h"
#include "tests/explorer_models/ModelsTestSupport.h"

namespace models_test {
namespace {

class TasksScriptsTest : public ModelsTest {
 protected:
  CStoreType& tank = build.Model(Simulation(), "Tank");

  std::string Status(CExplorerObject& node) {
    std::string text;
    node.GetDisplayText(EOAspectStatus, text);
    return text;
  }
  int Overlay(CExplorerObject& node) {
    int state = 0;
    node.GetOverlay(state);
    return state;
  }
};

TEST_F(TasksScriptsTest, ActivatingAnActiveTaskDeactivatesItAndTheOverlayChangesFromActiveToActivatable) {
  CStoreType& drain = build.Task(tank, "Drain");
  CQVEOTask task(InstanceOf(drain), &owner, 0, EO_TASK_OF_BLOCK, InstanceOf(tank));
  EXPECT_EQ(Status(task), "InActive");
  EXPECT_EQ(Overlay(task), 1024);
  EXPECT_EQ(MenuTexts(task), (Strings{"Edit", "-", "Copy", "-", "Delete", "Rename", "-", "Compile", "-", "Activate"}));

  Document().SetModifiedFlag(false);
  task.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_EQ(Overlay(task), 1792);
  EXPECT_EQ(Status(task), "Active");
  EXPECT_TRUE(Document().IsModified());
  CCmdUI check(ID_EXPLORER_ACTIVATE);
  task.SetCommandState(&check);
  EXPECT_EQ(check.GetCheck(), 1);

  task.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_EQ(Overlay(task), 1024);
  EXPECT_EQ(Status(task), "InActive");
}

TEST_F(TasksScriptsTest, ATaskThatFailedToCompileIsNotOkShowsTheErrorMarkAndOffersNoActivate) {
  CStoreType& bad = build.Failing(build.Palette(tank), StoreKind::Task, "Bad", "Task Bad\n  x = ;\n");
  CQVEOTask task(InstanceOf(bad), &owner, 0, EO_TASK_OF_BLOCK, InstanceOf(tank));
  EXPECT_EQ(task.GetStatusCode(), EO_STATUS_NOT_OK);
  EXPECT_EQ(Status(task), "Not OK");
  EXPECT_EQ(Overlay(task), 256);
  EXPECT_FALSE(task.CanDoCommand(ID_EXPLORER_ACTIVATE));
  EXPECT_FALSE(task.CanDoCommand(ID_EXPLORER_COPY));
  // Activating one anyway is refused by the host and said so.
  ui.AnswerOk();
  task.DoCommand(ID_EXPLORER_ACTIVATE);
  ASSERT_FALSE(ui.Prompts().empty());
  EXPECT_EQ(ui.LastMessage(), "Explorer: Cannot activate task.");
}

TEST_F(TasksScriptsTest, DuringARunTasksAndScriptsOfferNoEditing) {
  CStoreType& drain = build.Task(tank, "Drain");
  CStoreType& fill = build.Script(tank, "Fill");
  CQVEOTask task(InstanceOf(drain), &owner, 0, EO_TASK_OF_BLOCK, InstanceOf(tank));
  CQVEOScript script(InstanceOf(tank), AsType(fill), &owner, 0);
  app.SetAppState(QV_APPSTATE_RUNNING);
  EXPECT_EQ(MenuTexts(task), (Strings{"Activate"}));
  EXPECT_EQ(MenuTexts(script), (Strings{"Invoke Script", "-", "Delete"}));
  EXPECT_TRUE(task.DontEditLabel());
  EXPECT_EQ(task.EditLabel("Empty"), 0);
  EXPECT_EQ(script.EditLabel("Other"), 0);
  task.DoCommand(ID_EXPLORER_EDIT);
  EXPECT_TRUE(app.Editor().Sessions().empty());
  app.SetAppState(0);
  EXPECT_EQ(MenuTexts(script), (Strings{"Edit", "Invoke Script", "-", "Copy", "-", "Delete", "Rename"}));
}

TEST_F(TasksScriptsTest, DeletingATaskAsksThenRemovesItAndTellsTheWindowBeforeAndAfter) {
  CStoreType& drain = build.Task(tank, "Drain");
  auto* task = new CQVEOTask(InstanceOf(drain), &owner, 0, EO_TASK_OF_PALETTE, nullptr);
  ui.AnswerNo();
  EXPECT_EQ(task->SelfDestruct(1), 0);
  EXPECT_TRUE(build.Palette(tank).Find("Drain"));

  // The window deletes the node when it hears of the deletion, as the panes do.
  owner.onMessage = [&](const explorer_test::RecordedMessage& message) {
    if (message.message == EXPLORER_OBJECT_DELETED) delete reinterpret_cast<CExplorerObject*>(message.lParam);
  };
  ui.AnswerYes();
  EXPECT_EQ(task->SelfDestruct(1), 1);
  EXPECT_FALSE(build.Palette(tank).Find("Drain"));
  MessageQueue::Pump();
  EXPECT_EQ(owner.Count(EXPLORER_OBJECT_DELETED), 1);
  EXPECT_EQ(owner.Count(EXPLORER_POSTOBJECT_DELETED), 1);
  owner.onMessage = nullptr;
}

TEST_F(TasksScriptsTest, TaskFolderListsItsAddRowAndTasksAndAReadOnlyFolderTakesNothing) {
  CStoreType& units = build.Library("Units", false);
  build.Task(units, "StartUp");
  CQVEOTaskFolder editable(units.DefaultInstance(), nullptr, &owner, 0);
  Show(editable);
  EXPECT_EQ(ListColumn(0), (Strings{" Add Task", "StartUp"}));
  EXPECT_EQ(ListColumn(1)[1], "InActive");
  EXPECT_FALSE(editable.IsEmpty());

  CStoreType& fixed = build.Library("Fixed", true);
  build.Task(fixed, "Purge");
  CQVEOTaskFolder readOnly(fixed.DefaultInstance(), nullptr, &owner, 1);
  Show(readOnly);
  EXPECT_EQ(ListColumn(0), (Strings{"Purge"}));
  PutOnClipboard({CF_EXPLORER_TASK});
  EXPECT_EQ(MenuTexts(readOnly), (Strings{"Explore", "Export..."}));
  EXPECT_EQ(MenuTexts(editable), (Strings{"Explore", "Export...", "-", "Paste"}));
  COleDataObject clipboard;
  ASSERT_TRUE(clipboard.AttachClipboard());
  EXPECT_EQ(readOnly.OnDragOver(&clipboard, 0), DROPEFFECT_NONE);
  EXPECT_EQ(readOnly.OnDrop(&clipboard, DROPEFFECT_COPY), 0);
  EXPECT_EQ(editable.OnDragOver(&clipboard, MK_SHIFT), DROPEFFECT_MOVE);
}

TEST_F(TasksScriptsTest, TaskAndScriptFoldersOfferExportOnlyWhenTheyHoldSomething) {
  CStoreType& units = build.Library("Units", false);
  CQVEOTaskFolder tasks(units.DefaultInstance(), nullptr, &owner, 0);
  CStoreType& pump = build.Model(Simulation(), "Pump");
  CQVEOScriptFolder scripts(InstanceOf(pump), nullptr, &owner, 0);
  for (CExplorerObject* folder : {static_cast<CExplorerObject*>(&tasks), static_cast<CExplorerObject*>(&scripts)}) {
    EXPECT_FALSE(folder->CanDoCommand(ID_EXPLORER_EXPORT));
    EXPECT_EQ(MenuTexts(*folder), (Strings{"Explore"}));
  }
  build.Task(units, "StartUp");
  build.Script(pump, "Fill");
  EXPECT_TRUE(tasks.CanDoCommand(ID_EXPLORER_EXPORT));
  EXPECT_TRUE(scripts.CanDoCommand(ID_EXPLORER_EXPORT));
  EXPECT_EQ(MenuTexts(tasks), (Strings{"Explore", "Export..."}));
}

TEST_F(TasksScriptsTest, ScriptFolderHidesSystemBuiltInAndHiddenScripts) {
  CStoreType& units = build.Library("Units", false);
  build.Script(units, "Report");
  build.Flags(build.Script(units, "Internal"), FT_HIDDEN);
  build.Flags(build.Script(units, "Engine"), FT_SYSTEM);
  build.Flags(build.Script(units, "Kernel"), FT_BUILTIN);
  CQVEOScriptFolder folder(units.DefaultInstance(), nullptr, &owner, 0);
  Show(folder);
  EXPECT_EQ(ListColumn(0), (Strings{" Add Script", "Report"}));
}

TEST_F(TasksScriptsTest, TopLevelScriptsRunThroughTheDocumentAndDoubleClickFollowsTheSetting) {
  CStoreType& report = build.Script(tank, "Report");
  CQVEOScript script(InstanceOf(tank), AsType(report), &owner, 0);
  EXPECT_TRUE(script.IsTopLevel());
  EXPECT_TRUE(script.IsInvocable());
  script.DoCommand(ID_EXPLORER_INVOKE_SCRIPT);
  EXPECT_EQ(Document().Actions().Count("script: Report"), 1);

  script.DoCommand(ID_EXPLORER_DEFAULT_ACTION);  // setting 0: double-click edits
  ASSERT_EQ(app.Editor().Sessions().size(), 1u);
  EXPECT_EQ(app.Editor().Sessions().back()->Title(), "Report");
  Document().m_ApplicationSettings.m_iScriptDoubleClick = 1;
  script.DoCommand(ID_EXPLORER_DEFAULT_ACTION);
  EXPECT_EQ(Document().Actions().Count("script: Report"), 2);
  EXPECT_EQ(app.Editor().Sessions().size(), 1u);
}

TEST_F(TasksScriptsTest, AScriptOwnedByABlockOutsideTheFlowsheetIsNotInvocableAndDoubleClickEdits) {
  CStoreType& props = build.Type(Simulation(), StoreKind::Structure, "Props");
  CStoreType& fill = build.Script(tank, "Fill");
  CComPtr<IFInstance> block;
  ASSERT_EQ(Store().SimulationInstance()->CreateChild("Area", AsType(props), &block), S_OK);
  CQVEOScript script(block, AsType(fill), &owner, 0);
  EXPECT_FALSE(script.IsInvocable());
  EXPECT_FALSE(script.IsTopLevel());
  EXPECT_FALSE(script.CanDoCommand(ID_EXPLORER_INVOKE_SCRIPT));
  Document().m_ApplicationSettings.m_iScriptDoubleClick = 1;
  script.DoCommand(ID_EXPLORER_DEFAULT_ACTION);
  EXPECT_EQ(Document().Actions().Count("script: Fill"), 0);
  ASSERT_EQ(app.Editor().Sessions().size(), 1u);
  EXPECT_EQ(app.Editor().Sessions().back()->Title(), "Area.Fill");
}

TEST_F(TasksScriptsTest, RenamingAScriptOnlyInLetterCaseSkipsTheDuplicateCheck) {
  CStoreType& fill = build.Script(tank, "Fill");
  build.Script(tank, "Drain");
  CQVEOScript script(InstanceOf(tank), AsType(fill), &owner, 0);
  EXPECT_EQ(script.EditLabel("FILL"), 1);
  std::string name;
  script.GetDisplayText(EOAspectName, name);
  EXPECT_EQ(name, "FILL");
  EXPECT_TRUE(ui.Prompts().empty());
  // The same name exactly is no change; another script's name is refused with the duplicate message.
  EXPECT_EQ(script.EditLabel("FILL"), 0);
  ui.AnswerOk();
  EXPECT_EQ(script.EditLabel("drain"), 0);
  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Prompts().back().text, "Cannot rename the type, a definition with this name already exists.");
}

TEST_F(TasksScriptsTest, DeletingAScriptWithoutAskingRemovesIt) {
  CStoreType& fill = build.Script(tank, "Fill");
  Clock::SetSleeper([](DWORD) {});  // the pauses around the deletion take no time here
  auto* script = new CQVEOScript(InstanceOf(tank), AsType(fill), &owner, 0);
  EXPECT_EQ(script->SelfDestruct(0), 1);
  Clock::SetSleeper(nullptr);
  EXPECT_FALSE(build.Palette(tank).Find("Fill"));
  delete script;
}

}  // namespace
}  // namespace models_test
