#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumidex {

// What the image list holds when an editing command ("ツールを開く",
// "ペイント", the preview's "編集ツールを開く(&E)") runs.
struct EditTargetFacts {
  bool pageList = false;  // the list shows the page list
  // The name of the first selected line: a file path, a "@" sub-album
  // entry, or a page "mm/dd" of the page list; "" without a selection.
  std::string selected;
  // In the page list: the cover path of the selected page ("" for none).
  std::string pageCover;
};

// The picture the editing commands open: in the page list the selected
// page's cover, else the selected entry's path (a sub-album entry gives
// none). "" when nothing is selected or when `isFile` says the file does
// not exist, in which case nothing is started.
std::string PictureToEdit(const EditTargetFacts& facts,
                          const std::function<bool(const std::string&)>& isFile);

enum class EditorChoice {
  kTool,   // "ツールを開く": the "g-tool" setting
  kPaint,  // "ペイント": the desktop's paint program
};

// The program of `choice` on the folders of `path` ($PATH): the "g-tool"
// program `gTool` when it can be run, else (and always for kPaint) the
// first desktop paint program installed. "" when there is none.
std::string EditorProgram(EditorChoice choice, std::string_view gTool, std::string_view path);

// An editor process that ends this soon after its start has handed the
// file to an instance of the editor that was already running (or failed at
// once); the editing is then not over when the process ends.
inline constexpr int64_t kEditorHandOffMs = 3000;

// What the window does when the editor's process has ended after `runMs`
// milliseconds: it is enabled again in both cases and the thumbnails are
// renewed; after a hand-off the file is also watched, and renewed again on
// every later change of it.
enum class EditorEnd { kRenew, kRenewAndWatch };
EditorEnd OnEditorEnded(int64_t runMs);

// The last seen state of an edited file, which decides whether a change
// reported for it is a real one (a watcher reports touches, and several
// reports for one save).
struct FileStamp {
  int64_t modified = -1;  // modification time, in any fixed unit; -1: missing
  int64_t size = -1;
  bool operator==(const FileStamp&) const = default;
};

// The files the window watches after hand-offs, with their last stamps.
// Not thread-safe; main thread only.
class EditedFileWatch {
 public:
  // Starts (or renews) watching `path` as it is now.
  void Watch(const std::string& path, FileStamp now);
  // Whether `path` is watched.
  bool Watches(const std::string& path) const;
  // Takes the state `now` of a watched `path`: true when it differs from
  // the last one and the file exists (its thumbnails must be renewed).
  // False for a file not watched, an unchanged one, and a missing one (an
  // editor that saves by replacing the file removes it for a moment).
  bool Changed(const std::string& path, FileStamp now);
  void Forget(const std::string& path);
  size_t size() const { return stamps_.size(); }

 private:
  std::vector<std::pair<std::string, FileStamp>> stamps_;
};

}  // namespace lumidex
