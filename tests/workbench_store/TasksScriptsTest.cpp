// Tasks and scripts an owner holds, the task run state, and the display
// record of stream types.
#include "host/model/IQVStreamType.h"
#include "host/model/IQVTask.h"
#include "host/model/IQVTasks.h"
#include "host/com/PersistStream.h"
#include "host/store/CMwScriptEnumerator.h"
#include "host/store/MwTypeEnumerator.h"
#include "host/store/TypeFlags.h"
#include "tests/workbench_store/StoreTestSupport.h"

namespace {

class TasksScriptsTest : public StoreTest {
 protected:
  CComPtr<IQVTasks> tasks = ComQuery<IQVTasks>(SimulationType());
};

TEST_F(TasksScriptsTest, TasksAreAddedFoundAndDeletedThroughTheirOwner) {
  ASSERT_TRUE(tasks);
  CComPtr<IFType> task;
  ASSERT_EQ(tasks->AddTask("Startup", "Task Startup runs once\n  Tank.P : 3;\nEnd\n", &task), S_OK);
  EXPECT_EQ(tasks->AddTask("startup", "Task startup\nEnd\n", nullptr), FE_NAMEEXISTS);
  EXPECT_EQ(tasks->AddTask("Other", "Model Other\nEnd\n", nullptr), E_INVALIDARG);  // not a task
  EXPECT_EQ(TypeNames(NamedFolder(Simulation(), "TaskTypeFolder")), std::vector<std::string>{"Startup"});
  DWORD flags = 0;
  task->GetFlags(&flags);
  EXPECT_TRUE(flags & FT_TASK);
  // The task folder is what a type enumerator with the task flag lists.
  MwTypeEnumerator enumerator(SimulationType(), FT_TASK);
  CComPtr<IFType> listed;
  ASSERT_EQ(enumerator.Next(&listed), S_OK);
  EXPECT_TRUE(IsSameObject(listed, task));
  EXPECT_EQ(enumerator.Next(&listed), S_FALSE);

  CComPtr<IFType> found;
  ASSERT_EQ(tasks->FindTask("STARTUP", &found), S_OK);
  EXPECT_TRUE(IsSameObject(found, task));
  EXPECT_EQ(tasks->DeleteTask("Startup"), S_OK);
  EXPECT_EQ(tasks->FindTask("Startup", &found), FE_NOTFOUND);
}

TEST_F(TasksScriptsTest, AnActiveTaskIsInUseAndAFailingTaskCannotBeActivated) {
  CComPtr<IFType> task;
  ASSERT_EQ(tasks->AddTask("Startup", "Task Startup\n  x : 1;\nEnd\n", &task), S_OK);
  CComPtr<IQVTask> state;
  ASSERT_EQ(tasks->GetTask("Startup", &state), S_OK);
  bool flag = false;
  state->IsActivatable(&flag);
  EXPECT_TRUE(flag);
  ASSERT_EQ(state->SetActive(true), S_OK);
  bool inUse = false;
  ASSERT_EQ(tasks->IsTaskInUse("Startup", &inUse), S_OK);
  EXPECT_TRUE(inUse);
  EXPECT_EQ(tasks->DeleteTask("Startup"), FE_INUSE);
  ASSERT_EQ(state->SetActive(false), S_OK);

  // A compile that fails lists the task as failing and stops it from running.
  ASSERT_EQ(state->SetActive(true), S_OK);
  ASSERT_TRUE(QVCompileType(task, "Task Startup\n  x;\n", "", 0x80200, 4, 0x19).HasErrors());
  EXPECT_EQ(TypeNames(NamedFolder(Simulation(), "CompiledTaskTypeFolder")), std::vector<std::string>{"Startup"});
  state->IsActive(&flag);
  EXPECT_FALSE(flag);
  state->IsActivatable(&flag);
  EXPECT_FALSE(flag);
  EXPECT_EQ(state->SetActive(true), E_FAIL);
  EXPECT_EQ(tasks->DeleteTask("Startup"), S_OK);
}

TEST_F(TasksScriptsTest, AModelsTasksAreItsOwnAndSeeWhatTheModelSees) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CComPtr<IQVTasks> modelTasks = ComQuery<IQVTasks>(static_cast<IFType*>(&tank));
  ASSERT_EQ(modelTasks->AddTask("Fill", "Task Fill\nEnd\n", nullptr), S_OK);
  CComPtr<IFType> found;
  EXPECT_EQ(tasks->FindTask("Fill", &found), FE_NOTFOUND);
  EXPECT_EQ(tank.OwnedOfKind(StoreKind::Task).size(), 1u);
  // Variable types have no tasks.
  EXPECT_FALSE(ComQuery<IQVTasks>(static_cast<IFType*>(&build.Type(Simulation(), StoreKind::Variable, "V"))));
}

TEST_F(TasksScriptsTest, ScriptsAreEnumeratedWithTheirOwnerAndKeptAsPlainText) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  build.Script(tank, "First", "Sub Main\nEnd Sub\n");
  CStoreType& second = build.Script(tank, "Second");
  build.Flags(build.Script(tank, "Hidden"), FT_SYSTEM);

  CMwScriptEnumerator scripts(static_cast<IFType*>(&tank));
  std::vector<std::string> names;
  CComPtr<IFType> script;
  CComPtr<IFInstance> owner;
  while (scripts.Next(&script, &owner) == S_OK) {
    std::string name;
    script->GetName(name);
    names.push_back(name);
    EXPECT_TRUE(IsSameObject(owner, tank.DefaultInstance()->Identity()));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"First", "Second", "Hidden"}));  // the folder filters system scripts

  // A script's storage is its text.
  CComPtr<IQVPersistStream> storage = ComQuery<IQVPersistStream>(static_cast<IFType*>(&second));
  ASSERT_TRUE(storage);
  CMemoryStream stream;
  ASSERT_EQ(storage->Save(stream), S_OK);
  EXPECT_EQ(stream.ReadAllText(), "BOOLEAN VB\n");
  CMemoryStream replacement(std::vector<std::uint8_t>{'x', '=', '1', '\0'});
  ASSERT_EQ(storage->Load(replacement), S_OK);
  EXPECT_EQ(Text(&second, kPlainTextFormat), "x=1");
  // A script has no modelling-language text to compile.
  EXPECT_TRUE(QVCompileType(&second, "x=2", "", 0x80200, 4, 0x19).HasErrors());
  EXPECT_EQ(second.Text(), "x=1");
}

TEST_F(TasksScriptsTest, StreamTypesKeepAValidDisplayRecord) {
  CStoreType& steam = build.Type(Simulation(), StoreKind::Stream, "Steam");
  CComPtr<IQVStreamType> stream = ComQuery<IQVStreamType>(static_cast<IFType*>(&steam));
  ASSERT_TRUE(stream);
  QVStreamDisplayRecord record;
  ASSERT_EQ(stream->GetDisplayRecord(&record), S_OK);
  EXPECT_EQ(record.lineStyle & 0xFFFF, 1u);
  // A kept record is the stream type page's test; one out of range is refused.
  ASSERT_EQ(stream->SetDisplayRecord(QVStreamDisplayRecord{3 | 0xF0000, 12, true}), S_OK);
  record.lineStyle = 9;
  EXPECT_EQ(stream->SetDisplayRecord(record), E_INVALIDARG);
  record.lineStyle = 2;
  record.colour = 17;
  EXPECT_EQ(stream->SetDisplayRecord(record), E_INVALIDARG);
  QVStreamDisplayRecord back;
  stream->GetDisplayRecord(&back);
  EXPECT_EQ(back.lineStyle, 3u | 0xF0000u);
  EXPECT_FALSE(ComQuery<IQVStreamType>(static_cast<IFType*>(&build.Model(Simulation(), "Tank"))));
}

}  // namespace
