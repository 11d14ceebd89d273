// The view options: the "View" page offers the catalogue's classes by name,
// and OK rewrites the root's exclusion list and its registry copy; Cancel
// changes nothing.
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerNodeFactory.h"
#include "explorer/core/ExplorerObjectCatalogue.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/ExplorerViewOptionsPropertySheet.h"
#include "explorer/dialogs/PropPageViewOptionsFilter.h"
#include "explorer/resources/ControlIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Registry.h"
#include "platform/RegistryText.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;

// A sample node of a catalogue class, named after it.
template <const GUID* ClassId>
class Sample : public TestLeaf {
 public:
  explicit Sample(const char* name) : TestLeaf(nullptr, nullptr, 0, *ClassId), m_name(name) {}
  int GetClassName(std::string& name) override {
    name = m_name;
    return 1;
  }

 private:
  std::string m_name;
};

template <const GUID* ClassId>
CExplorerObject* MakeSample(const char* name) {
  return new Sample<ClassId>(name);
}

class ViewOptionsTest : public ExplorerCoreTest {
 protected:
  // A catalogue of three classes (and an entry that names no class), whatever
  // the program ships; the shipped one comes back afterwards.
  ViewOptionsTest() {
    const std::string key = "[HKEY_LOCAL_MACHINE\\" + CQVExplorer::GetExplorerObjectsKeyName() + "]\n";
    Registry::LoadLocalMachine(std::string(kRegistryTextHeader) + "\n\n" + key +
                               "\"Flowsheet\"=\"" + CLSID_QVEOFlowsheet.ToString() + "\"\n" +
                               "\"Libraries\"=\"" + CLSID_QVEOLibraries.ToString() + "\"\n" +
                               "\"Broken\"=\"not a class\"\n" +
                               "\"Types\"=\"" + CLSID_QVEOTypesFolder.ToString() + "\"\n");
  }
  ~ViewOptionsTest() override { Registry::LoadLocalMachine(ExplorerObjectCatalogueText()); }

  // Flowsheet, Libraries and Types folder can be made; the rest of the catalogue cannot yet.
  CScopedNodeMaker flowsheet{CLSID_QVEOFlowsheet, [](IFInstance*, CExplorerExclusionList*, CWnd*) {
                               return MakeSample<&CLSID_QVEOFlowsheet>("Flowsheet");
                             }};
  CScopedNodeMaker libraries{CLSID_QVEOLibraries, [](IFInstance*, CExplorerExclusionList*, CWnd*) {
                               return MakeSample<&CLSID_QVEOLibraries>("Libraries");
                             }};
  CScopedNodeMaker types{CLSID_QVEOTypesFolder, [](IFInstance*, CExplorerExclusionList*, CWnd*) {
                           return MakeSample<&CLSID_QVEOTypesFolder>("Custom Modeling");
                         }};

  // Runs the options sheet for root with action, which ends it.
  INT_PTR RunSheet(CExplorerContainerObject& root, std::function<void(CPropPageViewOptionsFilter&)> action) {
    CExplorerViewOptionsPropertySheet sheet(IDS_OPTIONS, &root);
    ui.AnswerSheet([&](CPropertySheet& running) {
      EXPECT_EQ(running.GetWindowText(), "Options");
      EXPECT_FALSE(running.Button(IDHELP)->IsVisibleFlag());
      EXPECT_FALSE(running.Button(ID_APPLY_NOW)->IsVisibleFlag());
      action(*static_cast<CPropPageViewOptionsFilter*>(running.GetActivePage()));
    });
    return sheet.DoModal();
  }

  static std::vector<std::string> Offered(CPropPageViewOptionsFilter& page) {
    std::vector<std::string> names;
    for (int i = 0; i < page.m_TypeList.GetCount(); ++i)
      names.push_back(page.m_TypeList.GetText(i) + (page.m_TypeList.GetCheck(i) ? " [x]" : ""));
    return names;
  }
};

TEST(ExplorerObjectCatalogueTest, TheCatalogueShipsWithTheProgramAndNamesClassesOfTheFactory) {
  EXPECT_TRUE(ExplorerModule::Initialize().empty());  // the shipped text is clean
  CRegKey catalogue;
  ASSERT_EQ(catalogue.Open(HKEY_LOCAL_MACHINE, CQVExplorer::GetExplorerObjectsKeyName()), ERROR_SUCCESS);
  std::string value;
  ASSERT_EQ(catalogue.QueryStringValue("Flowsheet", value), ERROR_SUCCESS);
  EXPECT_EQ(value, CLSID_QVEOFlowsheet.ToString());
  for (const ExcludableClass& entry : ExcludableNodeClasses()) {
    bool inTable = false;
    for (const auto& row : ExplorerNodeFactoryTable()) inTable = inTable || *row.classId == *entry.classId;
    EXPECT_TRUE(inTable) << entry.name << " can never be offered";
    EXPECT_EQ(catalogue.QueryStringValue(entry.name, value), ERROR_SUCCESS);
    EXPECT_EQ(value, entry.classId->ToString());
  }
}

TEST_F(ViewOptionsTest, ThePageOffersTheCataloguesClassesByNameAndStartsWithEverythingShown) {
  TestFolder root(nullptr, nullptr, nullptr, CLSID_QVEOSimulation);
  EXPECT_EQ(RunSheet(root,
                     [](CPropPageViewOptionsFilter& page) {
                       EXPECT_EQ(Offered(page),
                                 (std::vector<std::string>{"Custom Modeling", "Flowsheet", "Libraries"}));
                       EXPECT_EQ(page.m_nMode, CPropPageViewOptionsFilter::kIncludeAll);
                       EXPECT_EQ(page.IsDlgButtonChecked(IDC_INCLUDE_ALL_TYPES), BST_CHECKED);
                       EXPECT_FALSE(page.Item(IDC_OBJECT_TYPE_LIST)->IsWindowEnabled());
                       EXPECT_FALSE(page.Item(IDC_SELECT_ALL_TYPES)->IsWindowEnabled());
                       page.Sheet()->PressButton(IDCANCEL);
                     }),
            IDCANCEL);

  // A class the factory does not make is not offered.
  CScopedNodeMaker none(CLSID_QVEOFlowsheet, [](IFInstance*, CExplorerExclusionList*, CWnd*) -> CExplorerObject* {
    return nullptr;
  });
  RunSheet(root, [](CPropPageViewOptionsFilter& page) {
    EXPECT_EQ(Offered(page), (std::vector<std::string>{"Custom Modeling", "Libraries"}));
    page.Sheet()->PressButton(IDCANCEL);
  });
}

TEST_F(ViewOptionsTest, ExcludingCheckedClassesAndIncludingAllAgainRewriteListAndRegistry) {
  CExplorerExclusionList list(CLSID_QVEOSimulation, 1);
  TestFolder root(nullptr, &list, nullptr, CLSID_QVEOSimulation);
  EXPECT_EQ(RunSheet(root,
                     [](CPropPageViewOptionsFilter& page) {
                       page.Item(IDC_EXCLUDE_LISTED_TYPES)->UserClick();
                       EXPECT_TRUE(page.Item(IDC_OBJECT_TYPE_LIST)->IsWindowEnabled());
                       page.Item(IDC_OBJECT_TYPE_LIST)->UserToggleItemCheck(1);  // Flowsheet
                       page.Item(IDC_OBJECT_TYPE_LIST)->UserToggleItemCheck(2);  // Libraries
                       page.Sheet()->PressButton(IDOK);
                     }),
            IDOK);
  EXPECT_EQ(list.Classes(), (std::vector<GUID>{CLSID_QVEOFlowsheet, CLSID_QVEOLibraries}));
  EXPECT_EQ(CExplorerExclusionList(CLSID_QVEOSimulation, 1).Classes(), list.Classes());

  // Opened again, the page shows what is hidden; including everything empties the list.
  RunSheet(root, [](CPropPageViewOptionsFilter& page) {
    EXPECT_EQ(page.m_nMode, CPropPageViewOptionsFilter::kExcludeListed);
    EXPECT_EQ(page.IsDlgButtonChecked(IDC_EXCLUDE_LISTED_TYPES), BST_CHECKED);
    EXPECT_EQ(Offered(page), (std::vector<std::string>{"Custom Modeling", "Flowsheet [x]", "Libraries [x]"}));
    page.Item(IDC_INCLUDE_ALL_TYPES)->UserClick();
    EXPECT_FALSE(page.Item(IDC_OBJECT_TYPE_LIST)->IsWindowEnabled());
    page.Sheet()->PressButton(IDOK);
  });
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_TRUE(CExplorerExclusionList(CLSID_QVEOSimulation, 1).IsEmpty());
}

TEST_F(ViewOptionsTest, SelectAllAndDeselectAllAndCancelChangesNothing) {
  CExplorerExclusionList list(CLSID_QVEOSimulation, 0);
  list.Add(CLSID_QVEOLibraries);
  list.SaveToRegistry();
  TestFolder root(nullptr, &list, nullptr, CLSID_QVEOSimulation);
  EXPECT_EQ(RunSheet(root,
                     [](CPropPageViewOptionsFilter& page) {
                       page.Item(IDC_SELECT_ALL_TYPES)->UserClick();
                       EXPECT_EQ(Offered(page), (std::vector<std::string>{"Custom Modeling [x]", "Flowsheet [x]",
                                                                          "Libraries [x]"}));
                       page.Item(IDC_DESELECT_ALL_TYPES)->UserClick();
                       EXPECT_EQ(Offered(page),
                                 (std::vector<std::string>{"Custom Modeling", "Flowsheet", "Libraries"}));
                       page.Item(IDC_SELECT_ALL_TYPES)->UserClick();
                       page.Sheet()->PressButton(IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(list.Classes(), std::vector<GUID>{CLSID_QVEOLibraries});
  EXPECT_EQ(CExplorerExclusionList(CLSID_QVEOSimulation, 1).Classes(), std::vector<GUID>{CLSID_QVEOLibraries});
}

TEST_F(ViewOptionsTest, ARootWithoutAListGetsOneOfItsOwnOnOK) {
  TestFolder root(nullptr, nullptr, nullptr, CLSID_QVEOSimulation);
  RunSheet(root, [](CPropPageViewOptionsFilter& page) {
    page.Item(IDC_EXCLUDE_LISTED_TYPES)->UserClick();
    page.Item(IDC_OBJECT_TYPE_LIST)->UserToggleItemCheck(0);
    page.Sheet()->PressButton(IDOK);
  });
  ASSERT_NE(root.GetExclusionList(), nullptr);
  EXPECT_EQ(root.GetExclusionList()->Classes(), std::vector<GUID>{CLSID_QVEOTypesFolder});
  EXPECT_TRUE(root.IsExcluded(CLSID_QVEOTypesFolder));
}

}  // namespace
