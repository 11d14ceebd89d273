// A user drops a model onto the flowsheet (from a Models folder or the Model
// Libraries palette, which drag alike): a block of that model is added under
// a numbered name whose label opens at once; a hierarchy and a Blocks folder
// take it too; stream types and a locked flowsheet take nothing.
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheet.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/model/IRModelType.h"
#include "tests/explorer_simulation/FlowsheetTestSupport.h"
#include "workbench/simulation/FlowsheetHost.h"

namespace simulation_test {
namespace {

class ModelDropTest : public FlowsheetExplorerTest {
 protected:
  // What a drag of the model called name carries.
  COleDataObject Dragged(const std::string& name, bool streamType = false) {
    CStoreType* type = Store().SimulationPalette()->FindVisible(name);
    EXPECT_NE(type, nullptr) << name;
    auto source = std::make_shared<COleDataSource>();
    EXPECT_TRUE(OfferModelType(*source, ComQuery<IRModelType>(static_cast<IFType*>(type)), streamType));
    return COleDataObject(source);
  }
};

TEST_F(ModelDropTest, AModelDroppedOnTheFlowsheetBecomesANumberedBlockNamedAtOnce) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  CExplorerObject* flowsheet = Select(frame, "Simulation/Flowsheet");
  COleDataObject tank = Dragged("BufferTank");
  EXPECT_EQ(flowsheet->OnDragOver(&tank, 0), static_cast<DWORD>(DROPEFFECT_COPY));
  ui.AnswerLabel("Surge");
  EXPECT_EQ(flowsheet->OnDrop(&tank, DROPEFFECT_COPY), 1);
  MessageQueue::Pump();
  EXPECT_TRUE(Unit("Surge"));
  EXPECT_FALSE(Unit("BufferTank1"));
  EXPECT_TRUE(Has(TreeBelow(frame, "Simulation/Flowsheet/Blocks"), "Surge"));

  // Left as offered, the name is the model's, numbered.
  flowsheet = Select(frame, "Simulation/Flowsheet");
  ui.AnswerLabel("BufferTank1");
  EXPECT_EQ(flowsheet->OnDrop(&tank, DROPEFFECT_COPY), 1);
  ui.AnswerLabel("BufferTank2");
  CExplorerObject* blocks = Select(frame, "Simulation/Flowsheet/Blocks");
  EXPECT_EQ(blocks->OnDragOver(&tank, 0), static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(blocks->OnDrop(&tank, DROPEFFECT_COPY), 1);
  EXPECT_TRUE(Unit("BufferTank1") && Unit("BufferTank2"));

  // A hierarchy takes the block into its own model; its blocks keep the names they get.
  EXPECT_EQ(Select(frame, "Simulation/Flowsheet/Blocks/Train2")->OnDrop(&tank, DROPEFFECT_COPY), 1);
  EXPECT_TRUE(Unit("Train2.BufferTank1"));
  EXPECT_TRUE(Has(TreeBelow(frame, "Simulation/Flowsheet/Blocks/Train2/Blocks"), "BufferTank1"));
}

TEST_F(ModelDropTest, StreamTypesBlocksOwnFoldersAndALockedFlowsheetTakeNoModel) {
  CExplorerFrame* frame = OpenExplorer();
  ASSERT_NE(frame, nullptr);
  const std::size_t units = Document().Flowsheet().Current().Units().size();
  COleDataObject line = Dragged("LiquidLine", true);
  EXPECT_EQ(Select(frame, "Simulation/Flowsheet/Blocks")->OnDragOver(&line, 0), static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(Select(frame, "Simulation/Flowsheet")->OnDrop(&line, DROPEFFECT_COPY), 0);
  // A hierarchy's Blocks folder takes it; the Streams folder never.
  COleDataObject tank = Dragged("BufferTank");
  EXPECT_EQ(Select(frame, "Simulation/Flowsheet/Blocks/Train2/Blocks")->OnDragOver(&tank, 0),
            static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(Select(frame, "Simulation/Flowsheet/Streams")->OnDragOver(&tank, 0), static_cast<DWORD>(DROPEFFECT_NONE));

  // While a run holds the flowsheet the host refuses, the user is told, nothing is added.
  Document().SetFlowsheetLocked(true);
  ui.AnswerOk();
  EXPECT_EQ(Select(frame, "Simulation/Flowsheet")->OnDrop(&tank, DROPEFFECT_COPY), 0);
  EXPECT_EQ(ui.Prompts().back().caption, "Operation Failed");
  Document().SetFlowsheetLocked(false);
  EXPECT_EQ(Document().Flowsheet().Current().Units().size(), units);
}

}  // namespace
}  // namespace simulation_test
