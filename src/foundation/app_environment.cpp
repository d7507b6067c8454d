#include "foundation/app_environment.h"

namespace lumidex {
namespace {

Result<std::unique_ptr<TMemIniFile>> OpenDocument(const std::string& path, FileStore& store,
                                                  AppEnvironment::Unreadable unreadable,
                                                  std::vector<std::string>& problems) {
  auto doc = TMemIniFile::Open(path, store);
  if (doc.ok() || unreadable == AppEnvironment::Unreadable::kFail) return doc;
  auto standIn = std::make_unique<TMemIniFile>(path, store);
  standIn->RefuseSaving(doc.status().message());
  problems.push_back(doc.status().message());
  return standIn;
}

}  // namespace

Result<std::unique_ptr<AppEnvironment>> AppEnvironment::Open(const std::string& baseFolder,
                                                            const std::string& loginName,
                                                            Unreadable unreadable,
                                                            FileStore& store) {
  auto env = std::make_unique<AppEnvironment>();
  env->folders = DataFolders::ForBase(baseFolder, loginName);
  env->folders.CreateAll();
  auto pageIndex = OpenDocument(env->folders.PageIndexPath(), store, unreadable, env->problems);
  if (!pageIndex.ok()) return pageIndex.status();
  auto lockList = OpenDocument(env->folders.LockListPath(), store, unreadable, env->problems);
  if (!lockList.ok()) return lockList.status();
  env->pageIndex = std::move(pageIndex).value();
  env->lockList = std::move(lockList).value();
  return env;
}

}  // namespace lumidex
