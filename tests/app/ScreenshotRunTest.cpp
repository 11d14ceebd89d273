#include <gtest/gtest.h>

#include <filesystem>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include "tests/app/AppTestSupport.h"
#include "tests/support/ScopedConfigDir.h"
#include "tests/support/ScratchDirectory.h"

namespace {

// The program started as a user starts it for a picture: no display, Qt's offscreen platform.
class ScreenshotRunTest : public ::testing::Test {
 protected:
  void SetUp() override { TestApplication(); }

  int Run(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VORTAN_CONFIG_DIR", QString::fromStdString(config.Path()));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VORTAN_BINARY), arguments);
    if (!program.waitForFinished(60000)) {
      program.kill();
      return -1;
    }
    errors = QString::fromUtf8(program.readAllStandardError());
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  }
  QString PathOf(const std::string& name) const { return QString::fromStdString(folder.File(name)); }

  ScopedConfigDir config;
  ScratchDirectory folder;
  QString errors;
};

TEST_F(ScreenshotRunTest, TheSampleIsDrawnIntoThePictureAndTheProgramEndsWell) {
  ASSERT_EQ(Run({"--screenshot", PathOf("sample.png")}), 0) << errors.toStdString();
  QImage picture(PathOf("sample.png"));
  ASSERT_FALSE(picture.isNull());
  EXPECT_GE(picture.width(), 800);
  EXPECT_GT(ColourCount(picture), 50) << "menus, toolbar, the Explorer's panes and icons are drawn";
}

TEST_F(ScreenshotRunTest, ADocumentThatCannotBeReadGivesNoPictureAndAFailure) {
  folder.Write("Damaged.vsim", "garbage\n");
  EXPECT_EQ(Run({"--screenshot", PathOf("damaged.png"), PathOf("Damaged.vsim")}), 1);
  EXPECT_TRUE(errors.contains("Damaged.vsim, line 1")) << errors.toStdString();
  EXPECT_FALSE(std::filesystem::exists(folder.File("damaged.png")));

  EXPECT_EQ(Run({"--screenshot", PathOf("missing-folder/shot.png")}), 1) << "a picture that cannot be written";
  EXPECT_TRUE(errors.contains("missing-folder/shot.png")) << errors.toStdString();
}

}  // namespace
