#include "app/qt/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString LocateDataFile(std::string_view path) {
  const QString relative = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
  if (QFileInfo(relative).isFile()) {
    return relative;
  }
  if (QDir::isAbsolutePath(relative)) {
    return {};
  }
  const QString programDir = QCoreApplication::applicationDirPath();
  const QString roots[] = {programDir,
                           programDir + QStringLiteral("/" KORDAVELMIX_DATA_FROM_PROGRAM)};
  for (const QString& root : roots) {
    const QString candidate = root + QLatin1Char('/') + relative;
    if (QFileInfo(candidate).isFile()) {
      return candidate;
    }
  }
  return {};
}
