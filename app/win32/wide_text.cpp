#include "app/win32/wide_text.h"

#include <windows.h>

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) {
    return {};
  }
  const int bytes = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
  if (units > 0) {
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), bytes, wide.data(), units);
  }
  return wide;
}
