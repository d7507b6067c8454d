#pragma once

#include <memory>
#include <string>

#include "foundation/data_folders.h"
#include "foundation/file_types.h"
#include "foundation/mem_ini_file.h"
#include "foundation/status.h"

namespace lumidex {

// What the program sets up before anything else at start: the data folders
// (created when missing), the file-type lists, and the two per-user documents
// that stay open for the whole run, the page index "grp-list.ini" and the
// lock list "daylc.ini". Owned by the window (or the command-line tool) for
// the run. Not copyable.
struct AppEnvironment {
  DataFolders folders;
  FileTypeLists types;
  std::unique_ptr<TMemIniFile> pageIndex;
  std::unique_ptr<TMemIniFile> lockList;

  // Creates the folders below `baseFolder` for `loginName` and opens the two
  // documents. Fails with "ファイル %s は開けません" when one of them exists
  // but cannot be read.
  static Result<std::unique_ptr<AppEnvironment>> Open(const std::string& baseFolder,
                                                     const std::string& loginName,
                                                     FileStore& store = RealFileStore());
};

}  // namespace lumidex
