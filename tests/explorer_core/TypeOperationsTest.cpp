// Type operations against the stand-in host: creating types from their
// templates, the four outcomes of a move check, compiling with its output
// lines and lock-out broadcasts, copying types, folders and notifications.
#include <algorithm>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/LibraryToolbarLink.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/core/TypeTemplates.h"
#include "host/language/Parser.h"
#include "host/store/HostClassIds.h"
#include "host/store/IFFolderCollection.h"
#include "platform/Dialog.h"
#include "workbench/store/StoreFolder.h"
#include "tests/explorer_core/ExplorerStoreTestSupport.h"

namespace {

using namespace explorer_test;
using TypeOperationsTest = ExplorerStoreTest;

std::string NameOf(IFType* type) {
  std::string name;
  if (type) type->GetName(name);
  return name;
}

TEST_F(TypeOperationsTest, CreatingATypeWritesItsTemplateAndRemembersTheName) {
  CComPtr<IFType> model;
  EXPECT_EQ(CQVExplorer::CreateModel(SimulationType(), "Reactor", &model, 1), 1);
  ASSERT_TRUE(model);
  EXPECT_EQ(NameOf(model), "Reactor");
  EXPECT_EQ(LatestText(Simulation(), "Reactor"), NewTypeTemplate(NewTypeKind::Model, "Reactor"));
  EXPECT_EQ(CQVExplorer::msName, "Reactor");

  CComPtr<IFType> parameter;
  EXPECT_EQ(CQVExplorer::CreateParameterType(SimulationType(), "Gain", 2, &parameter, 1), 1);
  EXPECT_EQ(LatestText(Simulation(), "Gain"), NewTypeTemplate(NewTypeKind::Parameter, "Gain", 2));
  // Ports, procedures and functions are created under the type of an instance.
  CComPtr<IFType> port;
  EXPECT_EQ(CQVExplorer::CreatePortType(InstanceOf(*Store().SimulationType()), "Material", &port, 1), 1);
  EXPECT_EQ(LatestText(Simulation(), "Material"), NewTypeTemplate(NewTypeKind::Port, "Material"));
  EXPECT_TRUE(ui.Prompts().empty());
  CQVExplorer::SetName("");
}

// Every template the Explorer writes makes, through the host, a type of its
// kind in its kind folder, its text kept exactly as written.
TEST_F(TypeOperationsTest, EveryTemplateMakesATypeOfItsKindInItsKindFolder) {
  const struct {
    NewTypeKind kind;
    int parameterKind;
    StoreKind made;
  } cases[] = {
      {NewTypeKind::Model, -1, StoreKind::Model},         {NewTypeKind::Structure, -1, StoreKind::Structure},
      {NewTypeKind::Stream, -1, StoreKind::Stream},       {NewTypeKind::Variable, -1, StoreKind::Variable},
      {NewTypeKind::Parameter, 0, StoreKind::Parameter},  {NewTypeKind::Parameter, 1, StoreKind::Parameter},
      {NewTypeKind::Parameter, 2, StoreKind::Parameter},  {NewTypeKind::Parameter, 3, StoreKind::Parameter},
      {NewTypeKind::Parameter, 9, StoreKind::Parameter},  {NewTypeKind::Port, -1, StoreKind::Port},
      {NewTypeKind::Procedure, -1, StoreKind::Procedure}, {NewTypeKind::Function, -1, StoreKind::Function},
  };
  int made = 0;
  for (const auto& c : cases) {
    const std::string name = "Made" + std::to_string(++made);
    const std::string text = NewTypeTemplate(c.kind, name, c.parameterKind);
    SCOPED_TRACE(text);
    CComPtr<IFTypeDesc> desc;
    EXPECT_EQ(QVNewType(name, SimulationType(), text, &desc, "", 0, 7, 100).ErrorCount(), 0);
    CStoreType* type = Simulation().Find(name);
    ASSERT_NE(type, nullptr);
    EXPECT_TRUE(IsSameObject(desc, static_cast<IFType*>(type)));
    EXPECT_EQ(type->Kind(), c.made);
    EXPECT_EQ(type->Text(), text);
    EXPECT_TRUE(Simulation().KindFolder(c.made)->Holds(name));
  }
}

// The box a failed creation shows is checked by the Add entry tests; without
// the message flag the caller is told only by the result, and the name is kept.
TEST_F(TypeOperationsTest, AFailedCreationWithoutTheMessageFlagShowsNothingAndKeepsTheName) {
  build.Model(Simulation(), "Tank");
  CComPtr<IFType> model;
  EXPECT_EQ(CQVExplorer::CreateModel(SimulationType(), "Tank", &model, 0), 0);
  EXPECT_FALSE(model);
  EXPECT_EQ(CQVExplorer::CreateStreamType(SimulationType(), "Tank", nullptr, 0), 0);
  EXPECT_EQ(CQVExplorer::msName, "Tank");
  EXPECT_TRUE(ui.Prompts().empty());
  EXPECT_EQ(CQVExplorer::CreateProcedure(nullptr, "Flash", nullptr, 0), 0);
  CQVExplorer::SetName("");
}

TEST_F(TypeOperationsTest, ANewScriptStartsAsAVisualBasicScript) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CComPtr<IFType> script;
  EXPECT_EQ(CQVExplorer::CreateScript(&tank, "Startup", 1, &script), 1);
  ASSERT_TRUE(script);
  std::string text;
  EXPECT_EQ(CQVExplorer::ReadTypeText(script, 1, text), 1);
  EXPECT_EQ(text, "BOOLEAN VB\n");

  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CreateScript(&tank, "Startup", 1, nullptr), 0);
  EXPECT_EQ(ui.Prompts().back().caption, "Add Script Error");
}

TEST_F(TypeOperationsTest, MoveChecksRefuseInUseAndSameAndReplaceAnUnusedNamesake) {
  CStoreType& units = build.Library("Units", false);
  CStorePalette& library = build.Palette(units);
  CStoreType& pressure = build.Type(Simulation(), StoreKind::Variable, "Pressure");
  build.Compiled(Simulation(), StoreKind::Model, "Tank", "Model Tank\n  P as Pressure;\nEnd\n");

  // 1. The source is in use where it is.
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&pressure, &units), 0);
  EXPECT_EQ(ui.LastMessage(), "Operation Failed: Cannot move, source item cannot be removed, it is probably in use.");

  // 2. Nothing of the name at the destination.
  CStoreType& pump = build.Model(Simulation(), "Pump");
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&pump, &units), 1);

  // 3. Onto itself.
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&pump, SimulationType()), 0);
  EXPECT_EQ(ui.Prompts().back().text, "Cannot move, source and destination are the same.");

  // 4. A namesake in use at the destination stays; an unused one is deleted to be replaced.
  build.Type(library, StoreKind::Variable, "Flow");
  build.Compiled(library, StoreKind::Model, "Pipe", "Model Pipe\n  F as Flow;\nEnd\n");
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow");
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&flow, &units), 0);
  EXPECT_EQ(ui.Prompts().back().text, "Cannot move, destination item cannot be overwritten, it is probably in use.");
  EXPECT_NE(library.Find("Flow"), nullptr);

  // An unused namesake may be replaced; the check itself leaves it in place.
  build.Model(library, "Valve", "Model Valve\n  // the old one\nEnd\n");
  CStoreType& valve = build.Model(Simulation(), "Valve");
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&valve, &units), 1);
  EXPECT_NE(library.Find("Valve"), nullptr);

  // A namesake only seen through a used library is not replaced.
  CStoreType& other = build.Library("Other", false);
  build.Uses(other, units);
  build.Model(library, "Mixer");
  CStoreType& mixer = build.Model(Simulation(), "Mixer");
  EXPECT_EQ(CQVExplorer::CheckTypeMove(&mixer, &other), 1);
  EXPECT_NE(library.Find("Mixer"), nullptr);
  EXPECT_EQ(ui.Prompts().size(), 3u);
}

TEST_F(TypeOperationsTest, CompilingWritesItsLinesBetweenTheLockOutBroadcasts) {
  RecordingWindow window;  // a top-level window hears the document's broadcasts
  std::vector<std::string> timeline;
  window.onMessage = [&](const RecordedMessage& m) {
    if (m.message == WM_CORVANECM_CDB_LOCKOUT_STARTS) timeline.push_back("<lock-out starts>");
    if (m.message == WM_CORVANECM_CDB_LOCKOUT_ENDS) timeline.push_back("<lock-out ends>");
  };
  Document().Messages().AddListener([&](const MessageLogEntry& entry) { timeline.push_back(entry.text); });

  CStoreType& tank = build.Model(Simulation(), "Tank", "Model Tank\n  x as Value;\n  x = 1;\nEnd\n");
  build.SystemLibrary();
  EXPECT_EQ(CQVExplorer::Compile(&tank, 1, 0), 1);
  EXPECT_EQ(timeline, (std::vector<std::string>{"<lock-out starts>", "\nCompiling...",
                                                "Compilation completed. 0 error(s), 0 warning(s)\n",
                                                "<lock-out ends>"}));
  EXPECT_EQ(Document().ShowOutputRequests(), 0);

  timeline.clear();
  CStoreType& broken = build.Model(Simulation(), "Broken", "Model Broken\n  x as Nowhere;\nEnd\n");
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::Compile(&broken, 1, 0), 0);
  ASSERT_GE(timeline.size(), 5u) << ::testing::PrintToString(timeline);
  EXPECT_EQ(timeline.front(), "<lock-out starts>");
  EXPECT_EQ(timeline[1], "\nCompiling...");
  EXPECT_EQ(timeline[timeline.size() - 2], "Compilation completed. 1 error(s), 0 warning(s)\n");
  EXPECT_EQ(timeline.back(), "<lock-out ends>");
  EXPECT_NE(timeline[2].find("Error"), std::string::npos);  // the parser's message comes in between
  EXPECT_EQ(Document().ShowOutputRequests(), 1);
  EXPECT_EQ(ui.LastMessage(), "Explorer: There are compilation errors...");
  EXPECT_TRUE(broken.HasErrors());

  // Without the message flag nobody is asked; with a toolbar provider the toolbar is told.
  CLibraryToolbarLink::ProviderCreated();
  EXPECT_EQ(CQVExplorer::Compile(&broken, 0, 1), 0);
  CLibraryToolbarLink::ProviderDestroyed();
  EXPECT_EQ(app.LibraryToolbarUpdates(), std::vector<int>{14});
  EXPECT_EQ(CQVExplorer::Compile(nullptr, 1, 0), 0);
}

TEST_F(TypeOperationsTest, CopyingATypeRenamesItsHeaderAndATakenNameAsksForAnother) {
  CStoreType& units = build.Library("Units", false);
  CStorePalette& library = build.Palette(units);
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow", "Variable Flow\n  // Flow rate\nEnd\n");
  CComPtr<IFTypeDesc> copy;
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &units, 0, &copy), 1);
  ASSERT_TRUE(copy);
  EXPECT_EQ(LatestText(library, "Flow"), "Variable Flow\n  // Flow rate\nEnd\n");
  EXPECT_TRUE(Document().IsCustomModelingUpdated());

  // The second copy into the same library gets the copy name the user accepts
  // (a move would replace the first copy instead: see the test below).
  ui.AnswerDialog([](CDialog& dialog) { dialog.PressButton(IDOK); });
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &units, 0, nullptr), 1);
  EXPECT_EQ(LatestText(library, "Copy_of_Flow"), "Variable Copy_of_Flow\n  // Flow rate\nEnd\n");
  EXPECT_NE(Simulation().Find("Flow"), nullptr);

  // Cancelling the name leaves everything as it was.
  CStoreType& pump = build.Type(library, StoreKind::Variable, "Pump");
  ui.AnswerCancel();
  EXPECT_EQ(CQVExplorer::CloneType(&pump, &units, 1, nullptr), 0);
  EXPECT_NE(library.Find("Pump"), nullptr);
}

TEST_F(TypeOperationsTest, AMoveReplacesTheDestinationsNamesakeOnlyOnceTheCopyExists) {
  CStoreType& units = build.Library("Units", false);
  CStorePalette& library = build.Palette(units);
  build.Type(library, StoreKind::Variable, "Flow", "Variable Flow\n  // the old one\nEnd\n");
  build.Type(library, StoreKind::Variable, "Head", "Variable Head\n  // kept\nEnd\n");

  // The copy cannot be made (the source's text defines nothing): the old definition stays as it was.
  CStoreType& broken = build.Type(Simulation(), StoreKind::Variable, "Head", "// no definition here\n");
  ASSERT_EQ(CQVExplorer::CheckTypeMove(&broken, &units), 1);
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CloneType(&broken, &units, 1, nullptr), 0);
  EXPECT_EQ(ui.Prompts().back().text,
            "The definition could not be copied; the messages window says why. Nothing was changed.");
  EXPECT_EQ(LatestText(library, "Head"), "Variable Head\n  // kept\nEnd\n");
  EXPECT_NE(Simulation().Find("Head"), nullptr) << "nothing was moved, so nothing was deleted";

  // The copy is made: it takes the name, the old definition and the source are gone.
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow", "Variable Flow\n  // the new one\nEnd\n");
  ASSERT_EQ(CQVExplorer::CheckTypeMove(&flow, &units), 1);
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &units, 1, nullptr), 1);
  EXPECT_EQ(LatestText(library, "Flow"), "Variable Flow\n  // the new one\nEnd\n");
  EXPECT_EQ(Simulation().Find("Flow"), nullptr);
  EXPECT_EQ(library.Find("Replaced_1"), nullptr);

  // Models are replaced the same way.
  build.SystemLibrary();
  build.Model(library, "Valve", "Model Valve\n  // the old one\nEnd\n");
  CStoreType& valve = build.Model(Simulation(), "Valve", "Model Valve\n  // the new one\nEnd\n");
  ASSERT_EQ(CQVExplorer::CheckTypeMove(&valve, &units), 1);
  EXPECT_EQ(CQVExplorer::CloneModel(&valve, &units, 1, nullptr, 0), 1);
  EXPECT_EQ(LatestText(library, "Valve"), "Model Valve\n  // the new one\nEnd\n");
  EXPECT_EQ(Simulation().Find("Valve"), nullptr);
  EXPECT_EQ(ui.Prompts().size(), 1u) << "a replaced namesake asks for no copy name";
}

TEST_F(TypeOperationsTest, ANamesakeOfAUsedLibraryIsNeverTakenForTheCopy) {
  CStoreType& units = build.Library("Units", false);
  CStoreType& other = build.Library("Other", false);
  build.Uses(other, units);
  build.Type(build.Palette(units), StoreKind::Variable, "Flow", "Variable Flow\nEnd\n");
  CStoreType& flow = build.Type(Simulation(), StoreKind::Variable, "Flow", "// no definition here\n");

  CComPtr<IFTypeDesc> copy;
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CloneType(&flow, &other, 1, &copy), 0);
  EXPECT_FALSE(copy);
  EXPECT_NE(Simulation().Find("Flow"), nullptr) << "a move whose copy failed keeps its source";
  EXPECT_EQ(build.Palette(other).Find("Flow"), nullptr);
  EXPECT_FALSE(Document().IsCustomModelingUpdated());
}

TEST_F(TypeOperationsTest, CopyingAModelCompilesTheCopyUnderItsNewPlace) {
  CStoreType& system = build.SystemLibrary();
  CStoreType& units = build.Library("Units", false);
  build.Uses(units, system);
  CStorePalette& library = build.Palette(units);
  CStoreType& tank = build.Compiled(Simulation(), StoreKind::Model, "Tank", "Model Tank\n  x as Value;\nEnd\n");
  CComPtr<IFTypeDesc> copy;
  EXPECT_EQ(CQVExplorer::CloneModel(&tank, &units, 0, &copy, 0), 1);
  CStoreType* copied = library.Find("Tank");
  ASSERT_NE(copied, nullptr);
  EXPECT_FALSE(copied->HasErrors());
  EXPECT_EQ(LatestText(*copied), "Model Tank\n  x as Value;\nEnd\n");
  EXPECT_TRUE(IsSameObject(copy, static_cast<IFType*>(copied)));
  EXPECT_NE(Simulation().Find("Tank"), nullptr);
  EXPECT_TRUE(Document().IsCustomModelingUpdated());
}

TEST_F(TypeOperationsTest, ACopyTakesOverTheDefaultIconAndFormItAlsoHas) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreType& copy = build.Model(Simulation(), "Copy_of_Tank");
  for (CStoreType* model : {&tank, &copy}) {
    build.Icon(*model, "Round");
    build.Form(*model, "Levels", CLSID_QVTableForm);
  }
  ASSERT_EQ(tank.SetDefaultIconName("Round"), S_OK);
  ASSERT_EQ(tank.SetDefaultFormName("Levels"), S_OK);
  ASSERT_NE(copy.DefaultIconName(), "Round");
  ASSERT_NE(copy.DefaultFormName(), "Levels");
  CQVExplorer::CopyModelIconDefaults(&tank, &copy);
  CQVExplorer::CopyModelFormDefaults(&tank, &copy);
  EXPECT_EQ(copy.DefaultIconName(), "Round");
  EXPECT_EQ(copy.DefaultFormName(), "Levels");
  CQVExplorer::CopyModelIconDefaults(nullptr, &copy);  // nothing to copy from: nothing changes
  EXPECT_EQ(copy.DefaultIconName(), "Round");
}

TEST_F(TypeOperationsTest, ACopiedModelThatNoLongerCompilesStaysAndTheUserIsTold) {
  build.SystemLibrary();
  CStoreType& units = build.Library("Units", false);  // does not see the system types
  CStoreType& tank = build.Compiled(Simulation(), StoreKind::Model, "Tank", "Model Tank\n  x as Value;\nEnd\n");
  ui.AnswerOk();
  EXPECT_EQ(CQVExplorer::CloneModel(&tank, &units, 1, nullptr, 0), 1);
  EXPECT_EQ(ui.LastMessage(), "Explorer: There are compilation errors caused by the change of location.");
  CStoreType* copied = build.Palette(units).Find("Tank");
  ASSERT_NE(copied, nullptr);
  EXPECT_TRUE(copied->HasErrors());
  EXPECT_EQ(Simulation().Find("Tank"), nullptr);  // moved all the same
}

TEST_F(TypeOperationsTest, MovingAnItemBetweenFoldersFindsItInSubFolders) {
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CStoreFolder& units = build.Folder(Simulation(), "BlockTypeFolder/Units");
  CStoreFolder& heat = build.Folder(Simulation(), "BlockTypeFolder/Units/Heat");
  CStoreFolder* models = Simulation().Folder("BlockTypeFolder", false);
  ASSERT_NE(models, nullptr);

  EXPECT_EQ(CQVExplorer::MovetoFolder(&tank, "BlockTypeFolder", &heat, &tank), 0)  // tank owns no such folder
      << "a model's own palette has no block folder";
  EXPECT_EQ(CQVExplorer::MovetoFolder(SimulationType(), "BlockTypeFolder", &heat, &tank), 1);
  EXPECT_TRUE(heat.Holds("Tank"));
  EXPECT_FALSE(models->Holds("Tank"));
  // Already there: nothing moves.
  EXPECT_EQ(CQVExplorer::MovetoFolder(SimulationType(), "BlockTypeFolder", &heat, &tank), 0);
  // Back to the kind folder (no target).
  EXPECT_EQ(CQVExplorer::MovetoFolder(SimulationType(), "BlockTypeFolder", nullptr, &tank), 1);
  EXPECT_TRUE(models->Holds("Tank"));
  EXPECT_FALSE(heat.Holds("Tank"));
  EXPECT_EQ(CQVExplorer::RemoveItemFromFolder(&units, &tank), 0);
  EXPECT_EQ(CQVExplorer::RemoveItemFromFolder(models, &tank), 1);
  EXPECT_FALSE(models->Holds("Tank"));
}

TEST_F(TypeOperationsTest, AFolderWalkListsItsTypesAndAMissingFolderListsNothing) {
  build.Type(Simulation(), StoreKind::Variable, "Flow");
  build.Type(Simulation(), StoreKind::Variable, "Pressure");
  build.Model(Simulation(), "Tank");
  CQVFolderTypeEnum variables(static_cast<IFTypePalette*>(&Simulation()), "VariableTypeFolder");
  std::vector<std::string> names;
  CComPtr<IFType> type;
  while (CComPtr<IFTypeDesc> desc = variables.Next(type)) {
    ASSERT_TRUE(type);
    names.push_back(NameOf(type));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Flow", "Pressure"}));
  EXPECT_FALSE(variables.Next());

  CQVFolderTypeEnum byOwner(SimulationType(), "BlockTypeFolder");
  EXPECT_TRUE(byOwner.Next());
  CQVFolderTypeEnum missing(static_cast<IFTypePalette*>(&Simulation()), "NoSuchFolder");
  EXPECT_FALSE(missing.Next());
  CQVFolderTypeEnum nothing(nullptr, "VariableTypeFolder");
  EXPECT_FALSE(nothing.Next());
}

TEST_F(TypeOperationsTest, AddedAndMovedObjectsAreAnnouncedToTheParentsWindow) {
  RecordingWindow frame;
  std::string classText, name;
  IFInstance* added = nullptr;
  frame.onMessage = [&](const RecordedMessage& m) {
    classText = reinterpret_cast<const char*>(m.wParam);
    if (m.message == EXPLORER_OBJECT_ADDED) added = reinterpret_cast<IFInstance*>(m.lParam);
    if (m.message == EXPLORER_OBJECT_MOVED) name = reinterpret_cast<const char*>(m.lParam);
  };
  TestLeaf parent(nullptr, &frame);
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CQVExplorer::SendNewObjectNotify(&tank, CLSID_QVEOBlockType, &parent);
  ASSERT_EQ(frame.Count(EXPLORER_OBJECT_ADDED), 1);
  EXPECT_EQ(classText, "{2AF34220-7827-11D0-8D84-00C0DF469D39}");
  EXPECT_TRUE(IsSameObject(added, InstanceOf(tank)));

  CQVExplorer::SendMovedObjectNotify("Tank", CLSID_QVEOUserFolder, &parent);
  ASSERT_EQ(frame.Count(EXPLORER_OBJECT_MOVED), 1);
  EXPECT_EQ(classText, "{A6B51B01-B76F-11D1-8B55-00A024E1AC0C}");
  EXPECT_EQ(name, "Tank");

  TestLeaf orphan(nullptr, nullptr);
  CQVExplorer::SendNewObjectNotify(&tank, CLSID_QVEOBlockType, &orphan);
  CQVExplorer::SendNewObjectNotify(&tank, CLSID_QVEOBlockType, nullptr);
  EXPECT_EQ(frame.received.size(), 2u);
}

TEST_F(TypeOperationsTest, TheHierarchyModelIsFoundThroughTheDocumentsRoot) {
  build.SystemLibrary();
  CComPtr<IFTypeDesc> hierarchy = CQVExplorer::GetHierarchyModel();
  ASSERT_TRUE(hierarchy);
  std::string name;
  hierarchy->GetName(name);
  EXPECT_EQ(name, "Hierarchy");
}

}  // namespace
