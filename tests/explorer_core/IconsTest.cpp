// The process-wide image lists: node icons added once per process through
// the icon cache, and the plot icon standing in for a plot form's.
#include "explorer/core/ExplorerImageLists.h"
#include "explorer/resources/IconIds.h"
#include "host/com/ComObject.h"
#include "host/store/HostClassIds.h"
#include "host/store/IFInstance.h"
#include "platform/Resources.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using IconsTest = ExplorerCoreTest;

// An instance of a given class (a form's kind), nothing more.
class ClassedInstance : public CComObject<IFInstance> {
 public:
  explicit ClassedInstance(const CLSID& classId) : m_classId(classId) {}
  HRESULT GetName(std::string& name) override { name = "Form"; return S_OK; }
  HRESULT GetPath(std::string& path) override { path.clear(); return S_OK; }
  HRESULT GetType(IFType** type) override { *type = nullptr; return E_FAIL; }
  HRESULT GetClassID(CLSID* classId) override { *classId = m_classId; return S_OK; }
  HRESULT GetAttributes(DWORD* attributes) override { *attributes = 0; return S_OK; }
  HRESULT GetProperty(const std::string&, IFPropertyDesc**, IFInstance**) override { return E_FAIL; }
  HRESULT GetPropertyDesc(IFPropertyDesc**) override { return E_FAIL; }
  HRESULT EnumProperties(DWORD, IEnum<IFPropertyDesc>**) override { return E_NOTIMPL; }
  HRESULT CreateChild(const std::string&, IFType*, IFInstance**) override { return E_NOTIMPL; }

 private:
  CLSID m_classId;
};

TEST_F(IconsTest, EachIconIsAddedOncePerProcess) {
  const int largeBefore = CExplorerImageLists::Large().GetImageCount();
  TestLeaf first(TestLeaf::ForType{}, nullptr, IDI_FORM, IDI_BLOCK, nullptr);
  const int added = CExplorerImageLists::Large().GetImageCount() - largeBefore;
  EXPECT_LE(added, 2);
  const int open = first.GetImage(1, 1);
  const int normal = first.GetImage(1, 0);
  ASSERT_GE(open, 0);
  ASSERT_GE(normal, 0);
  EXPECT_NE(open, normal);
  EXPECT_EQ(CExplorerImageLists::Large().GetIcon(open), LoadIcon(IDI_FORM));
  EXPECT_EQ(CExplorerImageLists::Small().GetIcon(first.GetImage(0, 1)), LoadIcon(IDI_FORM));
  EXPECT_EQ(CExplorerImageLists::Small().GetIcon(first.GetImage(0, 0)), LoadIcon(IDI_BLOCK));

  // Thousands of nodes with the same icons add nothing more.
  const int largeAfter = CExplorerImageLists::Large().GetImageCount();
  const int smallAfter = CExplorerImageLists::Small().GetImageCount();
  for (int i = 0; i < 2000; ++i) {
    TestLeaf again(TestLeaf::ForType{}, nullptr, i % 2 ? IDI_FORM : IDI_BLOCK, IDI_BLOCK, nullptr);
    ASSERT_EQ(again.GetImage(1, 0), normal);
  }
  EXPECT_EQ(CExplorerImageLists::Large().GetImageCount(), largeAfter);
  EXPECT_EQ(CExplorerImageLists::Small().GetImageCount(), smallAfter);
}

TEST_F(IconsTest, PlotAndProfileFormsShowThePlotIconInsteadOfTheFormIcon) {
  CComPtr<IFInstance> plot = MakeComObject<ClassedInstance>(CLSID_QVPlotForm);
  CComPtr<IFInstance> profile = MakeComObject<ClassedInstance>(CLSID_QVProfileForm);
  CComPtr<IFInstance> table = MakeComObject<ClassedInstance>(CLSID_QVTableForm);
  TestLeaf plotNode(CExplorerObject::ForInstance{}, plot, IDI_FORM, IDI_BLOCK, nullptr);
  TestLeaf profileNode(CExplorerObject::ForInstance{}, profile, IDI_FORM, IDI_BLOCK, nullptr);
  TestLeaf tableNode(CExplorerObject::ForInstance{}, table, IDI_FORM, IDI_BLOCK, nullptr);
  CImageList& large = CExplorerImageLists::Large();
  EXPECT_EQ(large.GetIcon(plotNode.GetImage(1, 1)), LoadIcon(IDI_PLOT_FORM));
  EXPECT_EQ(large.GetIcon(plotNode.GetImage(1, 0)), LoadIcon(IDI_PLOT_FORM));
  EXPECT_EQ(large.GetIcon(profileNode.GetImage(1, 0)), LoadIcon(IDI_PLOT_FORM));
  EXPECT_EQ(large.GetIcon(tableNode.GetImage(1, 1)), LoadIcon(IDI_FORM));
  EXPECT_EQ(large.GetIcon(tableNode.GetImage(1, 0)), LoadIcon(IDI_BLOCK));
  // Only the form icon is replaced.
  TestLeaf other(CExplorerObject::ForInstance{}, plot, IDI_BLOCK, IDI_BLOCK, nullptr);
  EXPECT_EQ(large.GetIcon(other.GetImage(1, 0)), LoadIcon(IDI_BLOCK));
}

}  // namespace
