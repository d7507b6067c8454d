#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "slideshow/music_player.h"

namespace lumidex {

// The background music of a running slide show: the playlist of the
// container being shown (see BuildPlaylist), the current track, and the
// music button's state (off at program start, never saved).
//
// The music moves on only at slide steps: AdvanceMusic starts the next track
// when the current one has ended, so a track that ends between two steps is
// followed by silence until the next step, and a playlist of one track plays
// it again at the first step after its end. A track that is missing, cannot
// be opened, or fails while playing is skipped at the next step the same way,
// so the music never sticks on a broken track; until another track plays,
// MusicTitle names it ("再生できません: song.mp3").
//
// Not thread-safe: the slide show's steps, the buttons and the title check
// all run on the main thread. The player must outlive the controller.
class MusicController {
 public:
  explicit MusicController(MusicPlayer& player);
  MusicController(const MusicController&) = delete;
  MusicController& operator=(const MusicController&) = delete;

  // Replaces the playlist by `tracks` and makes the first track current;
  // with the music on, plays it from its beginning (even when the playlist
  // did not change). An empty playlist closes the player. With the music
  // off, the player is left as it is until the next AdvanceMusic.
  void ChoosePlaylist(std::vector<std::string> tracks);

  // One slide step. With the music on: a track that is still playing (or
  // paused) goes on; after its end, or after a failed track, the next track
  // plays (the first after the last). With the music off: the player is
  // closed. Returns true when the day text line is to be emptied now (the
  // music is off, or nothing is open and no failure is to be named);
  // otherwise the periodic MusicTitle keeps it.
  bool AdvanceMusic();

  // The show stopped: closes the player, empties the playlist, forgets a
  // failed track. The current track number is kept. The caller empties the
  // music title texts.
  void StopMusic();

  // The music button's state. Switching has no effect on the player by
  // itself: the caller applies it with ApplyMusicButton, and the player of a
  // track playing when the music goes off is closed at the next step.
  void SetMusicOn(bool on) { musicOn_ = on; }
  bool musicOn() const { return musicOn_; }

  // Applies the music button after its click and after every start and stop
  // of the show. Returns whether the track buttons are shown: when the music
  // is on during a show, or while the actual-size view is on (which uses the
  // same two buttons for its zoom); in full-screen view the title strip is
  // shown exactly then too. When the music is on during a show, the current
  // track plays again from its beginning.
  bool ApplyMusicButton(bool showRunning, bool actualSize);

  // The track buttons and the mouse wheel, while the show runs. Previous
  // steps back one track, or starts the first track again from its
  // beginning; Next steps on, from the last track to the first. The new
  // current track plays when the music is on; with the music off only the
  // track number moves.
  void PreviousTrack();
  void NextTrack();

  // The title line of the music: "" when no track is open; for a track that
  // could not be played "再生できません: " + its file name; otherwise
  // FormatMediaTime(length) + two spaces + FormatMediaTime(position) +
  // "   ♪ > " + the track number (from 1) + " " + the file name (without
  // its folder).
  std::string MusicTitle() const;

  const std::vector<std::string>& playlist() const { return playlist_; }
  int trackIndex() const { return trackIndex_; }

 private:
  // Closes the player, then opens and plays playlist_[index]; a failure is
  // remembered for the title and the next step. An index outside the
  // playlist only closes the player.
  void PlayTrack(int index);
  int NextIndex() const;
  // The file name of a track that could not be played, or "".
  std::string FailedTrackName() const;

  MusicPlayer& player_;
  std::vector<std::string> playlist_;
  int trackIndex_ = 0;  // 0 after every playlist choice; kept by StopMusic
  bool musicOn_ = false;
  std::string failedName_;  // a track PlayTrack could not open or start
};

// A time in units of 100 nanoseconds as hours "：" minutes "：" seconds, the
// separator being the full-width colon: whole seconds (negative times count
// as 0), hours without a leading zero and without a limit, minutes and
// seconds with two digits. 1 hour 5 minutes 7 seconds is "1：05：07".
std::string FormatMediaTime(int64_t time);

// The hint of the music button: "Stop" while the music is on, "Play" while
// it is off, then "|音楽の再生と停止".
std::string MusicButtonHint(bool musicOn);

}  // namespace lumidex
