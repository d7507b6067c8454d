#pragma once

#include <string_view>

namespace lumidex {

// The application title: window title, name of the single-instance lock,
// prefix of start-up messages and last component of the settings key.
inline constexpr std::string_view kAppTitle = "ルミデクスアルバム";

// Shown (after the title) when a second copy is started.
inline constexpr std::string_view kAlreadyRunningSuffix = "は実行中です。";

// Shown (after the title) when the data folder cannot be written.
inline constexpr std::string_view kNotAdministratorSuffix =
    "は管理者として実行して下さい。\nこのまま実行した場合、環境設定やファイル等の操作を正しく行うことはできません。";

// Version-dependent drawing asks for the platform level. This system always
// runs on the newest level; the two flags are what callers consult.
struct PlatformLevel {
  int level = 6;
  bool aboveOne = true;                  // level > 1
  bool hasFullProcessImageName = true;   // the newer process-name interface
};

}  // namespace lumidex
