#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/page_operations.h"
#include "foundation/app_environment.h"
#include "foundation/text_codec.h"
#include "support/temp_home.h"

namespace lumidex::testing {

// The real file system, with writes that a test can make fail.
class FailableFileStore : public FileStore {
 public:
  bool failWrites = false;
  std::string failWritesTo;  // when set, writes to paths ending so fail
  int writes = 0;

  Result<std::string> ReadAll(const std::string& path) override {
    return RealFileStore().ReadAll(path);
  }
  Status WriteAtomic(const std::string& path, std::string_view bytes, unsigned mode) override {
    const bool failHere = !failWritesTo.empty() && path.ends_with(failWritesTo);
    if (failWrites || failHere) return Status::Error(CannotCreateMessage(path));
    ++writes;
    return RealFileStore().WriteAtomic(path, bytes, mode);
  }
};

// Answers questions as the test scripts them and records everything asked.
class RecordingPrompts : public AlbumPrompts {
 public:
  bool answerYes = true;
  std::optional<std::string> nameAnswer;
  std::vector<std::pair<std::string, std::string>> questions;  // message, caption
  std::vector<std::string> messages;
  std::vector<NameRequest> nameRequests;
  std::vector<std::string> opened, explored;
  int startSounds = 0;

  bool Confirm(const std::string& message, const std::string& caption) override {
    questions.emplace_back(message, caption);
    return answerYes;
  }
  void Inform(const std::string& message) override { messages.push_back(message); }
  std::optional<std::string> AskName(const NameRequest& request) override {
    nameRequests.push_back(request);
    return nameAnswer;
  }
  void PlayStartSound() override { ++startSounds; }
  void OpenWithSystem(const std::string& path) override { opened.push_back(path); }
  void ExploreFolder(const std::string& folder) override { explored.push_back(folder); }
};

// An album in a temporary home: files are written as album files (cp932 when
// possible) from UTF-8 text, and the store is opened on them.
class AlbumTest : public ::testing::Test {
 protected:
  TempHome home;
  FailableFileStore files;
  RecordingPrompts prompts;
  std::unique_ptr<AppEnvironment> env;
  std::unique_ptr<AlbumStore> store;
  std::unique_ptr<PageOperations> ops;
  int renders = 0;

  std::string UserDir() const { return home.path() + "/data/tester/"; }
  std::string PhotoDir() const { return UserDir() + "photo/"; }
  std::string YearPath(const std::string& year) const { return PhotoDir() + year + ".ini"; }
  std::string SubPath(const std::string& year) const { return PhotoDir() + year + "S.ini"; }
  std::string IndexPath() const { return UserDir() + "grp-list.ini"; }
  std::string LockPath() const { return UserDir() + "daylc.ini"; }

  void WriteAlbum(const std::string& path, const std::string& text) {
    WriteFile(path, EncodeAlbumFile(text));
  }
  std::string ReadAlbum(const std::string& path) { return DecodeAlbumFile(ReadFile(path)); }

  // A real (empty) file below the home, for covers that must exist.
  std::string Picture(const std::string& relative) {
    const std::string path = home.Join("pics/" + relative);
    WriteFile(path, "x");
    return path;
  }

  // Opens the environment and a store on it (after the files are written).
  void Open(const std::vector<std::string>& managedTypes = {}) {
    auto opened = AppEnvironment::Open(home.path(), "tester", AppEnvironment::Unreadable::kFail, files);
    ASSERT_TRUE(opened.ok()) << opened.status().message();
    env = std::move(opened).value();
    env->types.SetManagedTypes(managedTypes);
    store = std::make_unique<AlbumStore>(env->folders, env->types, *env->pageIndex,
                                         *env->lockList, files, [this](const std::string& path) {
                                           ++renders;
                                           return std::optional<std::string>("jpeg:" + path);
                                         });
    ops = std::make_unique<PageOperations>(*store, prompts);
  }

  // Opens the store and shows `year`.
  void OpenYear(const std::string& year, const std::vector<std::string>& managedTypes = {}) {
    Open(managedTypes);
    ASSERT_TRUE(store->SwitchYear(year + "/01/01").ok());
    store->RebuildSummaries();
  }

  // Index of the line whose entry name is `name` in the current lines.
  size_t IndexOf(const std::string& name) const {
    const auto& lines = store->Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == name || lines[i].starts_with(name + "=")) return i;
    }
    ADD_FAILURE() << "no line " << name;
    return lines.size();
  }
};

}  // namespace lumidex::testing
