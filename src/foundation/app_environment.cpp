#include "foundation/app_environment.h"

namespace lumidex {

Result<std::unique_ptr<AppEnvironment>> AppEnvironment::Open(const std::string& baseFolder,
                                                            const std::string& loginName,
                                                            FileStore& store) {
  auto env = std::make_unique<AppEnvironment>();
  env->folders = DataFolders::ForBase(baseFolder, loginName);
  env->folders.CreateAll();
  auto pageIndex = TMemIniFile::Open(env->folders.PageIndexPath(), store);
  if (!pageIndex.ok()) return pageIndex.status();
  auto lockList = TMemIniFile::Open(env->folders.LockListPath(), store);
  if (!lockList.ok()) return lockList.status();
  env->pageIndex = std::move(pageIndex).value();
  env->lockList = std::move(lockList).value();
  return env;
}

}  // namespace lumidex
