#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumidex {

// What the page and sub-album operations ask of the user and hand to the
// desktop. The window implements it with message boxes, the name dialog, the
// start sound and the system's file handlers; the command-line tool and the
// tests implement it without a screen. Called on the main thread only.
class AlbumPrompts {
 public:
  virtual ~AlbumPrompts() = default;

  // A Yes/No question; true for Yes.
  virtual bool Confirm(const std::string& message, const std::string& caption) = 0;
  // A message the user only acknowledges (a refusal or a notice).
  virtual void Inform(const std::string& message) = 0;

  // The name dialog: `caption`, `label`, the text `proposed` preset and
  // `choices` in its drop-down. The typed text, or nullopt on Cancel. OK is
  // only offered for a non-empty text.
  struct NameRequest {
    std::string caption;
    std::string label;
    std::string proposed;
    std::vector<std::string> choices;
  };
  virtual std::optional<std::string> AskName(const NameRequest& request) = 0;

  // Plays the start sound (asynchronously; a missing sound plays nothing).
  virtual void PlayStartSound() = 0;
  // Opens `path` with the program the system associates with it.
  virtual void OpenWithSystem(const std::string& path) = 0;
  // Shows the folder `folder` in the system's file browser.
  virtual void ExploreFolder(const std::string& folder) = 0;
};

}  // namespace lumidex
