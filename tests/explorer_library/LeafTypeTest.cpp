// Leaf nodes of single type definitions against the stand-in host: status,
// texts, menus by read-only flag and status, editing, cut and the kinds'
// differences.

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/nodes/library/QVEOFunction.h"
#include "explorer/nodes/library/QVEOPortType.h"
#include "explorer/nodes/library/QVEOProcedure.h"
#include "explorer/nodes/library/QVEOVariableType.h"
#include "host/language/TypeKinds.h"
#include "platform/Services.h"
#include "tests/explorer_library/LeafTestSupport.h"

namespace {

using namespace leaf_test;
using LeafTypeTest = LeafTest;

const std::string kQuantityText = "Variable Head\n  PhysicalQuantity : \"Pressure\";\nEnd\n";

TEST_F(LeafTypeTest, StatusComesFromTheCompiledTypesFolderAndBuiltInTypesAreSystem) {
  CStoreType& good = build.Compiled(Simulation(), StoreKind::Variable, "Good", "Variable Good\nEnd\n");
  CStoreType& bad = build.Failing(Simulation(), StoreKind::Variable, "Bad", "Variable Bad\n  Lower: ;\nEnd\n");
  CStoreType& builtIn = build.BuiltIn(Simulation(), StoreKind::Variable, "Fixed");
  CQVEOVariableType goodNode(InstanceOf(good), &frame, 0);
  CQVEOVariableType badNode(InstanceOf(bad), &frame, 0);
  CQVEOVariableType systemNode(InstanceOf(builtIn), &frame, 0);

  EXPECT_EQ(goodNode.GetStatusCode(), EO_STATUS_OK);
  EXPECT_EQ(Text(goodNode, EOAspectStatus), "OK");
  EXPECT_EQ(badNode.GetStatusCode(), EO_STATUS_NOT_OK);
  EXPECT_EQ(Text(badNode, EOAspectStatus), "Not OK");
  EXPECT_EQ(systemNode.GetStatusCode(), EO_STATUS_SYSTEM);
  EXPECT_EQ(Text(systemNode, EOAspectStatus), "System");
  EXPECT_EQ(Text(badNode, EOAspectName), "Bad");

  // The other kinds read their own folders: a failing procedure is not OK, a port compiled fine is.
  CStoreType& procedure =
      build.Failing(Simulation(), StoreKind::Procedure, "Flash", "Procedure Flash\n Call: ;\nEnd\n");
  CStoreType& port = build.Compiled(Simulation(), StoreKind::Port, "Material", "Port Material\nEnd\n");
  EXPECT_EQ(CQVEOProcedure(InstanceOf(procedure), &frame, 0).GetStatusCode(), EO_STATUS_NOT_OK);
  EXPECT_EQ(CQVEOPortType(InstanceOf(port), &frame, 0).GetStatusCode(), EO_STATUS_OK);
}

TEST_F(LeafTypeTest, MenusFollowTheReadOnlyFlagAndTheStatus) {
  CStoreType& good = build.Compiled(Simulation(), StoreKind::Variable, "Good", "Variable Good\nEnd\n");
  CStoreType& bad = build.Failing(Simulation(), StoreKind::Variable, "Bad", "Variable Bad\n  Lower: ;\nEnd\n");
  CStoreType& builtIn = build.BuiltIn(Simulation(), StoreKind::Variable, "Fixed");

  CQVEOVariableType editable(InstanceOf(good), &frame, 0);
  EXPECT_EQ(MenuTexts(editable),
            (Strings{"Export...", "-", "Edit", "-", "Copy", "-", "Delete", "Rename", "-", "Compile"}));
  EXPECT_EQ(editable.DontEditLabel(), 0);

  CQVEOVariableType notOk(InstanceOf(bad), &frame, 0);
  EXPECT_EQ(MenuTexts(notOk), (Strings{"Export...", "-", "Edit", "-", "Delete", "Rename", "-", "Compile"}));
  EXPECT_EQ(notOk.CanDoCommand(ID_EXPLORER_COPY), 0);

  // Library types and built-in types can be looked at and copied, never changed.
  for (CQVEOVariableType* node :
       {new CQVEOVariableType(InstanceOf(good), &frame, 1), new CQVEOVariableType(InstanceOf(builtIn), &frame, 0)}) {
    EXPECT_EQ(MenuTexts(*node), (Strings{"Export...", "-", "Edit", "-", "Copy"}));
    EXPECT_EQ(node->CanDoCommand(ID_EXPLORER_DELETE), 0);
    EXPECT_EQ(node->CanDoCommand(ID_EXPLORER_RENAME), 0);
    EXPECT_EQ(node->CanDoCommand(ID_EXPLORER_COMPILE), 0);
    EXPECT_NE(node->DontEditLabel(), 0);
    EXPECT_EQ(node->EditLabel("Other"), 0);
    delete node;
  }
  EXPECT_TRUE(Simulation().Find("Good"));
}

TEST_F(LeafTypeTest, ProceduresAndFunctionsOfferGenerateCodeAfterTheirOwnMenu) {
  CStoreType& procedure = build.Compiled(Simulation(), StoreKind::Procedure, "Flash",
                                         CStoreBuilder::DefaultText(StoreKind::Procedure, "Flash"));
  CStoreType& function = build.Compiled(Simulation(), StoreKind::Function, "Kvalue",
                                        CStoreBuilder::DefaultText(StoreKind::Function, "Kvalue"));
  CQVEOProcedure procedureNode(InstanceOf(procedure), &frame, 0);
  CQVEOFunction functionNode(InstanceOf(function), &frame, 0);
  const Strings editable{"Export...", "-", "Edit",    "-", "Copy",         "Delete",
                         "Rename",    "-", "Compile", "-", "Generate Code"};
  EXPECT_EQ(MenuTexts(procedureNode), editable);
  EXPECT_EQ(MenuTexts(functionNode), editable);
  std::string name;
  functionNode.GetClassName(name);
  EXPECT_EQ(name, "Function");
  EXPECT_EQ(CQVEOProcedure(InstanceOf(procedure), &frame, 1).CanDoCommand(ID_EXPLORER_GENERATE_CODE), 1);

  procedureNode.DoCommand(ID_EXPLORER_GENERATE_CODE);
  EXPECT_NE(Document().Messages().Text().find("Code generated for 'Flash'."), std::string::npos);
  EXPECT_EQ(Document().Messages().Text().find("Kvalue"), std::string::npos) << "only the one procedure";
}

TEST_F(LeafTypeTest, EditingOpensTheTextEditorReadOnlyForLibraryAndBuiltInTypes) {
  CStoreType& good = build.Compiled(Simulation(), StoreKind::Variable, "Good", "Variable Good\nEnd\n");
  CStoreType& builtIn = build.BuiltIn(Simulation(), StoreKind::Variable, "Fixed");

  CQVEOVariableType(InstanceOf(good), &frame, 0).DoDefaultAction();
  ASSERT_TRUE(LastSession());
  EXPECT_EQ(LastSession()->Title(), "Good");
  EXPECT_EQ(LastSession()->Kind(), QV_KIND_VARIABLE_TYPE);
  EXPECT_FALSE(LastSession()->IsReadOnly());

  CQVEOVariableType(InstanceOf(builtIn), &frame, 0).DoCommand(ID_EXPLORER_EDIT);
  EXPECT_EQ(LastSession()->Title(), "Fixed");
  EXPECT_TRUE(LastSession()->IsReadOnly());
}

TEST_F(LeafTypeTest, AVariableTypeShowsItsQuantityAndTheCurrentSetsUnits) {
  CStoreType& head = build.Compiled(Simulation(), StoreKind::Variable, "Head", kQuantityText);
  CStoreType& plain = build.Compiled(Simulation(), StoreKind::Variable, "Plain", "Variable Plain\nEnd\n");
  CQVEOVariableType headNode(InstanceOf(head), &frame, 0);
  CQVEOVariableType plainNode(InstanceOf(plain), &frame, 0);

  ASSERT_EQ(Document().SelectUOMSet("Metric"), S_OK);
  EXPECT_EQ(Text(headNode, EOAspectPhysicalQuantity), "Pressure");
  EXPECT_EQ(Text(headNode, EOAspectCurrentUnits), "bar");
  ASSERT_EQ(Document().SelectUOMSet("US"), S_OK);
  EXPECT_EQ(Text(headNode, EOAspectCurrentUnits), "psi");
  EXPECT_EQ(Text(plainNode, EOAspectPhysicalQuantity), "-");
  EXPECT_EQ(Text(plainNode, EOAspectCurrentUnits), " -");
  // Other kinds give only a name and a status.
  CStoreType& port = build.Compiled(Simulation(), StoreKind::Port, "Material", "Port Material\nEnd\n");
  std::string text;
  EXPECT_EQ(CQVEOPortType(InstanceOf(port), &frame, 0).GetDisplayText(EOAspectPhysicalQuantity, text), 0);
}

TEST_F(LeafTypeTest, CutMovesAnEditableTypeWhenItIsPastedAndLosesNothingBefore) {
  CStoreType& cutMe = build.Compiled(Simulation(), StoreKind::Variable, "CutMe", "Variable CutMe\nEnd\n");
  CStoreType& keep = build.Compiled(Simulation(), StoreKind::Variable, "Keep", "Variable Keep\nEnd\n");
  CStoreType& units = build.Library("Units", false);
  CStoreType& target = build.Compiled(build.Palette(units), StoreKind::Variable, "Target", "Variable Target\nEnd\n");

  // A library type is only copied: pasting it makes a copy and leaves it.
  CQVEOVariableType(InstanceOf(keep), &frame, 1).DoCommand(ID_EXPLORER_CUT);
  EXPECT_TRUE(Clipboard::IsFormatAvailable(CF_EXPLORER_VARIABLE_TYPE));
  CQVEOVariableType(InstanceOf(target), &frame, 0).DoCommand(ID_EXPLORER_PASTE);
  EXPECT_TRUE(Simulation().Find("Keep"));
  EXPECT_TRUE(build.Palette(units).Find("Keep"));

  // An editable type stays until it is pasted: a cut the user never pastes loses nothing.
  CQVEOVariableType(InstanceOf(cutMe), &frame, 0).DoCommand(ID_EXPLORER_CUT);
  EXPECT_TRUE(Simulation().Find("CutMe"));
  EXPECT_EQ(Posted(EXPLORER_POSTOBJECT_DELETED), 0);

  // Its paste moves it.
  CQVEOVariableType(InstanceOf(target), &frame, 0).DoCommand(ID_EXPLORER_PASTE);
  EXPECT_FALSE(Simulation().Find("CutMe"));
  ASSERT_TRUE(build.Palette(units).Find("CutMe"));
  EXPECT_EQ(LatestText(*build.Palette(units).Find("CutMe")), "Variable CutMe\nEnd\n");
  EXPECT_TRUE(ui.Prompts().empty());
}

}  // namespace
