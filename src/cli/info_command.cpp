// lumidex-cli info: the data folders of the album, created as the program
// creates them at start.
#include <ostream>

#include "cli/cli_command.h"
#include "foundation/data_folders.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunInfo(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kInfoUsage = "  lumidex-cli info\n";
const CliRegistration kInfo({"info", kInfoUsage,
                             "print the data folders, one 'name: path' line each", RunInfo});

int RunInfo(const std::vector<std::string>& args, CliIo& io) {
  if (!args.empty()) return UsageError(io, kInfoUsage, "info takes no arguments");
  const DataFolders folders =
      DataFolders::ForBase(platform::ApplicationBaseFolder(), platform::LoginName());
  folders.CreateAll();
  io.out << "programDir: " << folders.programDir << "\n"
         << "dataDir: " << folders.dataDir << "\n"
         << "cacheDir: " << folders.cacheDir << "\n"
         << "userDir: " << folders.userDir << "\n"
         << "photoDir: " << folders.photoDir << "\n"
         << "holidayDir: " << folders.holidayDir << "\n"
         << "myPhotoDir: " << folders.myPhotoDir << "\n"
         << "albumDir: " << folders.albumDir << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
