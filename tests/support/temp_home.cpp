#include "support/temp_home.h"

#include <gtest/gtest.h>
#include <sys/time.h>
#include <unistd.h>

#include <ctime>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumidex::testing {
namespace {

bool Save(const char* name, std::string& saved) {
  const char* value = std::getenv(name);
  if (value == nullptr) return false;
  saved = value;
  return true;
}

void Restore(const char* name, bool had, const std::string& saved) {
  if (had) {
    ::setenv(name, saved.c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

}  // namespace

TempHome::TempHome() {
  hadHome_ = Save("LUMIDEX_HOME", savedHome_);
  hadConfig_ = Save("XDG_CONFIG_HOME", savedConfig_);
  hadRuntime_ = Save("XDG_RUNTIME_DIR", savedRuntime_);
  std::string pattern = (std::filesystem::temp_directory_path() / "lumidex-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
  ::setenv("LUMIDEX_HOME", path_.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (path_ + "/config").c_str(), 1);
  ::setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
}

TempHome::~TempHome() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  Restore("LUMIDEX_HOME", hadHome_, savedHome_);
  Restore("XDG_CONFIG_HOME", hadConfig_, savedConfig_);
  Restore("XDG_RUNTIME_DIR", hadRuntime_, savedRuntime_);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

void SetNoonOf(const std::string& path, int year, int month, int day) {
  struct tm local {};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const time_t when = mktime(&local);
  const struct timeval times[2] = {{when, 0}, {when, 0}};
  ASSERT_EQ(::utimes(path.c_str(), times), 0) << path;
}

}  // namespace lumidex::testing
