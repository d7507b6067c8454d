// lumidex-cli wallpaper: makes a picture the desktop wallpaper in one of the
// five styles, removes it, or lists the earlier wallpapers kept in the
// wallpaper folder. The desktop is the one XDG_CURRENT_DESKTOP names.
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "desktop/desktop_wallpaper.h"
#include "desktop/process_runner.h"
#include "desktop/wallpaper_folder.h"
#include "foundation/data_folders.h"
#include "images/shell_images.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunWallpaper(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kWallpaperUsage =
    "  lumidex-cli wallpaper FILE [--style N] [--dry-run]\n"
    "                                        make FILE the desktop wallpaper; N: 0 中央に表示,\n"
    "                                        1 並べて表示, 2 拡大して表示, 3 縦幅に合わせる,\n"
    "                                        4 横幅に合わせる (default 0); the desktop comes\n"
    "                                        from XDG_CURRENT_DESKTOP; --dry-run prints the\n"
    "                                        commands, one per line, and changes nothing\n"
    "  lumidex-cli wallpaper --remove [--dry-run]\n"
    "                                        remove the desktop wallpaper\n"
    "  lumidex-cli wallpaper --list          print the earlier wallpapers, one path a line\n";

const CliRegistration kWallpaper({"wallpaper", kWallpaperUsage,
                                  "set or remove the desktop wallpaper", RunWallpaper});

// Prints each command instead of running it.
class PrintingRunner : public CommandRunner {
 public:
  explicit PrintingRunner(std::ostream& out) : out_(out) {}
  Result<std::string> Run(const std::vector<std::string>& argv) override {
    out_ << CommandLineText(argv) << "\n";
    return std::string();
  }

 private:
  std::ostream& out_;
};

struct WallpaperArgs {
  std::string file;
  int style = 0;
  bool remove = false;
  bool list = false;
  bool dryRun = false;
};

// The arguments, or an empty message with `error` set.
bool ParseArgs(const std::vector<std::string>& args, WallpaperArgs& parsed, std::string& error) {
  bool haveFile = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--dry-run") {
      parsed.dryRun = true;
    } else if (arg == "--remove") {
      parsed.remove = true;
    } else if (arg == "--list") {
      parsed.list = true;
    } else if (arg == "--style" && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (value.size() != 1 || !IsWallpaperStyle(value[0] - '0')) {
        error = "--style takes 0, 1, 2, 3 or 4";
        return false;
      }
      parsed.style = value[0] - '0';
    } else if (arg.starts_with("--") || haveFile) {
      error = "unknown argument " + arg;
      return false;
    } else {
      parsed.file = arg;
      haveFile = true;
    }
  }
  const int modes = int{haveFile} + int{parsed.remove} + int{parsed.list};
  if (modes != 1 || (parsed.list && parsed.dryRun)) {
    error = "wallpaper needs one of FILE, --remove, --list";
    return false;
  }
  return true;
}

int RunWallpaper(const std::vector<std::string>& args, CliIo& io) {
  WallpaperArgs parsed;
  std::string error;
  if (!ParseArgs(args, parsed, error)) return UsageError(io, kWallpaperUsage, error);
  const DataFolders folders =
      DataFolders::ForBase(platform::ApplicationBaseFolder(), platform::LoginName());
  const std::string folder = WallpaperFolder(folders);
  if (parsed.list) {
    for (const std::string& name : ListWallpaperFiles(folder)) io.out << folder << name << "\n";
    return kExitOk;
  }
  const char* xdg = std::getenv("XDG_CURRENT_DESKTOP");
  PrintingRunner printer(io.out);
  ProcessRunner process;
  CommandRunner& runner = parsed.dryRun ? static_cast<CommandRunner&>(printer) : process;
  DesktopWallpaper wallpaper(xdg ? xdg : "", folder, runner, NoShellImages());
  if (parsed.remove) {
    const Status removed = wallpaper.Remove();
    return removed.ok() ? kExitOk : Fail(io, removed.message());
  }
  std::error_code absoluteError;
  const std::string picture =
      std::filesystem::absolute(parsed.file, absoluteError).lexically_normal().string();
  if (const Status checked = wallpaper.CheckPicture(picture, parsed.style); !checked.ok()) {
    return Fail(io, checked.message());
  }
  if (parsed.dryRun) {
    const Status applied = wallpaper.Apply(WallpaperCopyPath(folder, picture), parsed.style);
    return applied.ok() ? kExitOk : Fail(io, applied.message());
  }
  // The copy goes into the album's folders.
  const auto lock = TakeWriterLock(io);
  if (lock == nullptr) return kExitFailed;
  const Result<std::string> set = wallpaper.Set(picture, parsed.style);
  if (!set.ok()) return Fail(io, set.status().message());
  io.out << set.value() << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
