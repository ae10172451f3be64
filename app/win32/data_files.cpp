#include "app/win32/data_files.h"

#include <windows.h>

#include <string>

namespace {

// The folder that holds the program, where its own copy of the piece images lies.
const std::filesystem::path& ProgramFolder() {
  static const std::filesystem::path folder = [] {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
      const DWORD length =
          GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
      if (length == 0) {
        return std::filesystem::path();
      }
      if (length < name.size()) {
        name.resize(length);
        return std::filesystem::path(name).parent_path();
      }
      name.resize(name.size() * 2);
    }
  }();
  return folder;
}

}  // namespace

std::filesystem::path LocateDataFile(std::string_view path) {
  return FindDataFile(path, {ProgramFolder()});
}
