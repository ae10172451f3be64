// What the test process holds, read from Linux's /proc, for tests that must show a long run of
// frames or events leaves nothing open behind it.
#pragma once

#include <QDir>

inline int OpenFileDescriptors() {
  return static_cast<int>(
      QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System).size());
}
