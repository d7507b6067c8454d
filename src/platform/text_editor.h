#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex::platform {

// A program to start and its arguments.
struct ProgramCall {
  std::string program;
  std::vector<std::string> arguments;
  bool operator==(const ProgramCall&) const = default;
};

// Finds a program by name: its runnable path, or "" when there is none.
using ProgramFinder = std::function<std::string(std::string_view name)>;

// The call that opens the text file `file` in the user's text editor:
// the desktop's opener "xdg-open" when it is found (it hands a text file to
// the desktop's default text editor); else the editor command of $VISUAL,
// then of $EDITOR (`visual`, `editor`: a program name and its options,
// separated by blanks), when its program is found, with `file` after its
// options. Nothing when none of them can be run.
std::optional<ProgramCall> TextEditorCall(const std::string& file, std::string_view visual,
                                          std::string_view editor, const ProgramFinder& find);

}  // namespace lumidex::platform
