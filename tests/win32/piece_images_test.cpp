// The piece images the Windows window keeps from frame to frame, as the player may leave their
// files: replaced or removed while the game runs, or not images at all. Each test runs in a
// working directory of its own, whose images folder is the one the game reads.

#include "app/win32/piece_images.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr char kWhitePath[] = "images/White.png";
constexpr int kSide = 40;

class PieceImages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
  }
  // The tests start in the source folder, where the game's own images lie.
  void SetUp() override {
    source = fs::current_path() / "images";
    folder =
        fs::temp_directory_path() / ("kordavelmix-images-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder / "images");
    fs::current_path(folder);
  }
  void TearDown() override {
    cache.Release();
    fs::current_path(source.parent_path());
    fs::remove_all(folder);
  }
  void Install(const char* sourceName) {
    fs::copy_file(source / sourceName, folder / kWhitePath, fs::copy_options::overwrite_existing);
  }
  void Write(const std::string& bytes) {
    std::ofstream(folder / kWhitePath, std::ios::binary) << bytes;
  }
  // The colour at the centre of the white man as the next frame blends it, or nothing.
  std::optional<COLORREF> Centre() {
    cache.NewFrame();
    HDC image = cache.Scaled(kWhitePath, kSide, kSide);
    if (image == nullptr) {
      return std::nullopt;
    }
    return GetPixel(image, kSide / 2, kSide / 2);
  }
  static bool IsLight(COLORREF colour) { return GetRValue(colour) > 150; }

  static ULONG_PTR token;
  fs::path source;
  fs::path folder;
  PieceImageCache cache;
};
ULONG_PTR PieceImages::token = 0;

// The test's working directory holds images/White.png; the test program's folder holds none, so
// a file removed from there leaves the piece undrawn.
TEST_F(PieceImages, FollowTheirFilesFromFrameToFrame) {
  Install("White.png");
  std::optional<COLORREF> centre = Centre();
  ASSERT_TRUE(centre.has_value());
  EXPECT_TRUE(IsLight(*centre));
  EXPECT_EQ(Centre(), centre) << "the same file draws the same piece";

  Install("Black.png");
  centre = Centre();
  ASSERT_TRUE(centre.has_value()) << "a replaced file is read at the next frame";
  EXPECT_FALSE(IsLight(*centre));

  fs::remove(folder / kWhitePath);
  EXPECT_FALSE(Centre().has_value()) << "a removed file draws nothing";

  Install("White.png");
  centre = Centre();
  ASSERT_TRUE(centre.has_value()) << "a restored file draws again";
  EXPECT_TRUE(IsLight(*centre));
}

// A file that is no PNG, or whose header claims more than any piece needs (a few bytes that would
// decode into gigabytes), is refused before it is decoded; the file is read again once it changes.
TEST_F(PieceImages, RefuseFilesThatAreNoPieceImage) {
  Write("not an image at all");
  EXPECT_FALSE(Centre().has_value());

  const std::string hugeHeader(
      "\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x01\x86\xa0\x00\x01\x86\xa0"
      "\x08\x06\x00\x00\x00",
      33);
  Write(hugeHeader);
  EXPECT_FALSE(Centre().has_value());

  Install("White.png");
  EXPECT_TRUE(Centre().has_value());
}

}  // namespace
