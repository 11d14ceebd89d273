#include <gtest/gtest.h>

#include <QImage>

#include "app/icons/IconPictures.h"
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

// Pixels from the host are drawn as they are; pixels that do not fill the
// picture's size are never read past their end.
TEST_F(IconPicturesTest, HostIconsAreDrawnFromTheirPixelsAndBadPixelsFallBackToTheName) {
  IconImage large{32, 32, std::vector<std::uint32_t>(32 * 32, 0xFF2040E0u)};
  HICON host = CreateIconFromImages("Model", large, IconImage{});
  EXPECT_EQ(IconPicture(host, 32).toImage().pixel(5, 5), 0xFF2040E0u);
  EXPECT_EQ(IconPicture(host, 16).size(), QSize(16, 16)) << "the other size is scaled";
  IconImage damaged{32, 32, std::vector<std::uint32_t>(10, 0xFFFFFFFFu)};
  HICON broken = CreateIconFromImages("Model", damaged, IconImage{});
  EXPECT_EQ(IconPicture(broken, 32).toImage(), IconPictureForName("Model", 32).toImage());
  EXPECT_TRUE(IconPicture(nullptr, 32).isNull());
  DestroyIcon(host);
  DestroyIcon(broken);
}

}  // namespace
