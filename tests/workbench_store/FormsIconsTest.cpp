// Forms and icons of a model: the system form and default form, the help
// form, the "System" icon and default icon, icon texts and their pictures.
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"
#include "host/model/IQVIcon.h"
#include "host/model/IQVIconCollection.h"
#include "host/model/IRModelType.h"
#include "host/store/HostClassIds.h"
#include "host/store/MwInstance.h"
#include "host/language/IconTypes.h"
#include "tests/workbench_store/StoreTestSupport.h"
#include "workbench/store/IconPicture.h"

namespace {

class FormsIconsTest : public StoreTest {
 protected:
  CStoreType& tank = build.Model(Simulation(), "Tank");
  CComPtr<IQVFormContainer> forms = ComQuery<IQVFormContainer>(static_cast<IFType*>(&tank));
  CComPtr<IQVIconCollection> icons = ComQuery<IQVIconCollection>(static_cast<IFType*>(&tank));

  std::vector<std::string> FormNames() {
    std::vector<std::string> names;
    int count = 0;
    forms->GetFormCount(&count);
    for (int i = 0; i < count; ++i) {
      CComPtr<IQVFormDef> form;
      std::string name;
      if (SUCCEEDED(forms->GetForm(i, &form))) form->GetName(name);
      names.push_back(name);
    }
    return names;
  }
  std::string DefaultForm() {
    std::string name;
    EXPECT_EQ(forms->GetDefaultForm(name), S_OK);
    return name;
  }
  std::string DefaultIcon() {
    std::string name;
    EXPECT_EQ(icons->GetDefaultIcon(name), S_OK);
    return name;
  }
};

TEST_F(FormsIconsTest, FormsOfEveryKindAreMadeRenamedAndRemoved) {
  CComPtr<IQVFormDef> plot;
  ASSERT_EQ(forms->CreateForm("Trend", CLSID_QVPlotForm, 0, "{\nDisplayAs : Plot\n}\n", &plot), S_OK);
  EXPECT_EQ(forms->CreateForm("trend", CLSID_QVTableForm, 0, "", nullptr), FE_NAMEEXISTS);
  EXPECT_EQ(forms->CreateForm("Odd", GUID_NULL, 0, "", nullptr), E_INVALIDARG);
  CLSID kind{};
  plot->GetClassID(&kind);
  EXPECT_EQ(kind, CLSID_QVPlotForm);
  // The form's instance is its type's default instance, so it may be edited; its class is the form's kind.
  CComPtr<IFInstance> instance;
  ASSERT_EQ(plot->GetInstance(&instance), S_OK);
  EXPECT_TRUE(MwInstance(instance.Get()).IsDefaultInstance());
  instance->GetClassID(&kind);
  EXPECT_EQ(kind, CLSID_QVPlotForm);

  ASSERT_EQ(forms->SetDefaultForm("Trend"), S_OK);
  ASSERT_EQ(forms->RenameForm("Trend", "History"), S_OK);
  EXPECT_EQ(DefaultForm(), "History");  // the default follows its name
  EXPECT_EQ(forms->RenameForm("History", "AllVariables"), FE_NAMEEXISTS);
  ASSERT_EQ(forms->RemoveForm("History"), S_OK);
  EXPECT_EQ(DefaultForm(), "AllVariables");  // deleting the default falls back
  EXPECT_EQ(forms->SetDefaultForm("History"), FE_NOTFOUND);
  EXPECT_EQ(FormNames(), std::vector<std::string>{"AllVariables"});
}

TEST_F(FormsIconsTest, TheHelpFormIsMadeOnceOnRequest) {
  ASSERT_EQ(forms->AddForm(QV_ADDFORM_HELP), S_OK);
  ASSERT_EQ(forms->AddForm(QV_ADDFORM_HELP), S_OK);
  EXPECT_EQ(FormNames(), (std::vector<std::string>{"AllVariables", "$Model_Help$"}));
  CComPtr<IQVFormDef> help;
  ASSERT_EQ(forms->FindForm("$Model_Help$", &help), S_OK);
  CLSID kind{};
  help->GetClassID(&kind);
  EXPECT_EQ(kind, CLSID_QVModelHelpForm);
  ASSERT_EQ(forms->AddForm(QV_ADDFORM_NEW), S_OK);
  ASSERT_EQ(forms->AddForm(QV_ADDFORM_NEW), S_OK);
  EXPECT_EQ(FormNames().back(), "Table2");
  EXPECT_EQ(forms->RemoveForm("$Model_Help$"), S_OK);
}

TEST_F(FormsIconsTest, IconsAreCreatedFromTextRenamedWithTheirTextAndMadeDefault) {
  CComPtr<IQVIcon> icon;
  ASSERT_EQ(icons->CreateIcon("Round", &icon), S_OK);
  EXPECT_EQ(icons->CreateIcon("ROUND", nullptr), FE_NAMEEXISTS);
  // The explorer writes the copied picture into the new icon, then names it.
  const std::string copied = "Icon Old\n  Name = Old\n  Ellipse 0 0 32 32 12\nEnd\n";
  ASSERT_EQ(WriteDataObjectText(ComQuery<IDataObject>(icon), std::string(kModellingLanguageFormat), copied), S_OK);
  STGMEDIUM medium;
  ASSERT_EQ(icon->GetStorage(&medium), S_OK);
  const std::string stored = medium.pstm->ReadAllText();
  EXPECT_EQ(IconNameInText(stored), "Round");
  EXPECT_NE(stored.find("Ellipse 0 0 32 32 12"), std::string::npos);

  ASSERT_EQ(icons->SetDefaultIcon("round"), S_OK);
  EXPECT_EQ(DefaultIcon(), "Round");
  ASSERT_EQ(icons->RenameIcon("Round", "Disc"), S_OK);
  EXPECT_EQ(DefaultIcon(), "Disc");
  std::string name;
  icon->GetName(name);
  EXPECT_EQ(name, "Disc");
  ASSERT_EQ(icon->GetStorage(&medium), S_OK);
  EXPECT_EQ(IconNameInText(medium.pstm->ReadAllText()), "Disc");
  ASSERT_EQ(icons->RemoveIcon("Disc"), S_OK);
  EXPECT_EQ(DefaultIcon(), "System");
  EXPECT_EQ(icons->FindIcon("Disc", &icon), FE_NOTFOUND);
}

TEST_F(FormsIconsTest, PicturesAreDrawnFromTheTextAtBothSizes) {
  CStoreType& drawn = build.Icon(tank, "Red", "Icon Red\n  Name = Red\n  Rectangle 0 0 16 32 12\nEnd\n");
  CComPtr<IQVIcon> icon = ComQuery<IQVIcon>(static_cast<IFType*>(&drawn));
  IconImage large, small;
  ASSERT_EQ(icon->GetImages(large, small), S_OK);
  ASSERT_EQ(large.width, 32);
  ASSERT_EQ(small.width, 16);
  EXPECT_EQ(large.pixels[5 * 32 + 3], IconColour(12)) << "the left half is drawn";
  EXPECT_EQ(large.pixels[5 * 32 + 20], 0u) << "the right half stays transparent";

  // An icon whose text draws nothing still has a picture: its default one.
  CComPtr<IQVIcon> system;
  ASSERT_EQ(icons->FindIcon("System", &system), S_OK);
  ASSERT_EQ(system->GetImages(large, small), S_OK);
  EXPECT_GT(std::count_if(large.pixels.begin(), large.pixels.end(), [](auto p) { return p != 0; }), 100);
}

TEST_F(FormsIconsTest, DamagedIconTextsDrawWhatTheyCanAndNeverFail) {
  const std::vector<IconShape> shapes = ReadIconShapes(
      "Icon X\n  Rectangle 1 2 3\n  Ellipse a b c d 1\n  Line 0 0 99999999 5 3\n  Fill 99\n  Frame -5 -5 40 40 0\n"
      "\x01\xfe binary\n  // Rectangle 0 0 32 32 1\nEnd\n");
  ASSERT_EQ(shapes.size(), 2u);  // the line (clamped) and the frame
  const IconImage image = RenderIcon(shapes, 16);
  EXPECT_EQ(image.pixels.size(), 256u);
  EXPECT_EQ(SetIconNameInText("", "New"), "Icon New\n  Name = New\nEnd\n");
  EXPECT_EQ(SetIconNameInText("Icon A\nEnd", "B"), "Icon B\n  Name = B\nEnd");
}

TEST_F(FormsIconsTest, TheIconTypeServiceWorksOnTheOwnersModel) {
  CComPtr<IQVIcon> icon;
  ASSERT_EQ(QVCreateIconType(tank.DefaultInstance(), "Square", &icon), S_OK);
  EXPECT_EQ(QVEditIconType(tank.DefaultInstance(), "Square"), FE_NOSERVICE);
  std::string edited;
  services.IconTypes().onEdit = [&](IFInstance*, const std::string& name) {
    edited = name;
    return S_OK;
  };
  EXPECT_EQ(QVEditIconType(tank.DefaultInstance(), "Square"), S_OK);
  EXPECT_EQ(edited, "Square");
  EXPECT_EQ(QVEditIconType(tank.DefaultInstance(), "Nothing"), FE_NOTFOUND);
  EXPECT_EQ(QVDeleteIconType(tank.DefaultInstance(), "System"), FE_INUSE);
  EXPECT_EQ(QVDeleteIconType(tank.DefaultInstance(), "Square"), S_OK);
  EXPECT_EQ(QVCreateIconType(nullptr, "X", nullptr), E_INVALIDARG);
}

}  // namespace
