#pragma once

#include <string>

namespace lumidex::testing {

// A fresh temporary folder that serves as LUMIDEX_HOME and XDG_CONFIG_HOME
// (and XDG_RUNTIME_DIR) for the life of the object, so a test never touches
// the real home. Removes the folder and restores the variables at the end.
class TempHome {
 public:
  TempHome();
  ~TempHome();
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  // The folder, without trailing "/".
  const std::string& path() const { return path_; }
  // path() + "/" + relative.
  std::string Join(const std::string& relative) const { return path_ + "/" + relative; }

 private:
  std::string path_;
  std::string savedHome_, savedConfig_, savedRuntime_;
  bool hadHome_, hadConfig_, hadRuntime_;
};

// Writes `bytes` to `path`, creating parent folders. Aborts the test on failure.
void WriteFile(const std::string& path, const std::string& bytes);
// The whole content of `path`, or "" when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// Sets the last-write time of `path` to local noon of the given day, as a
// camera's picture of that day has it. Aborts the test on failure.
void SetNoonOf(const std::string& path, int year, int month, int day);

}  // namespace lumidex::testing
