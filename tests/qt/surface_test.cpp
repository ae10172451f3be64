#include "app/qt/surface.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <QWidget>

#include "render/appearance.h"

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr double kMetresPerInch = 0.0254;

QImage Blank(int width, int height, int dpi = 96) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(kBlack);
  image.setDotsPerMeterX(qRound(dpi / kMetresPerInch));
  image.setDotsPerMeterY(qRound(dpi / kMetresPerInch));
  return image;
}

// The smallest rectangle holding every pixel that is not black.
QRect Ink(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kBlack) {
        ink |= QRect(x, y, 1, 1);
      }
    }
  }
  return ink;
}

// True when every pixel is either black or exactly the colour: nothing was blended at the edges.
bool OnlyBlackAnd(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (pixel != kBlack && pixel != colour) {
        return false;
      }
    }
  }
  return true;
}

TEST(QtSurfaceTest, FillRectCoversExactlyItsPixels) {
  QImage image = Blank(20, 20);
  {
    QtSurface surface(image);
    surface.FillRect(2, 3, 4, 5, Colour::Dark);
    surface.FillRect(10, 10, 0, 5, Colour::White);  // a zero-sized square draws nothing
  }
  EXPECT_EQ(Ink(image), QRect(2, 3, 4, 5));
  EXPECT_EQ(image.pixel(2, 3), Colour::Dark);
  EXPECT_EQ(image.pixel(5, 7), Colour::Dark);
}

TEST(QtSurfaceTest, LineIsAsWideAsAskedWithHardEdges) {
  QImage image = Blank(60, 40);
  {
    QtSurface surface(image);
    surface.DrawLine(10, 20, 50, 20, Colour::Path, kPathWidth);
  }
  const QRect ink = Ink(image);
  EXPECT_EQ(ink.height(), 5);
  EXPECT_NEAR(ink.center().y(), 20, 1);
  EXPECT_NEAR(ink.left(), 10, 1);  // flat ends: the line stops at its end points
  EXPECT_NEAR(ink.right(), 50, 1);
  EXPECT_TRUE(OnlyBlackAnd(image, Colour::Path));
}

class QtSurfaceImageTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }

  QTemporaryDir dir;
};

// A 2 x 2 image whose left column is opaque red and right column transparent, drawn 20 x 20 over
// blue: it is scaled to the rectangle and the transparent half lets the blue show.
TEST_F(QtSurfaceImageTest, ImageIsScaledAndBlendedByItsAlpha) {
  QImage piece(2, 2, QImage::Format_ARGB32);
  piece.fill(Qt::transparent);
  piece.setPixel(0, 0, kRed);
  piece.setPixel(0, 1, kRed);
  const QString path = dir.filePath(QStringLiteral("piece.png"));
  ASSERT_TRUE(piece.save(path));

  QImage image = Blank(40, 40);
  {
    QtSurface surface(image);
    surface.FillRect(0, 0, 40, 40, kBlue);
    surface.DrawImage(path.toUtf8().constData(), 10, 10, 20, 20);
  }
  EXPECT_EQ(image.pixel(12, 20), kRed);
  EXPECT_EQ(image.pixel(27, 20), kBlue);
  EXPECT_EQ(image.pixel(5, 5), kBlue);
  EXPECT_EQ(image.pixel(32, 20), kBlue);
}

TEST_F(QtSurfaceImageTest, MissingOrBrokenImageDrawsNothing) {
  const QString broken = dir.filePath(QStringLiteral("broken.png"));
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a picture");
  file.close();

  QImage image = Blank(40, 40);
  {
    QtSurface surface(image);
    surface.DrawImage(dir.filePath(QStringLiteral("absent.png")).toUtf8().constData(), 0, 0, 40,
                      40);
    surface.DrawImage(broken.toUtf8().constData(), 0, 0, 40, 40);
  }
  EXPECT_TRUE(Ink(image).isNull());
}

TEST(QtSurfaceTest, TextHangsBelowItsOriginInOneColourWithoutSmoothing) {
  QImage image = Blank(400, 120);
  const FontSpec font{ScorePanel::kFontFamily, ScorePanel::kHeadingPoints, true, true};
  {
    QtSurface surface(image);
    surface.DrawText(ScorePanel::kHeading, font, Colour::Heading, 30, 10);
  }
  const QRect ink = Ink(image);
  ASSERT_FALSE(ink.isNull());
  // The layout box's top-left corner is the origin: the glyphs start just right of and below it.
  EXPECT_GE(ink.top(), 10);
  EXPECT_LT(ink.top(), 30);
  EXPECT_GE(ink.left(), 30 - 3);  // an italic letter may lean a little past its box
  EXPECT_LT(ink.left(), 45);
  EXPECT_TRUE(OnlyBlackAnd(image, Colour::Heading));
}

// Points are 1/72 inch at the surface's resolution: at twice the resolution the same text is
// twice as large.
TEST(QtSurfaceTest, PointSizeFollowsTheResolution) {
  const FontSpec font{ScorePanel::kFontFamily, ScorePanel::kCountPoints, true, true};
  QImage normal = Blank(600, 200, 96);
  QImage dense = Blank(600, 200, 192);
  {
    QtSurface normalSurface(normal);
    normalSurface.DrawText("Игрок: 12", font, Colour::Count, 0, 0);
    QtSurface denseSurface(dense);
    denseSurface.DrawText("Игрок: 12", font, Colour::Count, 0, 0);
  }
  const QRect small = Ink(normal);
  const QRect large = Ink(dense);
  ASSERT_FALSE(small.isNull());
  EXPECT_NEAR(static_cast<double>(large.width()) / small.width(), 2.0, 0.15);
  EXPECT_NEAR(static_cast<double>(large.height()) / small.height(), 2.0, 0.15);
}

int qtMessages = 0;

void CountQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {
  ++qtMessages;
}

// A client area of zero size gives a null frame: drawing on it is skipped quietly, where a painter
// on a null image would complain on stderr at every step.
TEST(QtSurfaceTest, NullImageTakesNoDrawingAndNoComplaint) {
  qtMessages = 0;
  const QtMessageHandler previous = qInstallMessageHandler(CountQtMessage);
  QImage none;
  {
    QtSurface surface(none);
    surface.FillRect(0, 0, 10, 10, Colour::Dark);
    surface.DrawLine(0, 0, 10, 10, Colour::Path, kPathWidth);
    surface.DrawImage(PieceImage::iwhite, 0, 0, 10, 10);
    surface.DrawText("AI: 0", {ScorePanel::kFontFamily, 30, true, true}, Colour::Count, 0, 0);
  }
  qInstallMessageHandler(previous);
  EXPECT_EQ(qtMessages, 0);
  EXPECT_TRUE(none.isNull());
}

}  // namespace
