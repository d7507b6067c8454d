#include "cli/album_session.h"

#include <chrono>
#include <cstdlib>
#include <ostream>

#include "cli/managed_types_setting.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

constexpr std::string_view kWindowRunningMessage =
    "ルミデクスアルバムの実行中はアルバムを変更できません。ウィンドウを閉じてからもう一度実行してく"
    "ださい。";
constexpr std::string_view kWaitingMessage =
    "別の lumidex-cli がアルバムを変更中です。終わるのを待っています…";
constexpr std::string_view kTimedOutMessage =
    "別の lumidex-cli がアルバムを変更し続けているため、待つのをやめました。";

std::chrono::seconds LockTimeout() {
  const char* text = std::getenv("LUMIDEX_LOCK_TIMEOUT");
  if (text == nullptr || *text == '\0') return std::chrono::minutes(10);
  char* end = nullptr;
  const long seconds = std::strtol(text, &end, 10);
  return std::chrono::seconds(*end == '\0' && seconds >= 0 ? seconds : 600);
}

void RestoreMissingPages(CliIo& io, AlbumStore& store) {
  Result<std::vector<std::string>> restored = store.RestoreMissingPages();
  if (!restored.ok()) {
    io.err << "lumidex-cli: " << restored.status().message() << "\n";
  } else if (!restored.value().empty()) {
    io.err << "lumidex-cli: " << RestoredPagesMessage(restored.value()) << "\n";
  }
}

}  // namespace

int Fail(CliIo& io, std::string_view message) {
  io.err << "lumidex-cli: " << message << "\n";
  return kExitFailed;
}

std::unique_ptr<platform::AlbumWriterLock> TakeWriterLock(CliIo& io) {
  const std::string base = platform::ApplicationBaseFolder();
  MakeFolders(base);
  platform::AlbumWriterLock::Wait wait;
  wait.timeout = LockTimeout();
  wait.onNotice = [&io] { io.err << "lumidex-cli: " << kWaitingMessage << "\n"; };
  auto attempt =
      platform::AlbumWriterLock::Acquire(base, platform::AlbumWriterLock::Role::kWriter, wait);
  switch (attempt.outcome) {
    case platform::AlbumWriterLock::Outcome::kAcquired:
      break;
    case platform::AlbumWriterLock::Outcome::kWindowRunning:
      Fail(io, kWindowRunningMessage);
      return nullptr;
    case platform::AlbumWriterLock::Outcome::kTimedOut:
      Fail(io, kTimedOutMessage);
      return nullptr;
    case platform::AlbumWriterLock::Outcome::kUnavailable:
      Fail(io, "ファイル " + platform::AlbumWriterLock::LockFileFor(base) + " を作成できません");
      return nullptr;
  }
  attempt.lock->RemoveLeftoversOfKilledSaves(DataFolders::ForBase(base, platform::LoginName()),
                                             platform::SettingsFolder());
  return std::move(attempt.lock);
}

std::unique_ptr<AlbumSession> OpenAlbumSession(CliIo& io, AlbumAccess access,
                                               std::string_view date) {
  auto session = std::make_unique<AlbumSession>();
  if (access == AlbumAccess::kWrite) {
    session->lock = TakeWriterLock(io);
    if (session->lock == nullptr) return nullptr;
  }
  auto env = AppEnvironment::Open(platform::ApplicationBaseFolder(), platform::LoginName());
  if (!env.ok()) {
    Fail(io, env.status().message());
    return nullptr;
  }
  session->env = std::move(env).value();
  session->env->types.SetManagedTypes(ManagedTypesSetting());
  session->store = std::make_unique<AlbumStore>(session->env->folders, session->env->types,
                                                *session->env->pageIndex, *session->env->lockList);
  if (access == AlbumAccess::kWrite) RestoreMissingPages(io, *session->store);
  if (!date.empty()) {
    if (Status s = session->store->SwitchYear(date); !s.ok()) {
      Fail(io, s.message());
      return nullptr;
    }
  }
  session->store->RebuildSummaries();
  return session;
}

}  // namespace lumidex::cli
