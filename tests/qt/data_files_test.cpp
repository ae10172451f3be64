#include "app/qt/data_files.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

namespace {

// Runs each test in an empty working directory and puts files where the lookup searches. CTest
// runs the tests side by side, so each one searches for a folder named after itself.
class DataFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(workDir.isValid());
    folder = QStringLiteral("data-files-test-") +
             QString::fromUtf8(testing::UnitTest::GetInstance()->current_test_info()->name());
    besideProgram = QCoreApplication::applicationDirPath() + QLatin1Char('/') + folder;
    installed = QCoreApplication::applicationDirPath() +
                QStringLiteral("/" KORDAVELMIX_DATA_FROM_PROGRAM "/") + folder;
    piece = (folder + QStringLiteral("/piece.png")).toStdString();
    previousDir = QDir::currentPath();
    QDir::setCurrent(workDir.path());
  }

  void TearDown() override {
    QDir::setCurrent(previousDir);
    QDir(besideProgram).removeRecursively();
    QDir(installed).removeRecursively();
  }

  static void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  QTemporaryDir workDir;
  QString previousDir;
  QString folder;
  // The test's folder beside the test program, removed after the test.
  QString besideProgram;
  // The same folder where an installation keeps its data, relative to its program.
  QString installed;
  // The path the game would ask for.
  std::string piece;
};

TEST_F(DataFilesTest, WorkingDirectoryFileWins) {
  Touch(QString::fromStdString(piece));
  Touch(besideProgram + QStringLiteral("/piece.png"));
  EXPECT_EQ(LocateDataFile(piece), QString::fromStdString(piece));
}

TEST_F(DataFilesTest, FallsBackToTheCopyBesideTheProgram) {
  Touch(besideProgram + QStringLiteral("/piece.png"));
  EXPECT_EQ(LocateDataFile(piece), besideProgram + QStringLiteral("/piece.png"));
}

TEST_F(DataFilesTest, ThenToTheInstalledCopy) {
  Touch(installed + QStringLiteral("/piece.png"));
  EXPECT_EQ(QFileInfo(LocateDataFile(piece)).canonicalFilePath(),
            QFileInfo(installed + QStringLiteral("/piece.png")).canonicalFilePath());
  Touch(besideProgram + QStringLiteral("/piece.png"));
  EXPECT_EQ(LocateDataFile(piece), besideProgram + QStringLiteral("/piece.png"));
}

TEST_F(DataFilesTest, MissingEverywhereGivesNothing) {
  EXPECT_TRUE(LocateDataFile(piece).isEmpty());
  EXPECT_TRUE(LocateDataFile("/nonexistent/" + piece).isEmpty());
}

}  // namespace
