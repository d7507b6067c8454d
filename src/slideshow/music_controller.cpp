#include "slideshow/music_controller.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "album/album_path.h"

namespace lumidex {
namespace {

constexpr int64_t kUnitsPerSecond = 10'000'000;

}  // namespace

MusicController::MusicController(MusicPlayer& player) : player_(player) {}

void MusicController::ChoosePlaylist(std::vector<std::string> tracks) {
  playlist_ = std::move(tracks);
  trackIndex_ = 0;
  failedName_.clear();
  if (musicOn_) PlayTrack(trackIndex_);
}

bool MusicController::AdvanceMusic() {
  if (!musicOn_) {
    if (player_.IsOpen()) player_.Close();
    failedName_.clear();
    return true;
  }
  // Mode is the one call a step makes to a player whose track still plays.
  const bool failed = !failedName_.empty();
  if (failed || (player_.IsOpen() && player_.Mode() == PlayerMode::kStopped)) {
    trackIndex_ = NextIndex();
    PlayTrack(trackIndex_);
  }
  return !player_.IsOpen() && failedName_.empty();
}

void MusicController::StopMusic() {
  if (player_.IsOpen()) player_.Close();
  playlist_.clear();
  failedName_.clear();
}

bool MusicController::ApplyMusicButton(bool showRunning, bool actualSize) {
  const bool playing = musicOn_ && showRunning;
  if (playing) PlayTrack(trackIndex_);
  return playing || actualSize;
}

void MusicController::PreviousTrack() {
  if (trackIndex_ > 0) --trackIndex_;
  if (musicOn_) PlayTrack(trackIndex_);
}

void MusicController::NextTrack() {
  trackIndex_ = NextIndex();
  if (musicOn_) PlayTrack(trackIndex_);
}

std::string MusicController::MusicTitle() const {
  if (const std::string failed = FailedTrackName(); !failed.empty()) {
    return "再生できません: " + failed;
  }
  if (!player_.IsOpen()) return "";
  return FormatMediaTime(player_.Length()) + "  " + FormatMediaTime(player_.Position()) +
         "   ♪ > " + std::to_string(trackIndex_ + 1) + " " +
         std::string(FileNameOf(player_.FileName()));
}

void MusicController::PlayTrack(int index) {
  failedName_.clear();
  if (player_.IsOpen()) player_.Close();
  if (index < 0 || static_cast<size_t>(index) >= playlist_.size()) return;
  const std::string& path = playlist_[static_cast<size_t>(index)];
  if (!player_.Open(path) || !player_.Play()) failedName_ = FileNameOf(path);
}

int MusicController::NextIndex() const {
  const int next = trackIndex_ + 1;
  return static_cast<size_t>(std::max(next, 0)) >= playlist_.size() ? 0 : next;
}

std::string MusicController::FailedTrackName() const {
  if (!failedName_.empty()) return failedName_;
  if (player_.IsOpen() && player_.Failed()) return std::string(FileNameOf(player_.FileName()));
  return "";
}

std::string FormatMediaTime(int64_t time) {
  const long long seconds = std::max<int64_t>(time, 0) / kUnitsPerSecond;
  char text[64];
  std::snprintf(text, sizeof text, "%lld：%02lld：%02lld", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

std::string MusicButtonHint(bool musicOn) {
  return std::string(musicOn ? "Stop" : "Play") + "|音楽の再生と停止";
}

}  // namespace lumidex
