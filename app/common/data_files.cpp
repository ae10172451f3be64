#include "app/common/data_files.h"

#include <system_error>

namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path FindDataFile(std::string_view relative,
                                   std::initializer_list<std::filesystem::path> folders) {
  std::filesystem::path file(
      std::u8string_view(reinterpret_cast<const char8_t*>(relative.data()), relative.size()));
  file.make_preferred();
  if (IsFile(file)) {
    return file;
  }
  if (file.is_absolute()) {
    return {};
  }
  for (const std::filesystem::path& folder : folders) {
    std::filesystem::path candidate = folder / file;
    if (IsFile(candidate)) {
      return candidate;
    }
  }
  return {};
}
