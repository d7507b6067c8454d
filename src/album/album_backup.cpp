#include "album/album_backup.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "album/album_store.h"
#include "album/backup_container.h"
#include "album/staged_files.h"
#include "foundation/album_text_check.h"
#include "foundation/file_paths.h"
#include "foundation/ini_line.h"
#include "foundation/mem_ini_file.h"
#include "foundation/message_format.h"
#include "foundation/registry_file.h"
#include "foundation/settings_store.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

constexpr std::string_view kPendingSettingsValue = "opld";

// The backup documents directly in `folder`: regular files (or links to
// them) with a backup document name, sorted by bytes so that a backup does
// not depend on the order of the folder listing.
std::vector<std::string> DocumentNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsBackupDocumentName(entry->d_name)) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode)) {
      names.emplace_back(entry->d_name);
    }
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

// Reads the documents of `folder` into records. A document that vanished
// since the listing is left out; one that cannot be read fails the export.
Status ReadDocuments(FileStore& store, const std::string& folder, std::vector<BackupRecord>& records,
                     LongOperation& progress, int& done) {
  for (const auto& name : DocumentNames(folder)) {
    Result<std::string> bytes = ReadAlbumFile(store, folder + name, AlbumTextKind::kIniDocument);
    if (bytes.status().isNotFound()) continue;
    if (!bytes.ok()) return bytes.status();
    records.push_back({name, std::move(bytes).value()});
    if (progress.Step(++done, folder + name)) return Status::Aborted();
  }
  return Status::Ok();
}

// The bytes of an album file, "" when it does not exist.
Result<std::string> OptionalDocument(FileStore& store, const std::string& path) {
  Result<std::string> bytes = ReadAlbumFile(store, path, AlbumTextKind::kIniDocument);
  if (bytes.status().isNotFound()) return std::string();
  return bytes;
}

// The settings text file of the settings key (and its subkeys) as stored.
Result<std::string> SettingsFileBytes(const SettingsStore& settings) {
  Result<RegistryData> data = settings.Read();
  if (!data.ok()) return data.status();
  std::vector<RegistryKey> keys;
  for (const RegistryKey* key : data.value().KeyAndSubkeys(kSettingsKeyPath)) keys.push_back(*key);
  if (keys.empty()) keys.push_back(RegistryKey{std::string(kSettingsKeyPath), {}});
  keys.front().Delete(kPendingSettingsValue);
  std::vector<const RegistryKey*> pointers;
  for (const auto& key : keys) pointers.push_back(&key);
  return EncodeAlbumFile(RegistryText(pointers, kSettingsFileTag));
}

struct BuiltBackup {
  std::string album, freeLayout, favourites, settings;
};

Result<BuiltBackup> BuildBackup(AlbumStore& album, const SettingsStore& settings,
                                LongOperation& progress) {
  const DataFolders& folders = album.folders();
  FileStore& store = album.fileStore();
  BackupContainer albumRecords, freeRecords, favouriteRecords;
  for (const std::string& path : {folders.PageIndexPath(), folders.LockListPath()}) {
    Result<std::string> bytes = OptionalDocument(store, path);
    if (!bytes.ok()) return bytes.status();
    albumRecords.unnamed.push_back(std::move(bytes).value());
  }
  int done = 0;
  for (const auto& [folder, records] :
       {std::pair{folders.photoDir, &albumRecords.named}, std::pair{folders.albumDir, &freeRecords.named},
        std::pair{folders.myPhotoDir, &favouriteRecords.named}}) {
    if (Status s = ReadDocuments(store, folder, *records, progress, done); !s.ok()) return s;
  }
  Result<std::string> settingsBytes = SettingsFileBytes(settings);
  if (!settingsBytes.ok()) return settingsBytes.status();

  Result<std::string> albumBytes = WriteBackupContainer(albumRecords, BackupKind::kAlbum);
  if (!albumBytes.ok()) return albumBytes.status();
  Result<std::string> freeBytes = WriteBackupContainer(freeRecords, BackupKind::kFreeLayout);
  if (!freeBytes.ok()) return freeBytes.status();
  Result<std::string> favouriteBytes = WriteBackupContainer(favouriteRecords, BackupKind::kFavourites);
  if (!favouriteBytes.ok()) return favouriteBytes.status();
  return BuiltBackup{std::move(albumBytes).value(), std::move(freeBytes).value(),
                     std::move(favouriteBytes).value(), std::move(settingsBytes).value()};
}

// Reads the container `path` of `kind` when it exists; `present` says whether
// it did.
Result<BackupContainer> ReadOptionalContainer(FileStore& store, const std::string& path,
                                              BackupKind kind, bool& present) {
  Result<std::string> bytes = store.ReadAll(path);
  present = !bytes.status().isNotFound();
  if (!present) return BackupContainer{};
  if (!bytes.ok()) return bytes.status();
  return ReadBackupContainer(bytes.value(), kind, path);
}

// Checks that `bytes`, to be written to `target`, is an album document.
Status CheckContent(const std::string& backupFile, const std::string& name, std::string_view bytes) {
  if (CheckAlbumText(name, bytes, AlbumTextKind::kIniDocument).ok()) return Status::Ok();
  return Status::Error(FormatMessage("ファイル %s は壊れているため読み込めません（%s はアルバムの文書ではありません）",
                                     {backupFile, name}));
}

// Year documents are "<yyyy>.ini"; every other name of `photoDir` is a
// sub-album document (or another document of the year).
bool IsYearDocumentName(std::string_view name) {
  return name.size() == 8 && EqualsNoCase(name.substr(4), ".ini");
}

Status AddWrites(const std::string& backupFile, const std::string& folder,
                 std::vector<BackupRecord>& records, std::vector<BackupImport::Write>& writes) {
  for (auto& record : records) {
    if (Status s = CheckContent(backupFile, record.name, record.content); !s.ok()) return s;
    writes.push_back({folder + record.name, std::move(record.content)});
  }
  return Status::Ok();
}

// The settings file `path` when it is one this program would import; "" when
// there is none.
Result<std::string> CheckedSettingsFile(FileStore& store, const std::string& path) {
  Result<std::string> bytes = store.ReadAll(path);
  if (bytes.status().isNotFound()) return std::string();
  if (!bytes.ok()) return bytes.status();
  RegistryData scratch;
  RegistryImportOptions options;
  options.expectedTag = std::string(kSettingsFileTag);
  options.onlyKey = std::string(kSettingsKeyPath);
  const RegistryImportResult result =
      ImportRegistryText(scratch, DecodeRegistryFileBytes(bytes.value()), path, options);
  if (!result.accepted) {
    return Status::Error(result.messages.empty() ? CannotOpenMessage(path) : result.messages.front());
  }
  return path;
}

// Loads `doc` again from its file, when the file exists and reads.
void Reload(FileStore& store, TMemIniFile& doc) {
  Result<std::string> bytes = ReadAlbumFile(store, doc.FileName(), AlbumTextKind::kIniDocument);
  if (bytes.ok()) doc.ReplaceAll(SplitLines(DecodeAlbumFile(bytes.value())));
}

}  // namespace

BackupFiles BackupFiles::For(std::string_view albumFile) {
  std::string base(albumFile);
  if (base.size() >= 4 && EqualsNoCase(std::string_view(base).substr(base.size() - 4), ".alb")) {
    base.resize(base.size() - 4);
  }
  return {base + ".alb", base + ".fre", base + ".fav", base + ".opl"};
}

Status ExportAlbum(AlbumStore& album, const SettingsStore& settings, const std::string& albumFile,
                   LongOperation& progress) {
  if (Status s = album.SaveCurrent(false); !s.ok()) return s;
  progress.Begin(static_cast<int>(DocumentNames(album.folders().photoDir).size() +
                                  DocumentNames(album.folders().albumDir).size() +
                                  DocumentNames(album.folders().myPhotoDir).size()));
  Result<BuiltBackup> built = BuildBackup(album, settings, progress);
  progress.End();
  if (!built.ok()) return built.status();
  const BackupFiles files = BackupFiles::For(albumFile);
  // An import reads no file past kMaxReadBytes: a larger backup could never
  // be read back, so it is not written.
  for (const auto& [path, bytes] : {std::pair{&files.album, &built.value().album},
                                    std::pair{&files.freeLayout, &built.value().freeLayout},
                                    std::pair{&files.favourites, &built.value().favourites}}) {
    if (bytes->size() > kMaxReadBytes) {
      return Status::Error(FormatMessage("アルバムデータ %s は 256MB を越えるため書き出せません", {*path}));
    }
  }
  StagedFiles staged;
  for (const auto& [path, bytes, mode] :
       {std::tuple{files.album, &built.value().album, 0644u},
        std::tuple{files.freeLayout, &built.value().freeLayout, 0644u},
        std::tuple{files.settings, &built.value().settings, 0600u},
        std::tuple{files.favourites, &built.value().favourites, 0644u}}) {
    if (Status s = staged.Stage(path, *bytes, mode); !s.ok()) return s;
  }
  return staged.Commit();
}

std::vector<std::string> BackupImport::Replaced() const {
  std::vector<std::string> targets;
  for (const auto& write : writes) {
    if (FileExists(write.target)) targets.push_back(write.target);
  }
  return targets;
}

std::vector<std::string> BackupImport::Added() const {
  std::vector<std::string> targets;
  for (const auto& write : writes) {
    if (!FileExists(write.target)) targets.push_back(write.target);
  }
  return targets;
}

Result<BackupImport> ReadAlbumBackup(const DataFolders& folders, const std::string& albumFile,
                                     FileStore& store) {
  BackupImport backup;
  backup.files = BackupFiles::For(albumFile);
  Result<std::string> albumBytes = store.ReadAll(backup.files.album);
  if (!albumBytes.ok()) return Status::Error(albumBytes.status().message());
  Result<BackupContainer> albumRecords =
      ReadBackupContainer(albumBytes.value(), BackupKind::kAlbum, backup.files.album);
  if (!albumRecords.ok()) return albumRecords.status();
  bool present = false;
  Result<BackupContainer> freeRecords =
      ReadOptionalContainer(store, backup.files.freeLayout, BackupKind::kFreeLayout, present);
  if (!freeRecords.ok()) return freeRecords.status();
  Result<BackupContainer> favouriteRecords =
      ReadOptionalContainer(store, backup.files.favourites, BackupKind::kFavourites, present);
  if (!favouriteRecords.ok()) return favouriteRecords.status();
  Result<std::string> settingsFile = CheckedSettingsFile(store, backup.files.settings);
  if (!settingsFile.ok()) return settingsFile.status();
  backup.settingsFile = settingsFile.value();

  std::vector<BackupRecord> years, others;
  for (auto& record : albumRecords.value().named) {
    (IsYearDocumentName(record.name) ? years : others).push_back(std::move(record));
  }
  const std::string& from = backup.files.album;
  auto& writes = backup.writes;
  for (Status s : {AddWrites(backup.files.favourites, folders.myPhotoDir, favouriteRecords.value().named, writes),
                   AddWrites(backup.files.freeLayout, folders.albumDir, freeRecords.value().named, writes),
                   AddWrites(from, folders.photoDir, others, writes),
                   AddWrites(from, folders.photoDir, years, writes)}) {
    if (!s.ok()) return s;
  }
  // An empty record: the exported album had no such file; the album's own
  // stays.
  const std::vector<std::string>& unnamed = albumRecords.value().unnamed;
  for (const auto& [content, target, name] :
       {std::tuple{&unnamed[1], folders.LockListPath(), "daylc.ini"},
        std::tuple{&unnamed[0], folders.PageIndexPath(), "grp-list.ini"}}) {
    if (content->empty()) continue;
    if (Status s = CheckContent(from, name, *content); !s.ok()) return s;
    writes.push_back({target, *content});
  }
  return backup;
}

std::string ImportQuestion(const BackupImport& backup) {
  const std::vector<std::string> replaced = backup.Replaced();
  std::string text = FormatMessage("アルバムデータ %s を読み込みます。\n", {backup.files.album});
  text += FormatMessage("%d 個のファイルを置き換え、%d 個のファイルを追加します。",
                        {std::to_string(replaced.size()), std::to_string(backup.Added().size())});
  constexpr size_t kShown = 12;
  for (size_t i = 0; i < replaced.size() && i < kShown; ++i) text += "\n置き換え: " + replaced[i];
  if (replaced.size() > kShown) {
    text += FormatMessage("\n（ほか %d 個）", {std::to_string(replaced.size() - kShown)});
  }
  text += "\nよろしいですか？";
  return text;
}

Status ImportAlbum(AlbumStore& album, TMemIniFile& lockList, const BackupImport& backup,
                   LongOperation& progress) {
  if (Status s = album.Close(); !s.ok()) return s;
  StagedFiles staged;
  progress.Begin(static_cast<int>(backup.writes.size()));
  int done = 0;
  for (const auto& write : backup.writes) {
    Status s = staged.Stage(write.target, write.bytes);
    if (s.ok() && progress.Step(++done, write.target)) s = Status::Aborted();
    if (!s.ok()) {
      progress.End();
      return s;
    }
  }
  progress.End();
  const Status committed = staged.Commit();
  // Reloaded from the files, also after a failed rename: the documents in
  // memory must hold what is on disk, whichever files were replaced.
  Reload(album.fileStore(), album.pageIndex());
  Reload(album.fileStore(), lockList);
  // The index of pages per year knows the other years by their files'
  // names only, so a replaced year is taken in again from its file.
  for (const auto& write : backup.writes) {
    const std::string name = write.target.substr(write.target.rfind('/') + 1);
    if (FolderOf(write.target) + "/" != album.folders().photoDir || !IsYearDocumentName(name)) continue;
    TMemIniFile year(write.target, album.fileStore());
    Reload(album.fileStore(), year);
    album.ReindexYear(name.substr(0, 4), year);
  }
  if (album.HasYear()) {
    if (Status s = album.SwitchYear(album.loadedYear(), true); !s.ok()) {
      return committed.ok() ? s : committed;
    }
    album.RebuildSummaries();
  }
  return committed;
}

}  // namespace lumidex
