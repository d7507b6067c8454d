#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"

namespace lumidex {

class AlbumStore;
class SettingsStore;
class TMemIniFile;

// Export and import of a user's whole album as backup files (the container
// layout is in backup_container.h). A backup is four files of one base name:
//
//   base.alb  the page index, the lock list, the year and sub-album
//             documents of `photoDir`
//   base.fre  the free layout documents of `albumDir`
//   base.fav  the favourites documents of `myPhotoDir`
//   base.opl  the settings key as a settings text file, tag "Lumidex"
//
// The documents travel as the bytes their files hold. An import adds and
// overwrites documents, it never deletes one the backup lacks.

// The four files of the backup whose ".alb" file is `albumFile`: its base
// is the path without the ".alb" extension (any letter case); a path
// without it is taken as the base itself.
struct BackupFiles {
  std::string album, freeLayout, favourites, settings;

  static BackupFiles For(std::string_view albumFile);
};

// Writes the backup of the album of `album` to the files of `albumFile`.
// Pending changes of the album are saved first. Every document is read and
// every backup file built before anything is written; then the four files
// are written to temporary files and renamed into place together, so a
// failure leaves old backup files as they were. The settings key of
// `settings` is written without "opld" (a file of this machine); with no
// settings stored yet the ".opl" file holds the empty key. Errors: a failed
// save of pending changes; a document that exists but cannot be read as an
// album document (named, never left out silently); an unreadable settings
// store; a document, or a backup file, over 256 MB (an import could not
// read it back); "ファイル %s を作成できません" when a backup
// file cannot be written. Aborted when `progress` is stopped while the
// documents are read (nothing is written then).
Status ExportAlbum(AlbumStore& album, const SettingsStore& settings, const std::string& albumFile,
                   LongOperation& progress);

// A backup read and checked whole: everything an import would write.
struct BackupImport {
  struct Write {
    std::string target;  // the album file it replaces or creates
    std::string bytes;
  };

  BackupFiles files;
  // In the order they are written: favourites, free layout documents,
  // sub-album documents, year documents, the lock list, the page index. A
  // crash part way then leaves year documents that the page index may lack,
  // which the start's page index repair gives back, and never a year
  // document whose sub-albums are missing.
  std::vector<Write> writes;
  // The ".opl" file, when there is one and it is a settings text file this
  // program accepts; "" otherwise.
  std::string settingsFile;

  // The targets of `writes` that exist now, and those that do not.
  std::vector<std::string> Replaced() const;
  std::vector<std::string> Added() const;
};

// Reads the backup of `albumFile` for the album of `folders` and checks all
// of it before anything is written. Refused, with a message naming the
// file: an ".alb" file that is missing or cannot be read; any of the
// container files that is not of its kind, is truncated, has a record past
// its end or longer than an album document can be, a record name that is
// not a bare document name ("2024.ini", "2024S.ini"; never a folder part),
// or a name twice; a record whose content is not an album document (binary,
// UTF-16, no sections); an ".opl" file that is not a settings text file
// with the tag "Lumidex". Missing ".fre", ".fav" and ".opl" files are
// skipped; an empty page index or lock list record stands for a file the
// exported album did not have, and leaves the album's own file as it is.
Result<BackupImport> ReadAlbumBackup(const DataFolders& folders, const std::string& albumFile,
                                     FileStore& store = RealFileStore());

// The question before an import: the backup, how many files it replaces
// and adds, and the names of the replaced ones.
std::string ImportQuestion(const BackupImport& backup);

// Imports `backup` into the album of `album`: leaves the open page or
// sub-album, saving it (on a failure nothing is imported and the error is
// returned); writes every file of the backup to a temporary file (Aborted,
// with nothing replaced, when `progress` is stopped; the write's error,
// with nothing replaced, when one fails); renames them over the album's
// files in the order of `writes`; then reloads the page index and
// `lockList` documents from their files, takes the pages of every imported
// year document into the store's index of years and, when the store shows
// a year, opens that year again with its changes flags cleared. The settings file
// is not applied here (see `settingsFile`).
Status ImportAlbum(AlbumStore& album, TMemIniFile& lockList, const BackupImport& backup,
                   LongOperation& progress);

}  // namespace lumidex
