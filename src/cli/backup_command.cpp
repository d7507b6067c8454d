// lumidex-cli export and import: the whole album of LUMIDEX_HOME as backup
// files, and back.
#include <ostream>

#include "album/album_backup.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "foundation/file_paths.h"
#include "foundation/pending_settings_import.h"
#include "foundation/settings_store.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunExport(const std::vector<std::string>& args, CliIo& io);
int RunImport(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kExportUsage =
    "  lumidex-cli export FILE.alb           write the album's backup: FILE.alb (page index, lock\n"
    "                                        list, year and sub-album documents), FILE.fre (free\n"
    "                                        layouts), FILE.fav (favourites), FILE.opl (settings);\n"
    "                                        prints each file written\n";
constexpr const char* kImportUsage =
    "  lumidex-cli import FILE.alb --yes [--no-settings]\n"
    "                                        replace the album's documents by those of the backup\n"
    "                                        (documents it lacks stay) and import its settings;\n"
    "                                        a damaged backup is refused whole; without --yes only\n"
    "                                        says what would be replaced\n";

const CliRegistration kExport({"export", kExportUsage, "write a backup of the whole album", RunExport});
const CliRegistration kImport({"import", kImportUsage, "replace the album by a backup", RunImport});

constexpr std::string_view kImportCaption = "インポート";

int RunExport(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() != 1 || args[0].empty() || args[0].starts_with("--")) {
    return UsageError(io, kExportUsage, "export takes one FILE.alb");
  }
  // The writer lock: no other command changes the album while it is read,
  // and the window, whose unsaved changes the files would miss, is not
  // running.
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, "");
  if (!album) return kExitFailed;
  SettingsStore settings(SettingsFilePath(platform::SettingsFolder()));
  SilentOperation silent;
  if (Status s = ExportAlbum(*album->store, settings, args[0], silent); !s.ok()) {
    return Fail(io, s.message());
  }
  const BackupFiles files = BackupFiles::For(args[0]);
  for (const auto& file : {files.album, files.freeLayout, files.settings, files.favourites}) {
    io.out << file << "\n";
  }
  return kExitOk;
}

int RunImport(const std::vector<std::string>& args, CliIo& io) {
  std::string file;
  bool yes = false;
  bool withSettings = true;
  for (const auto& arg : args) {
    if (arg == "--yes") {
      yes = true;
    } else if (arg == "--no-settings") {
      withSettings = false;
    } else if (arg.starts_with("--") || !file.empty() || arg.empty()) {
      return UsageError(io, kImportUsage, "unexpected argument '" + arg + "'");
    } else {
      file = arg;
    }
  }
  if (file.empty()) return UsageError(io, kImportUsage, "import takes one FILE.alb");
  if (!FileExists(BackupFiles::For(file).album)) return Fail(io, MissingFileMessage(file));
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, "");
  if (!album) return kExitFailed;
  Result<BackupImport> backup = ReadAlbumBackup(album->env->folders, file);
  if (!backup.ok()) return Fail(io, backup.status().message());
  if (!yes) {
    io.err << kImportCaption << ": " << ImportQuestion(backup.value()) << "\n"
           << "lumidex-cli: not confirmed (add --yes)\n";
    return kExitFailed;
  }
  const size_t replaced = backup.value().Replaced().size();
  SilentOperation silent;
  if (Status s = ImportAlbum(*album->store, *album->env->lockList, backup.value(), silent); !s.ok()) {
    return Fail(io, s.message());
  }
  io.out << "wrote " << backup.value().writes.size() << " files (" << replaced << " replaced)\n";
  if (!withSettings || backup.value().settingsFile.empty()) return kExitOk;
  // No window runs while the lock is held, so the settings are taken at
  // once instead of at the window's next start.
  SettingsStore settings(SettingsFilePath(platform::SettingsFolder()));
  const SettingsImportResult imported = ImportSettingsFile(settings, backup.value().settingsFile);
  for (const auto& message : imported.messages) io.err << "lumidex-cli: " << message << "\n";
  if (!imported.accepted) return kExitFailed;
  io.out << "settings imported from " << backup.value().settingsFile << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
