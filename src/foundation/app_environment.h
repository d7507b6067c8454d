#pragma once

#include <memory>
#include <string>
#include <vector>

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
  // What to do with a document that exists but cannot be read.
  enum class Unreadable {
    kFail,       // Open fails with the document's message (the command line)
    kStandEmpty  // an empty document that refuses to be saved takes its place,
                 // and the message goes to `problems` (the window runs on)
  };

  DataFolders folders;
  FileTypeLists types;
  std::unique_ptr<TMemIniFile> pageIndex;
  std::unique_ptr<TMemIniFile> lockList;
  // Messages of documents that stand empty (kStandEmpty only).
  std::vector<std::string> problems;

  // Creates the folders below `baseFolder` for `loginName` and opens the two
  // documents. A document that exists but cannot be read (see
  // TMemIniFile::Open) fails the open or stands empty, as `unreadable` says;
  // its file is never written.
  static Result<std::unique_ptr<AppEnvironment>> Open(const std::string& baseFolder,
                                                     const std::string& loginName,
                                                     Unreadable unreadable = Unreadable::kFail,
                                                     FileStore& store = RealFileStore());
};

}  // namespace lumidex
