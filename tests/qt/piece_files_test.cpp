// The piece image files as the player may leave them: replaced or removed while the game runs, or
// damaged in every way a file can be. Each test runs in a working directory of its own, whose
// images/ folder is the one the game reads.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstdint>
#include <string>

#include "ai/cpu_player.h"
#include "app/common/board_input.h"
#include "app/qt/board_widget.h"
#include "app/qt/piece_images.h"
#include "game/board.h"
#include "render/appearance.h"

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr char kWhitePath[] = "images/White.png";
constexpr QSize kPieceSize(16, 16);

int qtMessages = 0;

void CountQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {
  ++qtMessages;
}

// The CRC-32 that closes every PNG chunk, bit by bit: slow, but only a few bytes are checked.
quint32 Crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFF;
  for (const char byte : bytes) {
    crc ^= static_cast<quint8>(byte);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
  }
  return ~crc;
}

QByteArray BigEndian(quint32 value) {
  QByteArray bytes(4, '\0');
  qToBigEndian<quint32>(value, bytes.data());
  return bytes;
}

QByteArray Chunk(const char* type, const QByteArray& data) {
  const QByteArray body = QByteArray(type, 4) + data;
  return BigEndian(static_cast<quint32>(data.size())) + body + BigEndian(Crc32(body));
}

// A well-formed PNG of 69 bytes whose header claims 100000 × 100000 pixels: decoded, it would
// take 40 gigabytes.
QByteArray DecompressionBomb() {
  // Width, height, 8 bits per channel, RGBA, and the standard compression, filter and interlace.
  const QByteArray header = BigEndian(100000) + BigEndian(100000) + QByteArray("\x08\x06\0\0\0", 5);
  // qCompress gives a zlib stream after a 4-byte length of its own.
  const QByteArray packed = qCompress(QByteArray(5, '\0')).mid(4);
  return QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", packed) +
         Chunk("IEND", {});
}

QByteArray Png(QRgb colour, int width = 8, int height = 8) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// Sets the file's modification time, as a later save by an image editor would.
void Stamp(const QString& path, const QDateTime& when) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

class PieceFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(workDir.isValid());
    previousDir = QDir::currentPath();
    QDir::setCurrent(workDir.path());
    QDir().mkpath(QStringLiteral("images"));
    Write(QString::fromLatin1(PieceImage::iwhite), Png(kRed));
    Write(QString::fromLatin1(PieceImage::iKwhite), Png(kRed));
    Write(QString::fromLatin1(PieceImage::iblack), Png(kBlue));
    Write(QString::fromLatin1(PieceImage::iKblack), Png(kBlue));
  }

  void TearDown() override { QDir::setCurrent(previousDir); }

  QTemporaryDir workDir;
  QString previousDir;
  const QString white = QString::fromLatin1(kWhitePath);
};

// Within a frame a file is looked at once; the next frame sees what the file has become.
TEST_F(PieceFilesTest, CacheSeesAReplacedFileAtTheNextFrameAndARemovedOneDisappears) {
  PieceImageCache cache;
  cache.NewFrame();
  ASSERT_EQ(cache.Image(kWhitePath, kPieceSize).pixel(0, 0), kRed);

  Write(white, Png(kGreen, 9, 9));
  EXPECT_EQ(cache.Image(kWhitePath, kPieceSize).pixel(0, 0), kRed);
  cache.NewFrame();
  EXPECT_EQ(cache.Image(kWhitePath, kPieceSize).pixel(0, 0), kGreen);

  ASSERT_TRUE(QFile::remove(white));
  cache.NewFrame();
  EXPECT_TRUE(cache.Image(kWhitePath, kPieceSize).isNull());

  Write(white, Png(kRed));
  cache.NewFrame();
  EXPECT_EQ(cache.Image(kWhitePath, kPieceSize).pixel(0, 0), kRed);
}

// Size and modification time are what tell a changed file: new content of the same size under
// the old time is not read, and the same content under a new time is.
TEST_F(PieceFilesTest, CacheKeepsTheDecodedImageWhileSizeAndTimeAreUnchanged) {
  const QDateTime saved = QDateTime::currentDateTime().addSecs(-60);
  Stamp(white, saved);
  PieceImageCache cache;
  cache.NewFrame();
  ASSERT_EQ(cache.Image(kWhitePath, kPieceSize).pixel(0, 0), kRed);

  const QByteArray green = Png(kGreen);
  ASSERT_EQ(green.size(), Png(kRed).size());
  Write(white, green);
  Stamp(white, saved);
  cache.NewFrame();
  EXPECT_EQ(cache.Image(kWhitePath, kPieceSize).pixel(0, 0), kRed);

  Stamp(white, saved.addSecs(1));
  cache.NewFrame();
  EXPECT_EQ(cache.Image(kWhitePath, kPieceSize).pixel(0, 0), kGreen);
}

struct HostileCase {
  const char* name;
  QByteArray (*bytes)();
  // Refused by what the file's first bytes say, before any decoding, so the image library has
  // nothing to complain about.
  bool refusedByHeader;
};

const HostileCase kHostileCases[] = {
    {"Empty", [] { return QByteArray(); }, true},
    {"Truncated",
     [] {
       const QByteArray whole = Png(kRed, 64, 64);
       return whole.left(whole.size() / 2);
     },
     false},
    {"NotAPng", [] { return QByteArray("GIF89a is what this file says it is, and it is not."); },
     true},
    {"JpegNamedPng",
     [] {
       QImage image(8, 8, QImage::Format_RGB32);
       image.fill(kRed);
       QByteArray bytes;
       QBuffer buffer(&bytes);
       buffer.open(QIODevice::WriteOnly);
       image.save(&buffer, "JPG");
       return bytes;
     },
     true},
    {"ClaimsHundredThousandSquared", DecompressionBomb, true},
    {"LargerThanAnyPieceNeeds", [] { return Png(kRed, PieceImageCache::kMaxSide + 1, 1); }, true},
};

class HostileFileTest : public PieceFilesTest, public testing::WithParamInterface<HostileCase> {};

TEST_P(HostileFileTest, IsRefusedAndOnlyThePiecesUsingItGoUndrawn) {
  Write(white, GetParam().bytes());
  StartNewGame();
  theCpuPlayer.shownSteps = 0;

  qtMessages = 0;
  const QtMessageHandler previous = qInstallMessageHandler(CountQtMessage);
  PieceImageCache cache;
  cache.NewFrame();
  const bool refused = cache.Image(kWhitePath, kPieceSize).isNull();
  qInstallMessageHandler(previous);
  EXPECT_TRUE(refused);
  if (GetParam().refusedByHeader) {
    EXPECT_EQ(qtMessages, 0);
  }

  BoardInput input;
  BoardWidget board(input);
  board.resize(834, 441);
  board.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
  const QImage frame = board.grab().toImage();
  const int cell = theBoard.cellSize;
  ASSERT_GT(cell, 0);
  const auto centre = [&](int row, int col) {
    return frame.pixel(col * cell + cell / 2, row * cell + cell / 2);
  };
  EXPECT_EQ(centre(5, 0), Colour::Dark);  // the player's man, drawn from the refused file
  EXPECT_EQ(centre(2, 1), kBlue);         // the computer's man, drawn from its own file
  EXPECT_EQ(frame.pixel(board.width() - 1, board.height() - 1), Colour::Panel);
}

INSTANTIATE_TEST_SUITE_P(PieceFiles, HostileFileTest, testing::ValuesIn(kHostileCases),
                         [](const auto& param) { return std::string(param.param.name); });

// The window's frames go through the cache: a file replaced between two paints shows in the second,
// and once removed its pieces are gone from the next.
TEST_F(PieceFilesTest, WindowShowsAReplacedFileAtTheNextPaint) {
  StartNewGame();
  theCpuPlayer.shownSteps = 0;
  BoardInput input;
  BoardWidget board(input);
  board.resize(834, 441);
  board.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
  const auto playerMan = [&board] {
    const int cell = theBoard.cellSize;
    return board.grab().toImage().pixel(cell / 2, 5 * cell + cell / 2);
  };
  ASSERT_EQ(playerMan(), kRed);

  Write(white, Png(kGreen, 9, 9));
  EXPECT_EQ(playerMan(), kGreen);

  ASSERT_TRUE(QFile::remove(white));
  EXPECT_EQ(playerMan(), Colour::Dark);
}

}  // namespace
