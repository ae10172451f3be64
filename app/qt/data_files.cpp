#include "app/qt/data_files.h"

#include <QCoreApplication>

#include "app/common/data_files.h"

QString LocateDataFile(std::string_view path) {
  const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdU16String();
  const std::filesystem::path found =
      FindDataFile(path, {programDir, programDir / KORDAVELMIX_DATA_FROM_PROGRAM});
  return QString::fromStdU16String(found.u16string());
}
