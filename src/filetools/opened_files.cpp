#include "filetools/opened_files.h"

#include <sys/stat.h>

#include <filesystem>

#include "album/registrable_file.h"
#include "foundation/file_paths.h"
#include "foundation/message_format.h"

namespace lumidex {
namespace {

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void AppendNames(std::string& message, const char* heading, const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  message += std::string("\n") + heading;
  const size_t listed = std::min(paths.size(), static_cast<size_t>(kListedFiles));
  for (size_t i = 0; i < listed; ++i) message += "\n  " + paths[i];
  if (paths.size() > listed) {
    message += FormatMessage("\n  ほか %s 個", {std::to_string(paths.size() - listed)});
  }
}

}  // namespace

OpenedFiles SortOpenedFiles(const std::vector<std::string>& arguments, const std::string& currentFolder,
                            const FileTypeLists& types) {
  OpenedFiles files;
  for (const std::string& argument : arguments) {
    if (argument.empty()) continue;
    std::filesystem::path path(argument);
    if (path.is_relative()) path = std::filesystem::path(currentFolder) / path;
    const std::string plain = WithoutTrailingSlash(path.lexically_normal().string());
    if (!IsRegularFile(plain)) {
      files.missing.push_back(plain);
    } else if (!RegistrabilityCheck::HasRegistrableType(plain, types, true)) {
      files.notPictures.push_back(plain);
    } else {
      files.pictures.push_back(plain);
    }
  }
  return files;
}

std::string RefusedFilesMessage(const OpenedFiles& files) {
  if (files.missing.empty() && files.notPictures.empty()) return "";
  std::string message = "次のファイルはアルバムに登録できませんでした。";
  AppendNames(message, "存在しないファイル:", files.missing);
  AppendNames(message, "画像ではないファイル:", files.notPictures);
  return message;
}

}  // namespace lumidex
