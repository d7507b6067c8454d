#include "mainwindow/picture_editing.h"

#include <algorithm>

#include "platform/image_editor.h"

namespace lumidex {

std::string PictureToEdit(const EditTargetFacts& facts,
                          const std::function<bool(const std::string&)>& isFile) {
  if (facts.selected.empty()) return {};
  std::string picture;
  if (facts.pageList) {
    picture = facts.pageCover;
  } else if (facts.selected.front() != '@') {
    picture = facts.selected;
  }
  if (picture.empty() || !isFile || !isFile(picture)) return {};
  return picture;
}

std::string EditorProgram(EditorChoice choice, std::string_view gTool, std::string_view path) {
  return choice == EditorChoice::kTool ? platform::FindImageEditor(gTool, path)
                                       : platform::FindPaintProgram(path);
}

EditorEnd OnEditorEnded(int64_t runMs) {
  return runMs < kEditorHandOffMs ? EditorEnd::kRenewAndWatch : EditorEnd::kRenew;
}

void EditedFileWatch::Watch(const std::string& path, FileStamp now) {
  for (auto& [watched, stamp] : stamps_) {
    if (watched == path) {
      stamp = now;
      return;
    }
  }
  stamps_.emplace_back(path, now);
}

bool EditedFileWatch::Watches(const std::string& path) const {
  return std::any_of(stamps_.begin(), stamps_.end(),
                     [&](const auto& entry) { return entry.first == path; });
}

bool EditedFileWatch::Changed(const std::string& path, FileStamp now) {
  for (auto& [watched, stamp] : stamps_) {
    if (watched != path) continue;
    if (now.modified < 0 || now == stamp) return false;
    stamp = now;
    return true;
  }
  return false;
}

void EditedFileWatch::Forget(const std::string& path) {
  std::erase_if(stamps_, [&](const auto& entry) { return entry.first == path; });
}

}  // namespace lumidex
