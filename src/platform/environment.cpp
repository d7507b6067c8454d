#include "platform/environment.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "foundation/file_paths.h"

namespace lumidex::platform {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string HomeFolder() {
  std::string home = Env("HOME");
  if (!home.empty()) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return "/tmp";
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string XdgFolder(const char* variable, const char* fallbackBelowHome) {
  std::string base = Env(variable);
  if (base.empty() || base[0] != '/') base = HomeFolder() + fallbackBelowHome;
  return WithoutTrailingSlash(base) + "/lumidex-album";
}

}  // namespace

std::string ApplicationBaseFolder() {
  const std::string home = Env("LUMIDEX_HOME");
  if (!home.empty()) return WithoutTrailingSlash(home);
  return XdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string SettingsFolder() {
  const std::string home = Env("LUMIDEX_HOME");
  if (!home.empty()) return WithoutTrailingSlash(home);
  return XdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string RuntimeFolder() {
  const std::string runtime = Env("XDG_RUNTIME_DIR");
  if (!runtime.empty() && IsFolder(runtime)) return WithoutTrailingSlash(runtime);
  return ApplicationBaseFolder();
}

std::string ShareFolder() {
  const std::string share = Env("LUMIDEX_SHARE");
  if (!share.empty()) return WithoutTrailingSlash(share);
  // An installed program finds its files relative to itself, so a package
  // installed under another prefix (or a tree copied elsewhere) works; the
  // build tree's programs lie in build/src/<dir>/, where no such folder is.
  if (const std::string program = RunningProgram(); !program.empty()) {
    const std::string beside = FolderOf(FolderOf(program)) + "/share/lumidex-album";
    if (IsFolder(beside)) return beside;
  }
  if (IsFolder(LUMIDEX_BUILD_SHARE_DIR)) return LUMIDEX_BUILD_SHARE_DIR;
  return LUMIDEX_INSTALL_SHARE_DIR;
}

std::string RunningProgram() {
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<size_t>(length) >= path.size()) return "";
  path.resize(static_cast<size_t>(length));
  // A rebuild or an upgrade replaces the file under a running program.
  constexpr std::string_view kDeleted = " (deleted)";
  if (path.ends_with(kDeleted) && ::access(path.c_str(), F_OK) != 0) path.resize(path.size() - kDeleted.size());
  return path;
}

std::string LoginName() {
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_name != nullptr &&
                                                  pw->pw_name[0] != '\0') {
    return pw->pw_name;
  }
  const std::string user = Env("USER");
  return user.empty() ? "user" : user;
}

}  // namespace lumidex::platform
