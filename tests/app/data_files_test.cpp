#include "app/qt/data_files.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Runs each test in an empty working directory and puts files where the lookup searches.
class DataFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(workDir.isValid());
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
  // A folder of its own beside the test program, removed after each test.
  const QString besideProgram =
      QCoreApplication::applicationDirPath() + QStringLiteral("/data-files-test");
  // The same folder where an installation keeps its data, relative to its program.
  const QString installed = QCoreApplication::applicationDirPath() +
                            QStringLiteral("/" KORDAVELMIX_DATA_FROM_PROGRAM "/data-files-test");
};

TEST_F(DataFilesTest, WorkingDirectoryFileWins) {
  Touch(QStringLiteral("data-files-test/piece.png"));
  Touch(besideProgram + QStringLiteral("/piece.png"));
  EXPECT_EQ(LocateDataFile("data-files-test/piece.png"),
            QStringLiteral("data-files-test/piece.png"));
}

TEST_F(DataFilesTest, FallsBackToTheCopyBesideTheProgram) {
  Touch(besideProgram + QStringLiteral("/piece.png"));
  EXPECT_EQ(LocateDataFile("data-files-test/piece.png"),
            besideProgram + QStringLiteral("/piece.png"));
}

TEST_F(DataFilesTest, ThenToTheInstalledCopy) {
  Touch(installed + QStringLiteral("/piece.png"));
  EXPECT_EQ(QFileInfo(LocateDataFile("data-files-test/piece.png")).canonicalFilePath(),
            QFileInfo(installed + QStringLiteral("/piece.png")).canonicalFilePath());
  Touch(besideProgram + QStringLiteral("/piece.png"));
  EXPECT_EQ(LocateDataFile("data-files-test/piece.png"),
            besideProgram + QStringLiteral("/piece.png"));
}

TEST_F(DataFilesTest, MissingEverywhereGivesNothing) {
  EXPECT_TRUE(LocateDataFile("data-files-test/piece.png").isEmpty());
  EXPECT_TRUE(LocateDataFile("/nonexistent/data-files-test/piece.png").isEmpty());
}

}  // namespace
