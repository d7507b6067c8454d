#include "imagelist/file_date_text.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

namespace lumidex {

std::string FileDateText(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return {};
  std::tm local{};
  if (localtime_r(&info.st_mtime, &local) == nullptr) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

}  // namespace lumidex
