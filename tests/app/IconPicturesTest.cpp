#include <gtest/gtest.h>

#include <map>

#include <QImage>

#include "app/CommandIds.h"
#include "app/icons/IconPictures.h"
#include "app/icons/ToolbarPictures.h"
#include "explorer/resources/ExplorerResources.h"
#include "platform/Resources.h"
#include "tests/app/AppTestSupport.h"

namespace {

class IconPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    RegisterExplorerResources();
  }
};

int OpaquePixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
  }
  return count;
}

TEST_F(IconPicturesTest, EveryRegisteredIconHasADrawingOfItsOwnInBothSizes) {
  std::vector<UINT> ids = RegisteredIconIds();
  ASSERT_GT(ids.size(), 90u) << "the explorer registers its icons";
  std::map<QByteArray, std::string> seen;
  for (UINT id : ids) {
    const IconData* data = GetIconData(LoadIcon(id));
    ASSERT_NE(data, nullptr) << id;
    EXPECT_TRUE(IconNameHasPicture(data->name)) << id << " " << data->name << " is drawn as a lettered page";
    for (int size : {16, 32}) {
      QImage image = IconPicture(LoadIcon(id), size).toImage();
      ASSERT_EQ(image.size(), QSize(size, size)) << data->name;
      EXPECT_GT(OpaquePixels(image, image.rect()), size * size / 12) << data->name << " at " << size << " is nearly empty";
    }
    // Two names never share a picture: each reads as what it stands for.
    QImage large = IconPicture(LoadIcon(id), 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes(reinterpret_cast<const char*>(large.constBits()), large.sizeInBytes());
    auto [it, inserted] = seen.emplace(bytes, data->name);
    EXPECT_TRUE(inserted) << data->name << " looks exactly like " << it->second;
  }
}

TEST_F(IconPicturesTest, OverlaysMarkOnlyTheLowerLeftCornerAndOpenAndAddVariantsDiffer) {
  for (const char* overlay : {"Error mark overlay", "Default mark overlay", "Available overlay", "Active overlay"}) {
    QImage image = IconPictureForName(overlay, 32).toImage();
    EXPECT_EQ(OpaquePixels(image, QRect(17, 0, 15, 15)), 0) << overlay << " covers the picture under it";
    EXPECT_GT(OpaquePixels(image, QRect(0, 16, 16, 16)), 40) << overlay << " shows no mark";
  }
  // The error mark is red, the available mark green.
  QImage error = IconPictureForName("Error mark overlay", 32).toImage();
  QColor errorCentre = error.pixelColor(8, 24);
  EXPECT_GT(errorCentre.red(), 150);
  QImage available = IconPictureForName("Available overlay", 32).toImage();
  QColor availableEdge = available.pixelColor(3, 23);
  EXPECT_GT(availableEdge.green(), availableEdge.red());
  EXPECT_NE(IconPictureForName("Folder", 32).toImage(), IconPictureForName("Open folder", 32).toImage());
  EXPECT_NE(IconPictureForName("Model", 32).toImage(), IconPictureForName("Add model", 32).toImage());
  EXPECT_FALSE(IconNameHasPicture("Something nobody registered"));
  EXPECT_FALSE(IconPictureForName("Something nobody registered", 16).isNull()) << "a lettered page stands in";
}

TEST_F(IconPicturesTest, HostIconsAreDrawnFromTheirPixelsAndBadPixelsFallBackToTheName) {
  IconImage large{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFF2040E0u)};
  HICON host = CreateIconFromImages("Model", large, IconImage{});
  QImage picture = IconPicture(host, 32).toImage();
  EXPECT_EQ(picture.pixel(5, 5), 0xFF2040E0u);
  EXPECT_EQ(IconPicture(host, 16).size(), QSize(16, 16)) << "the other size is scaled";
  IconImage damaged{32, 32, std::vector<std::uint32_t>(10, 0xFFFFFFFFu)};
  HICON broken = CreateIconFromImages("Model", damaged, IconImage{});
  EXPECT_EQ(IconPicture(broken, 32).toImage(), IconPictureForName("Model", 32).toImage());
  EXPECT_TRUE(IconPicture(nullptr, 32).isNull());
  DestroyIcon(host);
  DestroyIcon(broken);
}

TEST_F(IconPicturesTest, TheToolbarHasAPictureForEachOfItsCommands) {
  for (UINT command : kToolbarCommands) EXPECT_FALSE(ToolbarPicture(command).isNull()) << command;
  EXPECT_TRUE(ToolbarPicture(1).isNull());
}

}  // namespace
