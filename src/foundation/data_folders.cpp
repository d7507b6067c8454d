#include "foundation/data_folders.h"

#include <filesystem>
#include <system_error>

namespace lumidex {

DataFolders DataFolders::ForBase(std::string_view baseFolder, std::string_view loginName) {
  DataFolders f;
  f.programDir = WithTrailingSlash(baseFolder);
  f.dataDir = f.programDir + "data/";
  f.cacheDir = f.dataDir + "jpgdat/";
  f.userDir = f.dataDir + std::string(loginName) + "/";
  f.photoDir = f.userDir + "photo/";
  f.holidayDir = f.userDir + "holiday/";
  f.myPhotoDir = f.userDir + "myphoto/";
  f.albumDir = f.userDir + "album/";
  return f;
}

bool MakeFolders(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  return std::filesystem::is_directory(path, ec);
}

void DataFolders::CreateAll() const {
  for (const std::string* folder :
       {&programDir, &dataDir, &cacheDir, &userDir, &photoDir, &holidayDir, &myPhotoDir, &albumDir}) {
    MakeFolders(*folder);
  }
}

}  // namespace lumidex
