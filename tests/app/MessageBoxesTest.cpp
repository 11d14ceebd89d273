#include <gtest/gtest.h>

#include <memory>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "app/ui/MessageBoxes.h"
#include "tests/app/AppTestSupport.h"

namespace {

std::unique_ptr<QMessageBox> Box(const std::string& text, const std::string& caption, UINT type) {
  TestApplication();
  MessageBoxRequest request;
  request.text = text;
  request.caption = caption;
  request.type = type;
  return std::unique_ptr<QMessageBox>(MakeMessageBox(request, nullptr));
}

TEST(MessageBoxesTest, ABoxShowsCaptionTextIconAndTheButtonsOfItsStyle) {
  auto box = Box("Delete Reactor?", "Explorer", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  EXPECT_EQ(box->windowTitle(), "Explorer");
  EXPECT_EQ(box->text(), "Delete Reactor?");
  EXPECT_EQ(box->icon(), QMessageBox::Question);
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No)) << "MB_DEFBUTTON2";
  box->button(QMessageBox::Yes)->click();
  EXPECT_EQ(MessageBoxAnswer(*box), IDYES);

  auto failure = Box("Cannot compile.", "", MB_OK | MB_ICONEXCLAMATION);
  EXPECT_EQ(failure->windowTitle().toStdString(), ApplicationCaption()) << "no caption: the program's own";
  EXPECT_EQ(failure->icon(), QMessageBox::Warning);
  EXPECT_EQ(Box("x", "c", MB_ICONHAND)->icon(), QMessageBox::Critical);
  EXPECT_EQ(Box("x", "c", MB_ICONINFORMATION)->icon(), QMessageBox::Information);
}

TEST(MessageBoxesTest, ClosingABoxAnswersCancelElseNoElseOk) {
  auto three = Box("Save?", "c", MB_YESNOCANCEL);
  EXPECT_EQ(three->escapeButton(), three->button(QMessageBox::Cancel));
  EXPECT_EQ(MessageBoxAnswer(*three), IDCANCEL) << "closed without a button";
  auto two = Box("Replace?", "c", MB_YESNO);
  EXPECT_EQ(MessageBoxAnswer(*two), IDNO);
  auto one = Box("Done.", "c", MB_OK);
  EXPECT_EQ(MessageBoxAnswer(*one), IDOK);
}

}  // namespace
