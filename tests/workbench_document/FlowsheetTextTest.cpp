// Edits of a flowsheet's text: what the user wrote around the edited unit
// (comments, layout, other statements) stays exactly as it was.
#include <gtest/gtest.h>

#include "workbench/simulation/FlowsheetText.h"

namespace {

const char* const kText =
    "// the plant\n"
    "Model Flowsheet\n"
    "  Feed as Source; // supply\n"
    "  Tank as Tank (description:\"Tank\");\n"
    "  S1 as Pipe (Source = Feed.Outlet, Destination = Tank.Inlet);\n"
    "  S2 as Pipe (Source = Tank.Outlet);\n"
    "  Spec Tank.Level (2, Fixed);\n"
    "  x.Tank = Tank.Level;\n"
    "End\n";

TEST(FlowsheetTextTest, RenamingAUnitLeavesTypesMembersAndCommentsAlone) {
  EXPECT_EQ(RenameUnitInText(kText, "tank", "T1"),
            "// the plant\n"
            "Model Flowsheet\n"
            "  Feed as Source; // supply\n"
            "  T1 as Tank (description:\"Tank\");\n"
            "  S1 as Pipe (Source = Feed.Outlet, Destination = T1.Inlet);\n"
            "  S2 as Pipe (Source = T1.Outlet);\n"
            "  Spec T1.Level (2, Fixed);\n"
            "  x.Tank = T1.Level;\n"
            "End\n");
}

TEST(FlowsheetTextTest, RemovingAUnitTakesItsStatementsAndConnectionsOnly) {
  EXPECT_EQ(RemoveUnitFromText(kText, "Tank"),
            "// the plant\n"
            "Model Flowsheet\n"
            "  Feed as Source; // supply\n"
            "  S1 as Pipe (Source = Feed.Outlet);\n"
            "  S2 as Pipe ();\n"
            "End\n");
  EXPECT_EQ(RemoveUnitFromText(kText, "Feed"),
            "// the plant\n"
            "Model Flowsheet\n"
            "  Tank as Tank (description:\"Tank\");\n"
            "  S1 as Pipe (Destination = Tank.Inlet);\n"
            "  S2 as Pipe (Source = Tank.Outlet);\n"
            "  Spec Tank.Level (2, Fixed);\n"
            "  x.Tank = Tank.Level;\n"
            "End\n");
  EXPECT_EQ(RemoveUnitFromText(kText, "Nobody"), kText);
}

TEST(FlowsheetTextTest, CopiedStatementsAndInsertedOnesAndReplacedBodies) {
  EXPECT_EQ(UnitStatements(kText, "Tank"), "Tank as Tank (description:\"Tank\");\nSpec Tank.Level (2, Fixed);\n");
  EXPECT_EQ(InsertBeforeEnd("Model Flowsheet\nEnd\n", "A as Tank;\nB as Tank;\n"),
            "Model Flowsheet\n  A as Tank;\n  B as Tank;\nEnd\n");
  EXPECT_EQ(SetUnitTypeInText(kText, "Tank", "Vessel").find("  Tank as Vessel (description:\"Tank\");\n"),
            std::string(kText).find("  Tank as Tank"));
  EXPECT_EQ(ReplaceBody("// mine\nModel Train\n  Old as Tank;\nEnd\n", kText),
            "// mine\nModel Train\n  Feed as Source; // supply\n  Tank as Tank (description:\"Tank\");\n"
            "  S1 as Pipe (Source = Feed.Outlet, Destination = Tank.Inlet);\n  S2 as Pipe (Source = Tank.Outlet);\n"
            "  Spec Tank.Level (2, Fixed);\n  x.Tank = Tank.Level;\nEnd\n");
}

}  // namespace
