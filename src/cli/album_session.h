#pragma once

#include <memory>
#include <string_view>

#include "album/album_store.h"
#include "cli/cli_command.h"
#include "foundation/app_environment.h"
#include "platform/album_writer_lock.h"

namespace lumidex::cli {

// How a command uses the album. Writers hold the album writer lock for the
// whole command; readers take none (every save is an atomic rename, so they
// always see whole files).
enum class AlbumAccess { kRead, kWrite };

// The album of this user, opened for one command. The members go in reverse
// order, so the lock is released after everything else.
struct AlbumSession {
  std::unique_ptr<platform::AlbumWriterLock> lock;  // writers only
  std::unique_ptr<AppEnvironment> env;
  std::unique_ptr<AlbumStore> store;
};

// Takes the album writer lock for a command that changes the album: refused
// at once while the window runs, waits for another command (saying so on
// stderr after two seconds, giving up after $LUMIDEX_LOCK_TIMEOUT seconds,
// ten minutes by default). Then removes the temporary files that killed
// saves left in the album folders. Prints the reason and returns nullptr when
// the lock cannot be had.
std::unique_ptr<platform::AlbumWriterLock> TakeWriterLock(CliIo& io);

// Opens the album; a writer takes the lock first (TakeWriterLock) and, once
// the documents are open, gives page-index keys back to pages whose content
// lost them, saying so on stderr. With a `date` ("yyyy..."), the store shows
// its year and its summaries are built. Prints the error and returns nullptr
// on failure.
std::unique_ptr<AlbumSession> OpenAlbumSession(CliIo& io, AlbumAccess access,
                                               std::string_view date);

// Writes "lumidex-cli: <message>" to stderr; returns kExitFailed.
int Fail(CliIo& io, std::string_view message);

}  // namespace lumidex::cli
